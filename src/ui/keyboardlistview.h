#pragma once

#include <QListView>

// A list whose keyboard use says what it did: moving onto an entry (arrows, Page keys, typing
// its first letters) or Space on it is a click on that entry, Return on it a double click.
class KeyboardListView : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;

signals:
    void clickedByKey(const QModelIndex& index);
    void returnPressed(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
