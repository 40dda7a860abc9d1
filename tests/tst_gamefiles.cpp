// Saving and loading game configuration files through the windows, and the program's argument.
#include "aboutwindow.h"
#include "control.h"
#include "filelistmodel.h"
#include "gameconfigfile.h"
#include "gamefileselector.h"
#include "gifselector.h"
#include "launcherwindows.h"
#include "padfixture.h"
#include "recordingopener.h"
#include "romimage.h"
#include "settingsio.h"
#include "textfile.h"
#include "writefailure.h"
#include "zipbuilder.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>

#include <QtTest>

class GameFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveWritesTheNamedFile_data();
    void saveWritesTheNamedFile();
    void emptyNameProposesTheInternalName();
    void failedSaveKeepsTheWindowAndTheName_data();
    void failedSaveKeepsTheWindowAndTheName();
    void loadAppliesTheFileAndTheRomTitleLast();
    void loadRefusesWithoutChangingAnything_data();
    void loadRefusesWithoutChangingAnything();
    void argumentAtStartUp_data();
    void argumentAtStartUp();
    void dropOnTheWindow_data();
    void dropOnTheWindow();
    void anArchiveOfSeveralInThePathBoxSaysWhereItsRomsAre();
    void frameCloseActsAsCancel_data();
    void frameCloseActsAsCancel();

private:
    QString file(const QString& name) const { return m_dir->filePath(name); }
    void startWith(const QString& argument);
    // Game files for TETRIS.GB with Game Genie code "00A".
    void writeTetrisGame(const QStringList& names);
    void press(FileSelector& window) {
        QTest::mouseClick(control<QPushButton>(&window, "COmmand1"), Qt::LeftButton);
    }
    QString text(const char* name) const { return f->control<QLineEdit>(name)->text(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<PadFixture> f;
    RecordingOpener m_opener;
    std::unique_ptr<LauncherWindows> m_windows;
};

void GameFilesTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    touch(file("VGB.EXE"));
    QVERIFY(writeFile(file("TETRIS.GB"), romImage("TETRIS", 0x00, 0x00)));
    LauncherSettings stored = firstUseSettings();
    stored.emulatorPath = file("VGB.EXE");
    f = std::make_unique<PadFixture>();
    QVERIFY(saveSettings(f->store, stored));
    m_windows = std::make_unique<LauncherWindows>(*f->pad, m_opener, f->prompter);
    f->pad->setWindows(m_windows->padWindows());
}

void GameFilesTest::cleanup() {
    m_windows.reset();
    f.reset();
}

void GameFilesTest::startWith(const QString& argument) {
    QVERIFY(f->pad->Form_Load(argument));
    f->pad->show();
}

void GameFilesTest::writeTetrisGame(const QStringList& names) {
    LauncherSettings game = firstUseSettings();
    game.romPath = file("TETRIS.GB");
    game.genie1 = "00A";
    for (const QString& name : names)
        QCOMPARE(writeGameConfig(file(name), game), QString());
}

// ---- Save ----

void GameFilesTest::saveWritesTheNamedFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("suffix added") << "Puzzle"
                                  << "Puzzle.Zemplo";
    QTest::newRow("suffix kept") << "puzzle.zemplo"
                                 << "puzzle.zemplo";
    QTest::newRow("over an old file") << "old.Zemplo"
                                      << "old.Zemplo";
}

void GameFilesTest::saveWritesTheNamedFile() {
    QFETCH(QString, name);
    QFETCH(QString, written);
    startWith(file("TETRIS.GB"));
    QVERIFY(writeFile(file("old.Zemplo"), "whatever was there"));
    f->control<QLineEdit>("Text6")->setText("00A-17B-C49");
    f->pad->Picture8_Click();
    FileSelector& saver = m_windows->configSaver();
    QCOMPARE(control<QLineEdit>(&saver, "text1")->text(), QString("TETRIS"));
    saver.setDirectoryPath(m_dir->path());
    control<QLineEdit>(&saver, "text1")->setText(name);
    press(saver);
    QVERIFY2(f->prompter.m_prompts.isEmpty(), qPrintable(f->prompter.m_prompts.value(0).text));
    QVERIFY(!saver.isVisible());
    const TextRead read = readTextLines(file(written));
    QCOMPARE(read.lines, renderGameConfig(f->pad->settings()));
    QCOMPARE(read.lines.at(6), QString("00A-17B-C49"));
    QVERIFY(!QFile::exists(file(written + ".Zemplo")));
    QVERIFY(saver.fileModel()->indexOf(written) >= 0); // listed at the next opening
}

