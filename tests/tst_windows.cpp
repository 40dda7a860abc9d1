#include "aboutwindow.h"
#include "control.h"
#include "directorylistmodel.h"
#include "filelistmodel.h"
#include "gamefileselector.h"
#include "gifselector.h"
#include "hostpath.h"
#include "launcherwindows.h"
#include "padfixture.h"
#include "recordingopener.h"
#include "romimage.h"
#include "textfile.h"
#include "writefailure.h"
#include "zipbuilder.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QModelIndex fileIndex(FileSelector& w, const QString& name) {
    return w.fileModel()->index(w.fileModel()->indexOf(name));
}

// As the window system delivers a double click: a click first, then the double click.
void doubleClick(QAbstractItemView* view, const QModelIndex& index) {
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

void clickFile(FileSelector& w, const QString& name) {
    const QModelIndex index = fileIndex(w, name);
    QVERIFY2(index.isValid(), qPrintable(name));
    QTest::mouseClick(control<QListView>(&w, "File1")->viewport(), Qt::LeftButton, {},
                      control<QListView>(&w, "File1")->visualRect(index).center());
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void modelsPassTheModelTester();
    void pathJoin_data();
    void pathJoin();
    void fileListFollowsTheFolderWithItsPattern();
    void romWindowShowsTheHeaderAtEachClick();
    void doubleClickSelects();
    void romWindowOpensAnArchiveOfSeveral();
    void cancelKeepsTheTargetAndTheWindowItsPath();
    void reopensWhereItWasLeft();
    void unreadableDriveGoesBackToTheRoot();
    void gifPreview();
    void saveAndLoadWindowsLeaveTheMainWindowEnabled();
    void aboutWindow();
    void launchWithoutEmulatorOpensTheSelectorEnabled();
    void namesThatCannotBeUsedAndFoldersThatCannotBeRead();
    void makeListWritesAndOpensTheList();
    void makeListThatCannotFinishWritesNothing();

private:
    std::unique_ptr<PadFixture> f;
    RecordingOpener m_opener;
    std::unique_ptr<LauncherWindows> m_windows;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void WindowsTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkpath("sub/deeper");
    QVERIFY(writeFile(m_dir->filePath("Tetris.GB"), romImage("TETRIS", 0x00, 0x00)));
    QVERIFY(writeFile(m_dir->filePath("zelda.gb"), romImage("ZELDA0", 0x13, 0x05)));
    QVERIFY(writeFile(m_dir->filePath("short.gb"), QByteArray(100, 'x')));
    QVERIFY(writeFile(m_dir->filePath("notes.txt"), "x"));
    QVERIFY(writeFile(m_dir->filePath(".hidden.gb"), romImage("H", 0, 0)));
    f = std::make_unique<PadFixture>();
    m_opener.m_urls.clear();
    m_windows = std::make_unique<LauncherWindows>(*f->pad, m_opener, f->prompter);
    f->pad->setWindows(m_windows->padWindows());
    f->pad->move(200, 150);
    f->pad->show();
}

void WindowsTest::cleanup() {
    m_windows.reset();
    f.reset();
}

void WindowsTest::modelsPassTheModelTester() {
    DirectoryListModel dirs;
    QAbstractItemModelTester dirTester(&dirs,
                                       QAbstractItemModelTester::FailureReportingMode::QtTest);
    FileListModel files("*.gb");
    QAbstractItemModelTester fileTester(&files,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (const QString& path :
         {m_dir->path(), m_dir->filePath("sub"), QString("/"), m_dir->path()}) {
        dirs.setPath(path);
        files.setPath(path);
    }
    QCOMPARE(dirs.pathAt(dirs.currentRow()), m_dir->path());
    QCOMPARE(dirs.pathAt(dirs.currentRow() + 1), m_dir->filePath("sub"));
    QCOMPARE(dirs.pathAt(0), QString("/"));
}

void WindowsTest::pathJoin_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("joined");
    QTest::newRow("root") << "/"
                          << "/GAME.GB";
    QTest::newRow("below the root") << "/roms"
                                    << "/roms/GAME.GB";
    QTest::newRow("deeper") << "/home/me/roms"
                            << "/home/me/roms/GAME.GB";
}

void WindowsTest::pathJoin() {
    QFETCH(QString, directory);
    QFETCH(QString, joined);
    QCOMPARE(joinPath(directory, "GAME.GB"), joined);
}

void WindowsTest::fileListFollowsTheFolderWithItsPattern() {
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    QVERIFY(w.isVisible());
    QVERIFY(!f->pad->isEnabled());
    QCOMPARE(w.windowTitle(), QString("Select a Gameboy Cartridge Image..."));
    w.setDirectoryPath(m_dir->path());
    QCOMPARE(control<QListView>(&w, "File1")->model()->rowCount(), 3);
    QCOMPARE(w.fileModel()->fileName(0), QString("short.gb"));
    QCOMPARE(w.fileModel()->fileName(1), QString("Tetris.GB"));
    QCOMPARE(w.fileModel()->fileName(2), QString("zelda.gb"));
    clickFile(w, "zelda.gb");
    // A new folder refreshes the files; text1 keeps the last click.
    w.setDirectoryPath(m_dir->filePath("sub"));
    QCOMPARE(control<QListView>(&w, "File1")->model()->rowCount(), 0);
    QCOMPARE(control<QLineEdit>(&w, "text1")->text(), m_dir->filePath("zelda.gb"));
    // Double-clicking a folder in the folder list enters it.
    const int row = w.directoryModel()->currentRow() + 1;
    doubleClick(control<QListView>(&w, "Dir1"), w.directoryModel()->index(row));
    QCOMPARE(w.directoryPath(), m_dir->filePath("sub/deeper"));
}

void WindowsTest::romWindowShowsTheHeaderAtEachClick() {
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    w.setDirectoryPath(m_dir->path());
    clickFile(w, "Tetris.GB");
    QCOMPARE(control<QLineEdit>(&w, "text1")->text(), m_dir->filePath("Tetris.GB"));
    QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), QString("TETRIS"));
    QCOMPARE(control<QLineEdit>(&w, "Text3")->text(), QString("ROM ONLY"));
    QCOMPARE(control<QLineEdit>(&w, "Text4")->text(), QString("256KBit"));
    clickFile(w, "zelda.gb");
    QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), QString("ZELDA"));
    QCOMPARE(control<QLineEdit>(&w, "Text3")->text(), QString("?"));
    QCOMPARE(control<QLineEdit>(&w, "Text4")->text(), QString("..."));
    clickFile(w, "short.gb");
    QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), QString());
    QCOMPARE(control<QLineEdit>(&w, "Text3")->text(), QString());
    QCOMPARE(control<QLineEdit>(&w, "Text4")->text(), QString());
    control<QLineEdit>(&w, "text1")->setText(m_dir->filePath("Tetris.G")); // typing
    QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), QString());
    QCOMPARE(control<QComboBox>(&w, "Combo1")->currentText(), QString("As Text"));
    QVERIFY(!control<QCheckBox>(&w, "Check1")->isChecked());
    QCOMPARE(control<QPushButton>(&w, "Command3")->text(), QString("Make List..."));
}

