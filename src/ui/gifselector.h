#pragma once

#include "fileselector.h"

class QLabel;

// The GIF background window: browsing plus a preview of the clicked picture.
class GifSelector : public FileSelector {
    Q_OBJECT
public:
    GifSelector(QWidget* mainWindow, SelectorConfirm select);

    QLabel* gif1 = nullptr; // the preview

protected:
    void fileClicked(int row) override;
};