void GameFilesTest::emptyNameProposesTheInternalName() {
    startWith(file("TETRIS.GB"));
    f->pad->Picture8_Click();
    FileSelector& saver = m_windows->configSaver();
    saver.setDirectoryPath(m_dir->path());
    control<QLineEdit>(&saver, "text1")->clear();
    press(saver);
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts[0].title, QString("Info !"));
    QCOMPARE(f->prompter.m_prompts[0].text,
             QString("No name given, Internal name is auto-submitted !"));
    QCOMPARE(f->prompter.m_prompts[0].icon, Prompter::Icon::Critical);
    QVERIFY(saver.isVisible());
    QCOMPARE(control<QLineEdit>(&saver, "text1")->text(), QString("TETRIS"));
    QVERIFY(QDir(m_dir->path()).entryList({"*.Zemplo"}).isEmpty());
    press(saver);
    QVERIFY(QFile::exists(file("TETRIS.Zemplo")));
    QVERIFY(!saver.isVisible());
}

void GameFilesTest::failedSaveKeepsTheWindowAndTheName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("slash in the name") << "games/Puzzle" << false;
    QTest::newRow("name too long") << QString(300, 'x') << false;
    QTest::newRow("disk full over an old file") << "old.Zemplo" << true;
}

void GameFilesTest::failedSaveKeepsTheWindowAndTheName() {
    QFETCH(QString, name);
    QFETCH(bool, diskFull);
    QDir(m_dir->path()).mkdir("games");
    QVERIFY(writeFile(file("old.Zemplo"), "old"));
    startWith(file("TETRIS.GB"));
    f->pad->Picture8_Click();
    FileSelector& saver = m_windows->configSaver();
    saver.setDirectoryPath(m_dir->path());
    control<QLineEdit>(&saver, "text1")->setText(name);
    {
        std::optional<FileSizeLimit> limit;
        if (diskFull)
            limit.emplace(10);
        press(saver);
    }
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts[0].title, QString("Ouch!..."));
    QVERIFY(f->prompter.m_prompts[0].text.startsWith(
        "The Zemplo configuration file could not be saved:\n"));
    QVERIFY(saver.isVisible());
    QCOMPARE(control<QLineEdit>(&saver, "text1")->text(), name);
    QCOMPARE(readTextLines(file("old.Zemplo")).lines, QStringList{"old"});
    QVERIFY(QDir(file("games")).isEmpty());
}

// ---- Load ----

void GameFilesTest::loadAppliesTheFileAndTheRomTitleLast() {
    startWith({});
    f->control<QCheckBox>("Check3")->setChecked(true); // no CRC
    LauncherSettings game = firstUseSettings();
    game.romPath = file("TETRIS.GB");
    game.romName = "NOT THE ROM'S TITLE";
    game.genie2 = "01B-28C-D5A";
    game.volume = 4;
    game.ifreq = 75;
    game.keyMap = "1e 1f";
    game.autoA = true;
    QCOMPARE(writeGameConfig(file("Tetris.Zemplo"), game), QString());

    f->pad->Picture9_Click();
    FileSelector& loader = m_windows->configLoader();
    control<QLineEdit>(&loader, "text1")->setText(file("Tetris.Zemplo"));
    press(loader);
    QVERIFY2(f->prompter.m_prompts.isEmpty(), qPrintable(f->prompter.m_prompts.value(0).text));
    QVERIFY(!loader.isVisible());
    QCOMPARE(text("Text1"), file("TETRIS.GB"));
    QCOMPARE(text("Text2"), QString("TETRIS")); // read from the ROM after the file's line 6
    QCOMPARE(text("Text8"), QString("01B-28C-D5A"));
    QCOMPARE(text("Text7"), QString("1e 1f"));
    QCOMPARE(f->control<QScrollBar>("volume")->value(), 4);
    QCOMPARE(f->control<QScrollBar>("ifreq")->value(), 75);
    QVERIFY(f->control<QCheckBox>("Check1")->isChecked());
    QVERIFY(f->control<QCheckBox>("Check3")->isChecked()); // "off" never unchecks
    QCOMPARE(f->control<QWidget>("Frame6")->property("title").toString(),
             QString("Sound Volume  4"));
    QCOMPARE(f->control<QPushButton>("Command5")->text(), QString("No .cfg file !"));

    // Loading the same game again still reads the title from the ROM.
    f->control<QLineEdit>("Text2")->setText("typed over");
    f->pad->Picture9_Click();
    press(loader);
    QCOMPARE(text("Text2"), QString("TETRIS"));
}

