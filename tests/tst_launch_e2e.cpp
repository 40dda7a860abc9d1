// Clicks play on the real main window and lets real DOSBox run the stand-in emulator.
#include "archivebuilder.h"
#include "dosboxenvironment.h"
#include "dosboxrun.h"
#include "dosname.h"
#include "gameconfigfile.h"
#include "launchfolder.h"
#include "memorysettingsstore.h"
#include "pad.h"
#include "previewwindow.h"
#include "processstarter.h"
#include "recordingprompter.h"
#include "romconfig.h"
#include "romimage.h"
#include "scratchfolder.h"
#include "settingsio.h"
#include "zipbuilder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class LaunchEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void playStartsTheEmulatorInDosBox();
    void previewUseItStartsTheEditedLine();
    void emulatorFindsThePaletteOfAn83Rom();
    void longNamedRomsFindTheirPaletteAndKeepTheirSaves();
    void fileLeftByTheEmulatorGoesBesideTheRomWhenDosBoxEnds();
    void gameFileGivenAtStartUpReachesTheEmulator();
    void letterCaseTwinsKeepTheirOwnSaves();
    void saveWrittenAnewReplacesTheOldOneKeptAsBak();
    void zippedRomPlaysWithItsPaletteAndSavesBesideTheZip();
    void romOfASolidSevenZipPlaysWithItsOwnPaletteAndSave();

private:
    QTemporaryDir m_home;
    std::unique_ptr<ScratchFolder> m_dir;
    MemorySettingsStore m_store;
    RecordingPrompter m_prompter;
    QtProcessStarter m_starter;
    std::unique_ptr<DosBoxEnvironment> m_dos;
    std::unique_ptr<Pad> m_pad;
};

void LaunchEndToEndTest::initTestCase() {
    ZEMPLO_REQUIRE_END_TO_END();
    prepareHeadlessDosBoxEnvironment(m_home.path());
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home.filePath("cache")));
}

void LaunchEndToEndTest::init() {
    m_dir = std::make_unique<ScratchFolder>(QStringList{"emu", "my roms"});
    QVERIFY(QFile::copy(standinExecutable(), m_dir->filePath("emu/VGB.EXE")));
    QFile rom(m_dir->filePath("my roms/Super Mario Land.gb"));
    QVERIFY(rom.open(QIODevice::WriteOnly));
    rom.write("SUPER-MARIO-ROM.");
    rom.close();

    LauncherSettings s = firstUseSettings();
    s.emulatorPath = m_dir->filePath("emu/VGB.EXE");
    s.video = "1 - Video 320x200 No title screen";
    s.silentStart = false;
    saveSettings(m_store, s);
    m_dos = std::make_unique<DosBoxEnvironment>(m_starter);
    m_pad = std::make_unique<Pad>(PadServices{m_prompter, m_store, *m_dos});
    QVERIFY(m_pad->Form_Load(m_dir->filePath("my roms/Super Mario Land.gb")));
    m_pad->show();
}

void LaunchEndToEndTest::playStartsTheEmulatorInDosBox() {
    QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
    QVERIFY2(m_prompter.m_prompts.isEmpty(), qPrintable(m_prompter.m_prompts.value(0).text));
    const StandinRecord record = waitForRecord(m_dir->filePath("emu"), 60000);
    QCOMPARE(record.value("DIR"), QString("C:\\"));
    QCOMPARE(record.value("TAIL"),
             QString(" D:\\SUPERMAR.GB -video 1 -volume  10 -vperiod 100 -uperiod 2"));
    QCOMPARE(record.value("ROMOPEN"), QString("YES"));
    QCOMPARE(record.value("ROMDATA"), QString("SUPER-MARIO-ROM."));
}