void WindowsTest::doubleClickSelects() {
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    w.setDirectoryPath(m_dir->path());
    const QModelIndex index = fileIndex(w, "Tetris.GB");
    doubleClick(control<QListView>(&w, "File1"), index);
    QCOMPARE(f->control<QLineEdit>("Text1")->text(), m_dir->filePath("Tetris.GB"));
    QVERIFY(!w.isVisible());
    QVERIFY(f->pad->isEnabled());
}

// An archive of several ROMs opens in the file list like a folder: its ROMs under it, each
// reached by the arrows, its header shown, and chosen as ARCHIVE#ENTRY; the archive itself is
// not a ROM to select.
void WindowsTest::romWindowOpensAnArchiveOfSeveral() {
    const QString sets = m_dir->filePath("sets");
    QVERIFY(QDir().mkpath(sets));
    QVERIFY(writeFile(sets + "/Set.zip", buildZip({{"a.gb", romImage("ALPHA", 1, 1)},
                                                   {"x/b.gb", romImage("BRAVO", 2, 2)}})));
    QVERIFY(writeFile(sets + "/Solo.7z", buildZip({{"s.gb", romImage("SOLO", 0, 0)}})));
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    QAbstractItemModelTester tester(w.fileModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.setDirectoryPath(sets);
    auto* files = control<QListView>(&w, "File1");
    QCOMPARE(files->model()->rowCount(), 2);
    clickFile(w, "Set.zip");
    QCOMPARE(files->model()->rowCount(), 4);
    QCOMPARE(control<QLabel>(&w, "Status")->text(),
             QString("Set.zip holds 2 ROMs: pick one in the list under it, or type its name "
                     "after a #."));
    QTest::mouseClick(control<QPushButton>(&w, "COmmand1"), Qt::LeftButton);
    QVERIFY(w.isVisible()); // the archive is no ROM
    QCOMPARE(f->control<QLineEdit>("Text1")->text(), QString());
    files->setFocus();
    for (const auto& [entry, title] : {std::pair{"a.gb", "ALPHA"}, std::pair{"x/b.gb", "BRAVO"}}) {
        QTest::keyClick(files, Qt::Key_Down);
        QCOMPARE(control<QLineEdit>(&w, "text1")->text(), sets + "/Set.zip#" + entry);
        QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), QString(title));
    }
    QTest::keyClick(files, Qt::Key_Down); // past the archive's ROMs, which stay open
    QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), QString("SOLO"));
    QCOMPARE(files->model()->rowCount(), 2);
    QTest::keyClick(files, Qt::Key_Up);     // back on the archive, which opens again
    QTest::keyClick(files, Qt::Key_Return); // into it
    QTest::keyClick(files, Qt::Key_Return); // its first ROM chosen
    QVERIFY(!w.isVisible());
    QCOMPARE(f->control<QLineEdit>("Text1")->text(), sets + "/Set.zip#a.gb");
    QCOMPARE(f->control<QLineEdit>("Text2")->text(), QString("ALPHA"));
}