void GameFilesTest::loadRefusesWithoutChangingAnything_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QByteArray good = renderGameConfig(firstUseSettings()).join("\r\n").toUtf8();
    QTest::newRow("nothing chosen") << QByteArray() << ""
                                    << "No File selected !";
    QTest::newRow("wrong header") << QByteArray("[Zemplo Gameboy Game Setting] \r\n") + good
                                  << "bad.zemplo"
                                  << "Incorrect Zemplo configuration file !";
    QTest::newRow("cut short") << good.left(good.indexOf("1 - Adlib")) << "short.zemplo"
                               << "Incomplete Zemplo configuration file !";
    QTest::newRow("missing") << QByteArray() << "gone.zemplo"
                             << "The Zemplo configuration file cannot be read:";
    QTest::newRow("a folder") << QByteArray() << "games.zemplo"
                              << "The Zemplo configuration file cannot be read:";
}

void GameFilesTest::loadRefusesWithoutChangingAnything() {
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QDir(m_dir->path()).mkdir("games.zemplo");
    if (!content.isEmpty())
        QVERIFY(writeFile(file(name), content));
    startWith(file("TETRIS.GB"));
    const QStringList before = renderGameConfig(f->pad->settings());
    f->pad->Picture9_Click();
    FileSelector& loader = m_windows->configLoader();
    control<QLineEdit>(&loader, "text1")->setText(name.isEmpty() ? QString() : file(name));
    press(loader);
    QCOMPARE(f->prompter.m_prompts.size(), 1);
    QCOMPARE(f->prompter.m_prompts[0].title, QString("Info !"));
    QVERIFY2(f->prompter.m_prompts[0].text.startsWith(message),
             qPrintable(f->prompter.m_prompts[0].text));
    QVERIFY(loader.isVisible());
    QCOMPARE(renderGameConfig(f->pad->settings()), before);
}

// ---- The program's argument ----

void GameFilesTest::argumentAtStartUp_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("romPath");
    QTest::addColumn<QString>("genie1");
    QTest::addColumn<int>("prompts");
    QTest::newRow("rom") << "TETRIS.GB"
                         << "TETRIS.GB"
                         << "" << 0;
    QTest::newRow("game file") << "Puzzle.Zemplo"
                               << "TETRIS.GB"
                               << "00A" << 0;
    QTest::newRow("short game file name") << "PUZZLE~1.ZEM"
                                          << "TETRIS.GB"
                                          << "00A" << 0;
    QTest::newRow("in quotes") << "\"TETRIS.GB\""
                               << ""
                               << "" << 0;
    QTest::newRow("missing game file") << "gone.Zemplo"
                                       << ""
                                       << "" << 1;
}

void GameFilesTest::argumentAtStartUp() {
    QFETCH(QString, argument);
    QFETCH(QString, romPath);
    QFETCH(QString, genie1);
    QFETCH(int, prompts);
    writeTetrisGame({"Puzzle.Zemplo", "PUZZLE~1.ZEM"});
    const QString whole = argument.startsWith('"') ? argument : file(argument);
    startWith(whole); // start-up goes on whatever the file holds
    QCOMPARE(text("Text1"), romPath.isEmpty() ? QString() : file(romPath));
    QCOMPARE(text("Text6"), genie1);
    QCOMPARE(f->prompter.m_prompts.size(), prompts);
    if (prompts)
        QVERIFY(f->prompter.m_prompts[0].text.contains(whole));
}

// ---- Drag and drop ----

