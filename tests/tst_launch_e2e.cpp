// Clicks play on the real main window and lets real DOSBox run the stand-in emulator.
#include "dosboxrun.h"
#include "dosenvironment.h"
#include "dosname.h"
#include "gameconfigfile.h"
#include "memorysettingsstore.h"
#include "pad.h"
#include "previewwindow.h"
#include "processstarter.h"
#include "recordingprompter.h"
#include "romconfig.h"
#include "romimage.h"
#include "settingsio.h"

#include <QCheckBox>
#include <QDir>
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
    void paletteOfALongNamedRom();
    void gameFileGivenAtStartUpReachesTheEmulator();

private:
    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
    MemorySettingsStore m_store;
    RecordingPrompter m_prompter;
    QtProcessStarter m_starter;
    std::unique_ptr<DosBoxEnvironment> m_dos;
    std::unique_ptr<Pad> m_pad;
};

void LaunchEndToEndTest::initTestCase() {
    const QString reason = endToEndUnavailableReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    prepareHeadlessDosBoxEnvironment(m_home.path());
}

void LaunchEndToEndTest::init() {
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/zXXXXXX");
    QDir(m_dir->path()).mkpath("emu");
    QDir(m_dir->path()).mkpath("my roms");
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
             QString(" D:\\SUPERM~1.GB -video 1 -volume  10 -vperiod 100 -uperiod 2"));
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
             QString(" D:\\SUPERM~1.GB -video 1 -volume  10 -vperiod 100 -uperiod 2 -nocrc"));
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
}

void LaunchEndToEndTest::paletteOfALongNamedRom() {
    // The emulator derives SUPERM~n.CFG from the ROM's alias; the .cfg file gets an alias of its
    // own, numbered among the names that share its prefix. It is found only when both aliases
    // carry the same number.
    const QString config = m_dir->filePath("my roms/Super Mario Land.cfg");
    QCOMPARE(writeRomConfig(config, redColourZero()), QString());
    QTest::mouseClick(m_pad->findChild<QWidget*>("Picture5"), Qt::LeftButton);
    const StandinRecord record = waitForRecord(m_dir->filePath("emu"), 60000);
    const QString romAlias = locateForDos(m_pad->romPath(), 'D').dosPath;
    const QString configAlias = locateForDos(config, 'D').dosPath;
    QCOMPARE(record.value("ROM"), romAlias);
    QCOMPARE(record.value("ROMOPEN"), QString("YES"));
    QCOMPARE(record.value("CFG"), romAlias.chopped(2) + "CFG");
    const bool sameNumber = record.value("CFG") == configAlias;
    QCOMPARE(record.value("CFGOPEN"), sameNumber ? QString("YES") : QString("NO"));
    qInfo("ROM %s, its .cfg %s: the emulator %s it", qPrintable(romAlias), qPrintable(configAlias),
          sameNumber ? "finds" : "does not find");
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

QTEST_MAIN(LaunchEndToEndTest)
#include "tst_launch_e2e.moc"