void WindowsTest::cancelKeepsTheTargetAndTheWindowItsPath() {
    f->control<QLineEdit>("Text4")->setText("/old/VGB.EXE");
    f->pad->Picture4_Click();
    FileSelector& w = m_windows->emulatorSelector();
    QCOMPARE(w.windowTitle(), QString("Find out the Emulator..."));
    QVERIFY(writeFile(m_dir->filePath("VGB.EXE"), "x"));
    w.setDirectoryPath(m_dir->path());
    clickFile(w, "VGB.EXE");
    QTest::mouseClick(control<QPushButton>(&w, "Command2"), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QVERIFY(f->pad->isEnabled());
    QCOMPARE(f->control<QLineEdit>("Text4")->text(), QString("/old/VGB.EXE"));
    f->pad->Picture4_Click();
    QCOMPARE(control<QLineEdit>(&w, "text1")->text(), m_dir->filePath("VGB.EXE"));
    QTest::mouseClick(control<QPushButton>(&w, "COmmand1"), Qt::LeftButton);
    QCOMPARE(f->control<QLineEdit>("Text4")->text(), m_dir->filePath("VGB.EXE"));
    QVERIFY(f->pad->isEnabled());
}

void WindowsTest::reopensWhereItWasLeft() {
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    QCOMPARE(w.pos(), f->pad->pos() + QPoint(1, 1)); // 10 twips inside the main window's corner
    w.setDirectoryPath(m_dir->filePath("sub"));
    QTest::mouseClick(control<QPushButton>(&w, "Command2"), Qt::LeftButton);
    w.move(w.pos() + QPoint(50, 20));
    const QPoint left = w.pos();
    f->pad->Picture3_Click();
    QCOMPARE(&m_windows->romSelector(), &w);
    QCOMPARE(w.pos(), left);
    QCOMPARE(w.directoryPath(), m_dir->filePath("sub"));
}

void WindowsTest::unreadableDriveGoesBackToTheRoot() {
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    w.setDirectoryPath(m_dir->path());
    w.selectDrive("/no-such-drive");
    QCOMPARE(control<QComboBox>(&w, "drive1")->currentText(), QString("/"));
    QCOMPARE(w.directoryPath(), QString("/"));
}

void WindowsTest::gifPreview() {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(m_dir->filePath("sky.gif"), "PNG")); // told by content, not by name
    QVERIFY(writeFile(m_dir->filePath("broken.gif"), "not a picture"));
    QTest::mouseClick(f->pad->findChild<QWidget*>("Picture22"), Qt::LeftButton);
    QVERIFY(!f->pad->isEnabled());
    GifSelector& w = m_windows->gifSelector();
    QCOMPARE(w.gif1->toolTip(), QString("GIF preview"));
    w.setDirectoryPath(m_dir->path());
    clickFile(w, "sky.gif");
    QVERIFY(!w.gif1->pixmap().isNull());
    QCOMPARE(w.gif1->pixmap().width(), w.gif1->width()); // scaled to fit
    clickFile(w, "broken.gif");
    QVERIFY(w.gif1->pixmap().isNull());
}