void LaunchEndToEndTest::previewUseItStartsTheEditedLine() {
    m_pad->findChild<QCheckBox*>("Check6")->setChecked(true);
    QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
    PreviewWindow* preview = m_pad->previewWindow();
    QVERIFY(preview->isVisible());
    auto* text = preview->findChild<QPlainTextEdit*>("Text1");
    text->setPlainText(text->toPlainText() + " -nocrc");
    QTest::mouseClick(preview->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QVERIFY(m_prompter.m_prompts.isEmpty());
    const StandinRecord record = waitForRecord(m_dir->filePath("emu"), 60000);
    QCOMPARE(record.value("DIR"), QString("C:\\"));
    QCOMPARE(record.value("TAIL"),
             QString(" D:\\SUPERMAR.GB -video 1 -volume  10 -vperiod 100 -uperiod 2 -nocrc"));
    QCOMPARE(record.value("ROMOPEN"), QString("YES"));
}

namespace {
RomConfigContent redColourZero() {
    RomConfigContent content;
    content.slotLines[0] = "-color0 #FF0000";
    content.slotTags[0] = "CC0255000000";
    return content;
}
} // namespace

void LaunchEndToEndTest::emulatorFindsThePaletteOfAn83Rom() {
    const QString rom = m_dir->filePath("my roms/PUZZLE.GB");
    QFile file(rom);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PUZZLE-ROM-DATA.");
    file.close();
    QCOMPARE(writeRomConfig(m_dir->filePath("my roms/PUZZLE.cfg"), redColourZero()), QString());
    m_pad->setRomPath(rom);
    QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
    const StandinRecord record = waitForRecord(m_dir->filePath("emu"), 60000);
    QCOMPARE(record.value("ROM"), QString("D:\\PUZZLE.GB"));
    QCOMPARE(record.value("ROMDATA"), QString("PUZZLE-ROM-DATA."));
    QCOMPARE(record.value("CFG"), QString("D:\\PUZZLE.CFG"));
    QCOMPARE(record.value("CFGOPEN"), QString("YES"));
    QCOMPARE(record.value("CFGDATA"), QString("-color0 #FF0000\r"));
    // An 8.3 ROM plays from its own folder: its save lands there under its own name.
    QCOMPARE(record.value("SAVWRITE"), QString("YES"));
    QCOMPARE(readAll(m_dir->filePath("my roms/PUZZLE.SAV")), QByteArray("SAVED-BY-STANDIN"));
    QVERIFY(!QFileInfo::exists(planLaunchFolder(rom, launchCacheRoot()).folder));
}

void LaunchEndToEndTest::longNamedRomsFindTheirPaletteAndKeepTheirSaves() {
    // Two ROMs whose aliases share a prefix, each with its own palette beside it.
    const QString roms = m_dir->filePath("my roms/");
    const QString land = roms + "Super Mario Land (World).gb";
    const QString land2 = roms + "Super Mario Land 2 (World).gb";
    QVERIFY(writeFile(land, "LAND-ONE-ROM...."));
    QVERIFY(writeFile(land2, "LAND-TWO-ROM...."));
    RomConfigContent blue;
    blue.slotLines[0] = "-color0 #0000FF";
    blue.slotTags[0] = "CC0000000255";
    QCOMPARE(writeRomConfig(roms + "Super Mario Land (World).cfg", redColourZero()), QString());
    QCOMPARE(writeRomConfig(roms + "Super Mario Land 2 (World).cfg", blue), QString());

    const auto play = [&](const QString& rom) {
        QFile::remove(m_dir->filePath("emu/RECORD.TXT"));
        m_pad->setRomPath(rom);
        QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
        return waitForRecord(m_dir->filePath("emu"), 60000);
    };
    for (int round = 0; round < 2; ++round) {
        StandinRecord record = play(land);
        QVERIFY2(m_prompter.m_prompts.isEmpty(), qPrintable(m_prompter.m_prompts.value(0).text));
        QCOMPARE(record.value("ROM"), QString("D:\\SUPERMAR.GB"));
        QCOMPARE(record.value("ROMDATA"), QString("LAND-ONE-ROM...."));
        QCOMPARE(record.value("CFGOPEN"), QString("YES"));
        QCOMPARE(record.value("CFGDATA"), QString("-color0 #FF0000\r"));
        QCOMPARE(record.value("SAVWRITE"), QString("YES"));
        QCOMPARE(readAll(roms + "Super Mario Land (World).sav"), QByteArray("SAVED-BY-STANDIN"));

        record = play(land2);
        QCOMPARE(record.value("ROM"), QString("D:\\SUPERMAR.GB"));
        QCOMPARE(record.value("ROMDATA"), QString("LAND-TWO-ROM...."));
        QCOMPARE(record.value("CFGDATA"), QString("-color0 #0000FF\r"));
        QCOMPARE(readAll(roms + "Super Mario Land 2 (World).sav"), QByteArray("SAVED-BY-STANDIN"));

        // Files added between launches change no name the emulator sees.
        QVERIFY(writeFile(roms + "Super Mario Bros (World).gb", "x"));
        QVERIFY(writeFile(roms + "Super Mario Land (Europe).gb", "x"));
        QFile::remove(roms + "Super Mario Land (World).sav");
        QFile::remove(roms + "Super Mario Land 2 (World).sav");
    }
    // No save was written under an alias beside the ROMs.
    QCOMPARE(QDir(roms).entryList({"*~*"}), QStringList());
}

void LaunchEndToEndTest::fileLeftByTheEmulatorGoesBesideTheRomWhenDosBoxEnds() {
    QList<SweepResult> sweeps;
    m_dos->setSweepReport([&](const SweepResult& swept) { sweeps << swept; });
    const QString rom = m_dir->filePath("my roms/Super Mario Land.gb");
    QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
    // As the emulator would, while it runs: a file under a name nobody linked.
    const QString drive = planLaunchFolder(rom, launchCacheRoot()).drive;
    QVERIFY(writeFile(drive + "/SUPERMAR.ST0", "STATE"));
    waitForRecord(m_dir->filePath("emu"), 60000);
    QTRY_COMPARE_WITH_TIMEOUT(sweeps.size(), 1, 60000);
    QCOMPARE(sweeps[0].moved, QStringList{m_dir->filePath("my roms/Super Mario Land.st0")});
    QCOMPARE(readAll(m_dir->filePath("my roms/Super Mario Land.st0")), QByteArray("STATE"));
    QVERIFY(!QFileInfo::exists(drive + "/SUPERMAR.ST0"));
}

void LaunchEndToEndTest::gameFileGivenAtStartUpReachesTheEmulator() {
    QVERIFY(writeFile(m_dir->filePath("my roms/PUZZLE.GB"), "PUZZLE-ROM-DATA."));
    LauncherSettings game = firstUseSettings();
    game.romPath = m_dir->filePath("my roms/PUZZLE.GB");
    game.genie1 = "00A-17B-C49";
    game.genie3 = "01B";
    game.noCrc = true;
    game.volume = 3;
    game.silentStart = false;
    game.video = "1 - Video 320x200 No title screen";
    const QString gameFile = m_dir->filePath("my roms/Puzzle.Zemplo");
    QCOMPARE(writeGameConfig(gameFile, game), QString());

    // As `zemplo97 "…/Puzzle.Zemplo"` starts: a fresh window that takes the file at start-up.
    m_pad = std::make_unique<Pad>(PadServices{m_prompter, m_store, *m_dos});
    QVERIFY(m_pad->Form_Load(gameFile));
    m_pad->show();
    QCOMPARE(m_pad->romPath(), game.romPath);
    QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
    QVERIFY2(m_prompter.m_prompts.isEmpty(), qPrintable(m_prompter.m_prompts.value(0).text));
    const StandinRecord record = waitForRecord(m_dir->filePath("emu"), 60000);
    QCOMPARE(record.value("TAIL"), QString(" D:\\PUZZLE.GB -video 1 -volume  3 -cheat 00A-17B-C49 "
                                           "-cheat 01B -nocrc -vperiod 100 -uperiod 2"));
    QCOMPARE(record.value("ROMDATA"), QString("PUZZLE-ROM-DATA."));
}

// Plays the ROM and waits for its DOSBox to end and the launch folder, if any, to be swept.
static StandinRecord playAndWait(Pad& pad, const QString& emu, const QList<SweepResult>& sweeps,
                                 qsizetype sweepsBefore) {
    QFile::remove(emu + "/RECORD.TXT");
    QTest::mouseClick(pad.findChild<QWidget*>("Picture5"), Qt::LeftButton);
    const StandinRecord record = waitForRecord(emu, 60000);
    if (!QTest::qWaitFor([&] { return sweeps.size() > sweepsBefore; }, 60000))
        return {}; // DOSBox did not end: the checks on the record fail
    return record;
}

void LaunchEndToEndTest::letterCaseTwinsKeepTheirOwnSaves() {
    QList<SweepResult> sweeps;
    m_dos->setSweepReport([&](const SweepResult& swept) { sweeps << swept; });
    const QString roms = m_dir->filePath("my roms/"), emu = m_dir->filePath("emu");
    QVERIFY(writeFile(roms + "GAME.GB", "UPPER-CASE-ROM.."));
    QVERIFY(writeFile(roms + "game.gb", "lower-case-rom.."));
    QVERIFY(writeFile(roms + "game.sav", "LOWER-CASE-SAVE."));

    m_pad->setRomPath(roms + "GAME.GB");
    StandinRecord record = playAndWait(*m_pad, emu, sweeps, 0);
    QCOMPARE(record.value("ROM"), QString("D:\\GAME.GB"));
    QCOMPARE(record.value("ROMDATA"), QString("UPPER-CASE-ROM.."));
    QCOMPARE(record.value("SAVOPEN"), QString("NO")); // not the other game's save
    QCOMPARE(readAll(roms + "GAME.sav"), QByteArray("SAVED-BY-STANDIN"));
    QCOMPARE(readAll(roms + "game.sav"), QByteArray("LOWER-CASE-SAVE."));

    QVERIFY(writeFile(roms + "GAME.sav", "UPPER-CASE-SAVE."));
    m_pad->setRomPath(roms + "game.gb");
    record = playAndWait(*m_pad, emu, sweeps, 1);
    QCOMPARE(record.value("ROMDATA"), QString("lower-case-rom.."));
    QCOMPARE(record.value("SAVDATA"), QString("LOWER-CASE-SAVE."));
    QCOMPARE(readAll(roms + "game.sav"), QByteArray("SAVED-BY-STANDIN"));
    QCOMPARE(readAll(roms + "GAME.sav"), QByteArray("UPPER-CASE-SAVE."));
    QVERIFY(m_prompter.m_prompts.isEmpty());
}

// An emulator that deletes its save and writes it anew replaces our link with a file: that
// file is the newest save, and the one it replaces is kept as .bak.
void LaunchEndToEndTest::saveWrittenAnewReplacesTheOldOneKeptAsBak() {
    QList<SweepResult> sweeps;
    m_dos->setSweepReport([&](const SweepResult& swept) { sweeps << swept; });
    const QString save = m_dir->filePath("my roms/Super Mario Land.sav");
    QVERIFY(writeFile(save, "OLD-SAVE-OF-ROM."));
    m_pad->findChild<QCheckBox*>("Check6")->setChecked(true);
    QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
    auto* text = m_pad->previewWindow()->findChild<QPlainTextEdit*>("Text1");
    text->setPlainText(text->toPlainText() + " -resave");
    QTest::mouseClick(m_pad->previewWindow()->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    const StandinRecord record = waitForRecord(m_dir->filePath("emu"), 60000);
    QCOMPARE(record.value("SAVDATA"), QString("OLD-SAVE-OF-ROM."));
    QTRY_COMPARE_WITH_TIMEOUT(sweeps.size(), 1, 60000);
    QCOMPARE(sweeps[0].kept, QStringList());
    QCOMPARE(sweeps[0].moved, QStringList{save});
    QCOMPARE(readAll(save), QByteArray("SAVED-BY-STANDIN"));
    QCOMPARE(readAll(save + ".bak"), QByteArray("OLD-SAVE-OF-ROM."));
    const QString drive = planLaunchFolder(m_pad->romPath(), launchCacheRoot()).drive;
    QVERIFY(!QFileInfo(drive + "/SUPERMAR.SAV").isFile()); // no copy left in the cache
    const SweepResult nextStart = sweepLaunchFolders(launchCacheRoot());
    QVERIFY(nextStart.moved.isEmpty() && nextStart.kept.isEmpty());
}

// The stand-in opens the ROM inside the zip and the palette beside it; its save lands beside
// the zip, the copy is gone after DOSBox ends and the zip is as it was.
void LaunchEndToEndTest::zippedRomPlaysWithItsPaletteAndSavesBesideTheZip() {
    QList<SweepResult> sweeps;
    m_dos->setSweepReport([&](const SweepResult& swept) { sweeps << swept; });
    const QString roms = m_dir->filePath("my roms/"), zip = roms + "Tetris (World).zip";
    QVERIFY(writeFile(zip, buildZip({{"roms/TETRIS.GB", "TETRIS-IN-A-ZIP.", true}})));
    const QByteArray zipBytes = readAll(zip);
    QCOMPARE(writeRomConfig(roms + "Tetris (World).cfg", redColourZero()), QString());
    m_pad->setRomPath(zip);
    const StandinRecord record = playAndWait(*m_pad, m_dir->filePath("emu"), sweeps, 0);
    QVERIFY2(m_prompter.m_prompts.isEmpty(), qPrintable(m_prompter.m_prompts.value(0).text));
    QCOMPARE(record.value("ROM"), QString("D:\\TETRIS(W.GB"));
    QCOMPARE(record.value("ROMDATA"), QString("TETRIS-IN-A-ZIP."));
    QCOMPARE(record.value("CFGDATA"), QString("-color0 #FF0000\r"));
    QCOMPARE(readAll(roms + "Tetris (World).sav"), QByteArray("SAVED-BY-STANDIN"));
    QCOMPARE(readAll(zip), zipBytes);
    QVERIFY(!QFileInfo::exists(planLaunchFolder(zip, launchCacheRoot()).drive + "/TETRIS(W.GB"));
    QCOMPARE(sweeps.value(0).kept, QStringList());
}

// One ROM of a solid 7z of several: it plays, with the palette and the save of its own name
// beside the archive; the other ROM's files are not touched and the archive is as it was.
void LaunchEndToEndTest::romOfASolidSevenZipPlaysWithItsOwnPaletteAndSave() {
    QList<SweepResult> sweeps;
    m_dos->setSweepReport([&](const SweepResult& swept) { sweeps << swept; });
    const QString roms = m_dir->filePath("my roms/"), set = roms + "Tetris (GoodMerge).7z";
    QVERIFY(writeFile(set, buildArchive("7zip", "7zip:compression=lzma2",
                                        {{"Tetris (W) (V1.0).gb", "TETRIS-V1.0-ROM."},
                                         {"Tetris (W) (V1.1) [!].gb", "TETRIS-V1.1-ROM."},
                                         {"readme.txt", "hi"}})));
    const QByteArray setBytes = readAll(set);
    QCOMPARE(writeRomConfig(roms + "Tetris (W) (V1.1) [!].cfg", redColourZero()), QString());
    m_pad->setRomPath(set + "#Tetris (W) (V1.1) [!].gb");
    const StandinRecord record = playAndWait(*m_pad, m_dir->filePath("emu"), sweeps, 0);
    QVERIFY2(m_prompter.m_prompts.isEmpty(), qPrintable(m_prompter.m_prompts.value(0).text));
    QCOMPARE(record.value("ROMDATA"), QString("TETRIS-V1.1-ROM."));
    QCOMPARE(record.value("CFGDATA"), QString("-color0 #FF0000\r"));
    QCOMPARE(readAll(roms + "Tetris (W) (V1.1) [!].sav"), QByteArray("SAVED-BY-STANDIN"));
    QCOMPARE(QDir(roms).entryList({"Tetris*"}, QDir::Files),
             QStringList({"Tetris (GoodMerge).7z", "Tetris (W) (V1.1) [!].cfg",
                          "Tetris (W) (V1.1) [!].sav"}));
    QCOMPARE(readAll(set), setBytes);
    QCOMPARE(sweeps.value(0).kept, QStringList());
}

ZEMPLO_DOSBOX_TEST_MAIN(LaunchEndToEndTest, QApplication)
#include "tst_launch_e2e.moc"
