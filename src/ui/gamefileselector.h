#pragma once

#include "fileselector.h"
#include "romlistjob.h"

#include <QTimer>

#include <memory>

class Prompter;
class UrlOpener;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QProgressDialog;

// The ROM selection window: browsing plus the cartridge header of the path in text1, and the
// controls of the ROM list export.
class GameFileSelector : public FileSelector {
    Q_OBJECT
public:
    GameFileSelector(QWidget* mainWindow, SelectorConfirm select, UrlOpener& opener,
                     Prompter& prompter);
    ~GameFileSelector() override;

    // Runs at every change of text1, however it was made.
    void Text1_Change();
    // "Make List...": lists the folder shown into GB_Roms.txt or GB_Roms.html and opens it
    // when done; the window goes on meanwhile. A second press while one runs does nothing.
    void Command3_Click();
    bool isMakingList() const { return m_listJob.isRunning(); }

    // How long an export runs before it shows its progress; tests make it show at once.
    void setProgressDelay(int milliseconds) { m_progressDelay = milliseconds; }
    void setListExporter(RomListJob::Exporter exporter) {
        m_listJob.setExporter(std::move(exporter));
    }

protected:
    // Leaving the window stops an export running: nothing is written, nothing opens later.
    void hideEvent(QHideEvent* event) override;
    void fileClicked(int row) override;
    bool fileActivated(int row) override;

private:
    void showListProgress();
    void listMade(const RomListExport& list);
    // Says in the status line which ROMs an archive of several holds, and how to reach them.
    void tellArchiveRoms();

    QLineEdit* Text2 = nullptr;  // title
    QLineEdit* Text3 = nullptr;  // cartridge type
    QLineEdit* Text4 = nullptr;  // ROM size
    QComboBox* Combo1 = nullptr; // list kind
    QCheckBox* Check1 = nullptr; // zip names in the HTML list
    QLabel* Label1 = nullptr;
    QPushButton* Command3 = nullptr; // "Make List..."
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;

    UrlOpener& m_opener;
    Prompter& m_prompter;
    int m_progressDelay = 500;
    RomListJob m_listJob;
    QTimer m_progressTimer;
    std::unique_ptr<QProgressDialog> m_progress;
    // The ROMs inside the archive text1 names when it holds several: it is no ROM itself.
    QStringList m_severalRoms;
};