void GameFilesTest::dropOnTheWindow_data() {
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QString>("romPath");
    QTest::addColumn<QString>("genie1");
    QTest::addColumn<QString>("status"); // the status line after the drop
    const QString ready = "Ready...",
                  refused =
                      "Drop a .gb ROM, a ROM archive (.zip, .7z) or a .Zemplo game file here.";
    QTest::newRow("game file") << QStringList{"Puzzle.Zemplo"} << "TETRIS.GB"
                               << "00A" << ready;
    QTest::newRow("rom") << QStringList{"TETRIS.GB"} << "TETRIS.GB"
                         << "" << ready;
    QTest::newRow("another file") << QStringList{"notes.txt"} << ""
                                  << "" << refused;
    QTest::newRow("several: the first") << QStringList{"TETRIS.GB", "Puzzle.Zemplo"} << "TETRIS.GB"
                                        << "" << ready;
    QTest::newRow("several, first refused") << QStringList{"notes.txt", "TETRIS.GB"} << ""
                                            << "" << refused;
    QTest::newRow("an archive of several ROMs: told where to pick one")
        << QStringList{"Set.zip"} << ""
        << ""
        << "Set.zip holds 2 ROMs: pick one in the Cartridge Slot's ... window, where the "
           "archive opens like a folder.";
}

void GameFilesTest::dropOnTheWindow() {
    QFETCH(QStringList, dropped);
    QFETCH(QString, romPath);
    QFETCH(QString, genie1);
    QFETCH(QString, status);
    writeTetrisGame({"Puzzle.Zemplo"});
    touch(file("notes.txt"));
    writeFile(file("Set.zip"), buildZip({{"a.gb", "A"}, {"b.gb", "B"}}));
    startWith({});
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : dropped)
        urls << QUrl::fromLocalFile(file(name));
    data.setUrls(urls);
    const QPoint at(200, 200);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f->pad.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f->pad.get(), &drop);
    QCOMPARE(text("Text1"), romPath.isEmpty() ? QString() : file(romPath));
    QCOMPARE(text("Text6"), genie1);
    QCOMPARE(f->control<QLabel>("Label9")->text(), status);
    QVERIFY(f->prompter.m_prompts.isEmpty());
}

// Named without one of its ROMs, an archive of several has no title: the status line says where
// they are; one of them named as ARCHIVE#ENTRY is a ROM like any other.
void GameFilesTest::anArchiveOfSeveralInThePathBoxSaysWhereItsRomsAre() {
    writeFile(file("Set.zip"), buildZip({{"a.gb", romImage("ALPHA", 0, 0)}, {"b.gb", "B"}}));
    startWith({});
    f->pad->setRomPath(file("Set.zip"));
    QCOMPARE(text("Text2"), QString());
    QVERIFY(f->control<QLabel>("Label9")->text().startsWith("Set.zip holds 2 ROMs: pick one"));
    f->pad->setRomPath(file("Set.zip") + "#a.gb");
    QCOMPARE(text("Text2"), QString("ALPHA"));
    QVERIFY(f->prompter.m_prompts.isEmpty());
}

// ---- Frame close ----

void GameFilesTest::frameCloseActsAsCancel_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("disables");
    QTest::newRow("ROM") << "GameFileSelector" << true;
    QTest::newRow("emulator") << "EXE_FileSelector" << true;
    QTest::newRow("GIF") << "GIF_FileSelector" << true;
    QTest::newRow("About") << "About" << true;
    QTest::newRow("save") << "ParamFileSaver" << false;
    QTest::newRow("load") << "ParamFileLoader" << false;
}

void GameFilesTest::frameCloseActsAsCancel() {
    QFETCH(QString, window);
    QFETCH(bool, disables);
    startWith({});
    const QMap<QString, std::function<void()>> open{
        {"GameFileSelector", [&] { f->pad->Picture3_Click(); }},
        {"EXE_FileSelector", [&] { f->pad->Picture4_Click(); }},
        {"GIF_FileSelector", [&] { f->pad->Picture22_Click(); }},
        {"About", [&] { f->pad->Picture7_Click(); }},
        {"ParamFileSaver", [&] { f->pad->Picture8_Click(); }},
        {"ParamFileLoader", [&] { f->pad->Picture9_Click(); }},
    };
    const QString before = text("Text1");
    for (int round = 0; round < 2; ++round) {
        open[window]();
        QWidget* shown = QApplication::activeWindow();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == window)
                shown = w;
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(shown->windowHandle()->transientParent(), f->pad->windowHandle());
        QCOMPARE(f->pad->isEnabled(), !disables);
        QVERIFY(shown->close());
        QVERIFY(!shown->isVisible());
        QVERIFY(f->pad->isEnabled());
    }
    QCOMPARE(text("Text1"), before);
}

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
