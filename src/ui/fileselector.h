#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class DirectoryListModel;
class FileListModel;
struct FolderListing;
class KeyboardListView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;

// What tells the five selection windows apart.
struct SelectorSpec {
    const char* name;
    QString caption;
    QString pattern;
    QString fileTip;       // empty: no tooltip
    QString confirm;       // caption of COmmand1
    QString nameFrame;     // caption of the frame around text1
    bool selects = true;   // the main window is disabled while it is open; double-click selects
    bool nameOnly = false; // a click puts only the file name into text1
};

// What COmmand1 does with text1. True when it is done and the window may close; false keeps
// the window open as it is, so nothing typed is lost.
using SelectorConfirm = std::function<bool(const QString& text1)>;

// A drive list, a folder list, a file list and a path box: the browsing that every selection
// window shares. The window is hidden, never destroyed, so it reopens as it was left.
class FileSelector : public QDialog {
    Q_OBJECT
public:
    FileSelector(const SelectorSpec& spec, QWidget* mainWindow, SelectorConfirm confirm,
                 int extraWidth = 0);

    // Places the window just inside the main window's corner, once, at its creation.
    void placeOnMainWindow();

    void setConfirm(SelectorConfirm confirm) { m_confirm = std::move(confirm); }

    // Lists the folder's files again, after a file was written into it.
    void refreshFiles();

    QString directoryPath() const;
    // The name or path in the window's text box, and a name proposed into it.
    QString chosenText() const;
    void proposeName(const QString& name);
    void setDirectoryPath(const QString& path);
    void selectDrive(const QString& rootPath);

    void Drive1_Change();
    // The file list follows the folder list, with the files of the same read of the folder.
    void Dir1_Change(const FolderListing& files);
    void File1_Click(const QModelIndex& index);
    void File1_DblClick(const QModelIndex& index);
    void Command1_Click();
    void Command2_Click();

    DirectoryListModel* directoryModel() const { return m_dirs; }
    FileListModel* fileModel() const { return m_files; }

protected:
    QComboBox* drive1 = nullptr;       // mounted file systems
    QListView* Dir1 = nullptr;         // folders
    KeyboardListView* File1 = nullptr; // files matching the pattern
    QLineEdit* text1 = nullptr;        // the chosen path
    QPushButton* COmmand1 = nullptr;   // Select, Save or Load
    QPushButton* Command2 = nullptr;   // Cancel
    QLabel* Status = nullptr;          // why a folder shows fewer entries than it holds

    // Escape and the frame's close are a Cancel: the main window must not stay disabled.
    void reject() override { Command2_Click(); }
    // Room to the right of the browsing controls for a window's own controls.
    QRect extraArea() const;
    // After a single click on `row` has put the path into text1.
    virtual void fileClicked(int row) { Q_UNUSED(row) }
    // A double click or Return on `row`, before it selects: true when the window handled it.
    virtual bool fileActivated(int row) {
        Q_UNUSED(row)
        return false;
    }
    // The status line says why the folder shows fewer entries than it holds, or nothing.
    void showListingProblem();

private:
    // Hidden, with the main window usable again.
    void leave();
    void buildControls(const SelectorSpec& spec, int extraWidth);
    void fillDrives();

    SelectorSpec m_spec;
    QWidget* m_mainWindow;
    SelectorConfirm m_confirm;
    DirectoryListModel* m_dirs;
    FileListModel* m_files;
    int m_extraWidth;
};