void WindowsTest::saveAndLoadWindowsLeaveTheMainWindowEnabled() {
    f->control<QLineEdit>("Text2")->setText("TETRIS");
    f->pad->Picture8_Click();
    FileSelector& saver = m_windows->configSaver();
    QVERIFY(saver.isVisible());
    QVERIFY(f->pad->isEnabled());
    QCOMPARE(control<QLineEdit>(&saver, "text1")->text(), QString("TETRIS"));
    QVERIFY(writeFile(m_dir->filePath("Tetris.Zemplo"), "x"));
    saver.setDirectoryPath(m_dir->path());
    clickFile(saver, "Tetris.Zemplo");
    QCOMPARE(control<QLineEdit>(&saver, "text1")->text(),
             QString("Tetris.Zemplo")); // the name alone
    QTest::mouseClick(control<QPushButton>(&saver, "Command2"), Qt::LeftButton);
    QVERIFY(!saver.isVisible());
    f->pad->Picture9_Click();
    FileSelector& loader = m_windows->configLoader();
    QVERIFY(loader.isVisible());
    QVERIFY(f->pad->isEnabled());
    QCOMPARE(control<QPushButton>(&loader, "COmmand1")->text(), QString("Load"));
}

void WindowsTest::aboutWindow() {
    f->pad->Picture7_Click();
    AboutWindow& about = m_windows->about();
    QVERIFY(about.isVisible());
    QVERIFY(!f->pad->isEnabled());
    QCOMPARE(about.pos(), f->pad->pos());
    QCOMPARE(control<QPushButton>(&about, "Command2")->text(), QString("Go to the Rorizor site !"));
    QTest::mouseClick(control<QPushButton>(&about, "Command2"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(&about, "Command2"), Qt::LeftButton);
    QTest::mouseClick(control<QLabel>(&about, "Label5"), Qt::LeftButton);
    QCOMPARE(m_opener.m_urls.size(), 3);
    QCOMPARE(m_opener.m_urls.at(0), AuthorAddresses().homePage);
    QCOMPARE(m_opener.m_urls.at(1), AuthorAddresses().homePage);
    QCOMPARE(m_opener.m_urls.at(2), QUrl("mailto:" + AuthorAddresses().email));
    QVERIFY(control<QLabel>(&about, "Label5")->text().startsWith("E-Mail: "));
    QVERIFY(about.isVisible());
    QTest::mouseClick(control<QPushButton>(&about, "Command1"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QVERIFY(f->pad->isEnabled());
    about.move(about.pos() + QPoint(40, 30));
    const QPoint moved = about.pos();
    f->pad->Picture7_Click();
    QCOMPARE(about.pos(), moved);
}

void WindowsTest::launchWithoutEmulatorOpensTheSelectorEnabled() {
    f->control<QLineEdit>("Text4")->clear();
    f->pad->Picture5_Click();
    QVERIFY(m_windows->emulatorSelector().isVisible());
    QVERIFY(f->pad->isEnabled());
}

void WindowsTest::namesThatCannotBeUsedAndFoldersThatCannotBeRead() {
    const QByteArray folder = QFile::encodeName(m_dir->path());
    {
        // Names made with raw bytes: QFile would encode a QString as UTF-8.
        const QByteArray file = folder + "/caf\xE9.gb";
        FILE* f = std::fopen(file.constData(), "w");
        QVERIFY(f);
        std::fclose(f);
        QVERIFY(::mkdir((folder + "/d\xE9mos").constData(), 0700) == 0);
    }
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    w.setDirectoryPath(m_dir->path());
    w.refreshFiles();
    const int rows = w.fileModel()->rowCount();
    QCOMPARE(w.fileModel()->fileName(rows - 1), QString()); // listed last, not usable
    QVERIFY(w.fileModel()->data(w.fileModel()->index(rows - 1)).toString().endsWith("(rename me)"));
    QVERIFY2(control<QLabel>(&w, "Status")->text().contains("not valid UTF-8"),
             qPrintable(control<QLabel>(&w, "Status")->text()));
    control<QLineEdit>(&w, "text1")->setText("kept");
    QTest::mouseClick(
        control<QListView>(&w, "File1")->viewport(), Qt::LeftButton, {},
        control<QListView>(&w, "File1")->visualRect(w.fileModel()->index(rows - 1)).center());
    QCOMPARE(control<QLineEdit>(&w, "text1")->text(), QString("kept"));
    const int dirRows = w.directoryModel()->rowCount();
    QCOMPARE(w.directoryModel()->pathAt(dirRows - 1), QString());
    // Qt cannot see these names either, so they are removed here, not by the temporary folder.
    ::unlink((folder + "/caf\xE9.gb").constData());
    ::rmdir((folder + "/d\xE9mos").constData());

    // A named pipe is neither listed nor waited on when its path is typed.
    QVERIFY(::mkfifo(QFile::encodeName(m_dir->filePath("pipe.gb")).constData(), 0600) == 0);
    w.refreshFiles();
    QCOMPARE(w.fileModel()->indexOf("pipe.gb"), -1);
    control<QLineEdit>(&w, "text1")->setText(m_dir->filePath("Tetris.GB"));
    control<QLineEdit>(&w, "text1")->setText(m_dir->filePath("pipe.gb"));
    QCOMPARE(control<QLineEdit>(&w, "Text2")->text(), QString());

    // A folder that goes away while it is shown: the lists empty and the status says why.
    QDir(m_dir->path()).mkdir("gone");
    w.setDirectoryPath(m_dir->filePath("gone"));
    QCOMPARE(control<QLabel>(&w, "Status")->text(), QString());
    QDir(m_dir->filePath("gone")).removeRecursively();
    w.refreshFiles();
    QVERIFY2(control<QLabel>(&w, "Status")->text().startsWith("This folder cannot be read: "),
             qPrintable(control<QLabel>(&w, "Status")->text()));
}

// Presses "Make List..." and waits for the list to be made.
void makeList(GameFileSelector& w) {
    QTest::mouseClick(control<QPushButton>(&w, "Command3"), Qt::LeftButton);
    QTRY_VERIFY(!w.isMakingList());
}

void WindowsTest::makeListWritesAndOpensTheList() {
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    w.setDirectoryPath(m_dir->path());
    clickFile(w, "Tetris.GB");
    const QString txt = m_dir->filePath("GB_Roms.txt");
    const QString html = m_dir->filePath("GB_Roms.html");
    QCOMPARE(control<QComboBox>(&w, "Combo1")->currentText(), QString("As Text"));
    QVERIFY(!control<QCheckBox>(&w, "Check1")->isChecked());

    makeList(w);
    QCOMPARE(m_opener.m_urls, QList<QUrl>{QUrl::fromLocalFile(txt)});
    QCOMPARE(readTextLines(txt).lines.size(), 5 + 3); // Tetris, zelda and the short one
    QVERIFY(!QFile::exists(html));

    control<QComboBox>(&w, "Combo1")->setCurrentIndex(1);
    control<QCheckBox>(&w, "Check1")->setChecked(true);
    for (int round = 0; round < 2; ++round) // a second export replaces the first
        makeList(w);
    QCOMPARE(m_opener.m_urls.size(), 3);
    QCOMPARE(m_opener.m_urls.last(), QUrl::fromLocalFile(html));
    const QStringList page = readTextLines(html).lines;
    QCOMPARE(page.size(), 10 + 3 * 5);
    QVERIFY(page.join('\n').contains(">tetris.zip</font>"));
    QCOMPARE(readTextLines(txt).lines.size(), 8); // the other kind stays

    // Typed choices other than the two items do nothing.
    for (const char* typed : {"as html", "As Text ", ""}) {
        control<QComboBox>(&w, "Combo1")->setEditText(typed);
        makeList(w);
    }
    QCOMPARE(m_opener.m_urls.size(), 3);
    QVERIFY(w.isVisible());
    QCOMPARE(control<QLineEdit>(&w, "text1")->text(), m_dir->filePath("Tetris.GB"));
    QVERIFY(f->prompter.m_prompts.isEmpty());
}

void WindowsTest::makeListThatCannotFinishWritesNothing() {
    QVERIFY(writeFile(m_dir->filePath("GB_Roms.txt"), "old list\r\n"));
    f->pad->Picture3_Click();
    GameFileSelector& w = m_windows->romSelector();
    w.setDirectoryPath(m_dir->path());
    {
        const FileSizeLimit diskFull(16);
        makeList(w);
    }
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts[0].title, QString("Ouch!..."));
    QVERIFY(f->prompter.m_prompts[0].text.startsWith("The ROM list could not be written:\n" +
                                                     m_dir->filePath("GB_Roms.txt")));
    QVERIFY(m_opener.m_urls.isEmpty());
    QCOMPARE(readTextLines(m_dir->filePath("GB_Roms.txt")).lines, QStringList{"old list"});

    // A long listing shows its progress; cancelling it writes nothing. A second press while it
    // runs starts no second export; leaving the window stops it, and nothing opens later. The
    // stand-in export runs until it is stopped.
    std::atomic<int> exports{0};
    w.setListExporter([&](const QString& dir, RomListKind, bool, const QString&,
                          const RomListProgress& progress) {
        ++exports;
        RomListExport list;
        list.path = dir + "/GB_Roms.txt";
        for (int waited = 0; !list.cancelled && waited < 5000; waited += 5) {
            QThread::msleep(5);
            list.cancelled = !progress(waited);
        }
        if (!list.cancelled)
            writeFile(list.path, "a list\r\n");
        return list;
    });
    w.setProgressDelay(0);
    auto* button = control<QPushButton>(&w, "Command3");
    for (const char* end : {"cancel", "leave"}) {
        QTest::mouseClick(button, Qt::LeftButton);
        auto* progress = w.findChild<QProgressDialog*>("ExportProgress");
        QVERIFY(progress && progress->isVisible());
        QTRY_VERIFY(progress->labelText().endsWith("ROMs listed...") && exports == 1);
        QTest::mouseClick(button, Qt::LeftButton); // the window is busy, not stuck
        if (QByteArray(end) == "cancel")
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        else
            w.close(); // by its frame
        QTRY_VERIFY(!w.isMakingList());
        QCOMPARE(exports.exchange(0), 1);
        QVERIFY(!w.findChild<QProgressDialog*>("ExportProgress"));
    }
    QVERIFY(!w.isVisible());
    QVERIFY(f->pad->isEnabled());
    QTest::qWait(20); // an end told late would come now
    QCOMPARE(readTextLines(m_dir->filePath("GB_Roms.txt")).lines, QStringList{"old list"});
    QVERIFY(m_opener.m_urls.isEmpty());
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
