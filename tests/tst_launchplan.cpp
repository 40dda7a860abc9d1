#include "launchplan.h"
#include "settingsio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "romimage.h"
#include "scratchfolder.h"
#include "zipbuilder.h"

#include <memory>

class LaunchPlanTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void stopsBeforeTheDirectoryChange_data();
    void stopsBeforeTheDirectoryChange();
    void splitsAtVgbExeInAnyCase_data();
    void splitsAtVgbExeInAnyCase();
    void exampleLaunch();
    void tooLongStillChangesDirectory();
    void backgrounds();
    void refusesRedirections_data();
    void refusesRedirections();
    void romWithoutItsOwnDosNamePlaysFromItsLaunchFolder();
    void letterCaseTwinsPlayFromTheirLaunchFolders();
    void zippedRomPlaysFromItsCopyOrIsRefused();
    void saveNameTooLongIsToldAndTheGamePlays();
    void launchWithoutRom();
    void refusesWhatWouldSteerDosBox_data();
    void refusesWhatWouldSteerDosBox();
    void backgroundNamesDosCannotOpen_data();
    void backgroundNamesDosCannotOpen();
    void programNameFromTheFileItself_data();
    void programNameFromTheFileItself();

private:
    std::unique_ptr<ScratchFolder> m_dir;
    QString m_emu;
    QString m_roms;
    LauncherSettings m_settings;
};

void LaunchPlanTest::init() {
    // Short paths: the example command line must stay within 128 characters.
    m_dir = std::make_unique<ScratchFolder>();
    QVERIFY(m_dir->isValid());
    QDir root(m_dir->path());
    root.mkpath("e m");
    root.mkpath("roms");
    m_emu = m_dir->filePath("e m");
    m_roms = m_dir->filePath("roms");
    touch(m_emu + "/VGB.EXE");
    touch(m_roms + "/PUZZLE.GB");
    m_settings = firstUseSettings();
    m_settings.emulatorPath = m_emu + "/VGB.EXE";
    m_settings.silentStart = false;
}

void LaunchPlanTest::stopsBeforeTheDirectoryChange_data() {
    QTest::addColumn<QString>("emulator");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("missing") << "nothing/VGB.EXE"
                             << "Where ?..."
                             << "VGB DOS Not found ! Check your path !";
    QTest::newRow("empty") << ""
                           << "Where ?..."
                           << "VGB DOS Not found ! Check your path !";
    QTest::newRow("a directory") << "dir.vgb.exe"
                                 << "Where ?..."
                                 << "VGB DOS Not found ! Check your path !";
    QTest::newRow("renamed") << "VGB-DOS.EXE"
                             << "Fucking error :(~"
                             << "VGB.EXE Renamed ?! Don't do that ! Name it VGB.EXE !";
}

void LaunchPlanTest::stopsBeforeTheDirectoryChange() {
    QFETCH(QString, emulator);
    QFETCH(QString, title);
    QFETCH(QString, firstLine);
    touch(m_emu + "/VGB-DOS.EXE");
    QDir(m_emu).mkdir("dir.vgb.exe");
    m_settings.emulatorPath = emulator.isEmpty() ? QString() : m_emu + "/" + emulator;
    const LaunchPlan plan = planLaunch(m_settings, locateRom(m_roms + "/PUZZLE.GB"));
    QVERIFY(plan.stop);
    QCOMPARE(plan.stop->title, title);
    QCOMPARE(plan.stop->text, firstLine + "\n" + m_settings.emulatorPath);
    QVERIFY(!plan.changesDirectory());
}

void LaunchPlanTest::splitsAtVgbExeInAnyCase_data() {
    QTest::addColumn<QString>("fileName");
    QTest::newRow("upper") << "VGB.EXE";
    QTest::newRow("lower") << "vgb.exe";
    QTest::newRow("mixed") << "Vgb.Exe";
}

void LaunchPlanTest::splitsAtVgbExeInAnyCase() {
    QFETCH(QString, fileName);
    touch(m_emu + "/" + fileName);
    m_settings.emulatorPath = m_emu + "/" + fileName;
    const LaunchPlan plan = planLaunch(m_settings, locateRom(QString()));
    QVERIFY(!plan.stop);
    QCOMPARE(plan.programName, fileName);
    QCOMPARE(plan.emulatorDirectory, m_emu);
    QVERIFY(plan.session.commandLine.startsWith(fileName + " "));
}

void LaunchPlanTest::exampleLaunch() {
    m_settings.video = "1 - Video 320x200 No title screen";
    m_settings.stereo = "1 - Normal Stereo";
    m_settings.autoA = true;
    m_settings.genie1 = "00A-17B-C49";
    m_settings.vblank = "";
    m_settings.colorScheme = "2 - Yellow/Blue ColorScheme";
    const LaunchPlan plan = planLaunch(m_settings, locateRom(m_roms + "/PUZZLE.GB"));
    QVERIFY(!plan.stop);
    QCOMPARE(plan.session.commandLine,
             QString("VGB.EXE D:\\PUZZLE.GB -video 1 -volume  10 -autoa 1 -cheat 00A-17B-C49 "
                     "-vperiod 10000 -uperiod 2 -colorscheme 2"));
    QCOMPARE(plan.session.cDirectory, m_emu);
    QCOMPARE(plan.session.dDirectory, m_roms);
    QCOMPARE(plan.session.eDirectory, QString());
    QVERIFY(plan.resetBackground); // the default label names no file
}

void LaunchPlanTest::tooLongStillChangesDirectory() {
    m_settings.keyMap = QString(200, 'k');
    m_settings.background = "missing.gif";
    const LaunchPlan plan = planLaunch(m_settings, locateRom(m_roms + "/PUZZLE.GB"));
    QVERIFY(plan.stop);
    QCOMPARE(plan.stop->title, QString("Damn :("));
    QCOMPARE(plan.stop->text, QString("CRITICAL ERROR ! The VGB-DOS Command line is too large !"));
    QVERIFY(plan.changesDirectory());
    QCOMPARE(plan.emulatorDirectory, m_emu);
    QVERIFY(plan.resetBackground);
}

void LaunchPlanTest::backgrounds() {
    QDir(m_emu).mkdir("gifs");
    touch(m_emu + "/gifs/SKY.GIF");
    touch(m_dir->filePath("Blue Sky.gif"));

    m_settings.background = "gifs/SKY.GIF"; // relative: looked up beside the emulator
    LaunchPlan plan = planLaunch(m_settings, locateRom(QString()));
    QVERIFY(!plan.resetBackground);
    QVERIFY(plan.arguments.endsWith(" -background gifs\\SKY.GIF"));
    QCOMPARE(plan.session.eDirectory, QString());

    m_settings.background = m_dir->filePath("Blue Sky.gif"); // absolute: mounted as E:
    plan = planLaunch(m_settings, locateRom(QString()));
    QVERIFY(!plan.resetBackground);
    QVERIFY(plan.arguments.endsWith(" -background E:\\BLUESK~1.GIF"));
    QCOMPARE(plan.session.eDirectory, QDir(m_dir->path()).absolutePath());

    m_settings.background = "SKY.GIF"; // not beside the emulator
    plan = planLaunch(m_settings, locateRom(QString()));
    QVERIFY(plan.resetBackground);
    QVERIFY(!plan.arguments.contains("-background"));
}

void LaunchPlanTest::refusesRedirections_data() {
    QTest::addColumn<QString>("keys");
    QTest::newRow("output") << "a>b";
    QTest::newRow("input") << "a<b";
    QTest::newRow("pipe") << "a|b";
}

void LaunchPlanTest::refusesRedirections() {
    QFETCH(QString, keys);
    m_settings.keyMap = keys;
    const LaunchPlan plan = planLaunch(m_settings, locateRom(QString()));
    QVERIFY(plan.stop);
    QCOMPARE(plan.stop->text, redirectionMessage().text);
}

void LaunchPlanTest::romWithoutItsOwnDosNamePlaysFromItsLaunchFolder() {
    touch(m_roms + "/Zelda[1].gb");
    m_settings.romPath = m_roms + "/Zelda[1].gb";
    const QString cache = m_dir->filePath("cache");
    const LaunchPlan plan = planLaunch(m_settings, locateRom(m_settings.romPath, cache));
    QVERIFY(!plan.stop);
    QVERIFY2(plan.arguments.startsWith("D:\\ZELDA1.GB -volume"), qPrintable(plan.arguments));
    QVERIFY(plan.session.launchFolder);
    QCOMPARE(plan.session.dDirectory, plan.session.launchFolder->drive);
    QVERIFY(plan.session.dDirectory.startsWith(cache + "/"));
    QVERIFY(!QFileInfo::exists(cache)); // planned, not made

    const LaunchPlan own = planLaunch(m_settings, locateRom(m_roms + "/PUZZLE.GB", cache));
    QVERIFY(!own.session.launchFolder);
    QCOMPARE(own.session.dDirectory, m_roms);
}

// Even under a DOS name of its own, an archive is no ROM to DOS: it plays from a copy of the ROM
// inside; each ROM of an archive of several from its own folder, with its own palette and save;
// the archive named alone is refused with the reason, and nothing is made.
void LaunchPlanTest::zippedRomPlaysFromItsCopyOrIsRefused() {
    const QString cache = m_dir->filePath("cache");
    QVERIFY(writeFile(m_roms + "/TETRIS.ZIP", buildZip({{"tetris.gb", "ROM-BYTES", true}})));
    m_settings.romPath = m_roms + "/TETRIS.ZIP";
    const LaunchPlan plan = planLaunch(m_settings, locateRom(m_settings.romPath, cache));
    QVERIFY(!plan.stop);
    QVERIFY2(plan.arguments.startsWith("D:\\TETRIS.GB -volume"), qPrintable(plan.arguments));
    QVERIFY(plan.session.launchFolder && plan.session.launchFolder->romIsCopy);
    QCOMPARE(plan.session.launchFolder->romCopy, QByteArray("ROM-BYTES"));

    QVERIFY(writeFile(m_roms + "/TWO.ZIP", buildZip({{"a.gb", "A"}, {"x/Bee.gb", "B"}})));
    const RomLocation a = locateRom(m_roms + "/TWO.ZIP#a.gb", cache);
    m_settings.romPath = m_roms + "/TWO.ZIP#x/Bee.gb";
    const LaunchPlan b = planLaunch(m_settings, locateRom(m_settings.romPath, cache));
    QVERIFY(!b.stop && a.launchFolder && b.session.launchFolder);
    QVERIFY2(b.arguments.startsWith("D:\\BEE.GB -volume"), qPrintable(b.arguments));
    QCOMPARE(b.session.launchFolder->romCopy, QByteArray("B"));
    QVERIFY(a.launchFolder->folder != b.session.launchFolder->folder);
    QCOMPARE(b.session.launchFolder->links.front().target, m_roms + "/Bee.cfg");

    const LaunchPlan refused = planLaunch(m_settings, locateRom(m_roms + "/TWO.ZIP", cache));
    QVERIFY(refused.stop);
    QCOMPARE(refused.stop->text, "The ROM cannot be played from its archive:\n" + m_roms +
                                     "/TWO.ZIP\nit holds 2 Game Boy ROMs: a.gb, x/Bee.gb. Name "
                                     "the one to play after a # (ARCHIVE#ROM), or pick it in the "
                                     "ROM window.");
    QVERIFY(!QFileInfo::exists(cache));
}

void LaunchPlanTest::letterCaseTwinsPlayFromTheirLaunchFolders() {
    touch(m_roms + "/GAME.GB");
    touch(m_roms + "/game.gb");
    const QString cache = m_dir->filePath("cache");
    const RomLocation upper = locateRom(m_roms + "/GAME.GB", cache);
    const RomLocation lower = locateRom(m_roms + "/game.gb", cache);
    QVERIFY(upper.launchFolder && lower.launchFolder);
    QVERIFY(upper.launchFolder->folder != lower.launchFolder->folder);
    QCOMPARE(upper.dos.dosPath, QString("D:\\GAME.GB"));
    QVERIFY(!locateRom(m_roms + "/PUZZLE.GB", cache).launchFolder); // no twin: its own folder
}

// 255 bytes is the longest file name; the save's name is the ROM's with .sav for .gb.
void LaunchPlanTest::saveNameTooLongIsToldAndTheGamePlays() {
    for (const int length : {254, 255}) {
        const QString rom = m_roms + "/" + QString(length - 3, 'x') + ".gb";
        touch(rom);
        m_settings.romPath = rom;
        const LaunchPlan plan = planLaunch(m_settings, locateRom(rom, m_dir->filePath("cache")));
        QVERIFY(!plan.stop);
        QCOMPARE(plan.notice.has_value(), length == 255);
        if (plan.notice)
            QVERIFY(plan.notice->text.contains("longer than the 255 bytes"));
    }
}

void LaunchPlanTest::launchWithoutRom() {
    const LaunchPlan plan = planLaunch(m_settings, locateRom(m_roms + "/GONE.GB"));
    QVERIFY(!plan.stop);
    QCOMPARE(plan.arguments, QString(" -volume  10 -vperiod 100 -uperiod 2"));
    QCOMPARE(plan.session.commandLine, QString("VGB.EXE  -volume  10 -vperiod 100 -uperiod 2"));
    QCOMPARE(plan.session.dDirectory, QString());
}

// ---- Nothing typed, named or stored steers DOSBox ----

void LaunchPlanTest::refusesWhatWouldSteerDosBox_data() {
    // A folder (created under the test folder) or a setting, and what the message names.
    QTest::addColumn<QString>("emulatorFolder");
    QTest::addColumn<QString>("romFolder");
    QTest::addColumn<QString>("gifFolder");
    QTest::addColumn<QString>("keyMap");
    QTest::addColumn<QString>("named");
    const QString emu = "e m", roms = "roms", none;
    QTest::newRow("rom folder that mounts home")
        << emu << "r\nmount h ~\ndir h:\\ > C:\\HOMEDIR.TXT\nrem" << none << none
        << "The folder of the ROM (" + QDir::tempPath();
    QTest::newRow("quote in the rom folder") << emu << "x\" >C:\\RR.TXT \"" << none << none
                                             << "The folder of the ROM holds a double quote";
    QTest::newRow("line break in the emulator folder")
        << "emu\rmount" << roms << none << none << "The folder of VGB-DOS";
    QTest::newRow("quote in the emulator folder")
        << "e\"m" << roms << none << none << "The folder of VGB-DOS holds a double quote";
    QTest::newRow("line break in the background folder")
        << emu << roms << "gifs\nmount" << none << "The folder of the GIF background";
    QTest::newRow("line break in the key mapping") << emu << roms << none << "1e\nmount h ~"
                                                   << "The Key mapping holds a line break";
    QTest::newRow("tab in the key mapping") << emu << roms << none << "1e\t1f"
                                            << "The Key mapping holds a line break";
    QTest::newRow("rom folder too long for DOSBox")
        << emu << QString(230, 'r') << none << none << "The folder of the ROM has a path too long";
    QTest::newRow("background folder too long for DOSBox")
        << emu << roms << QString(230, 'g') << none
        << "The folder of the GIF background has a path too long";
}

void LaunchPlanTest::refusesWhatWouldSteerDosBox() {
    QFETCH(QString, emulatorFolder);
    QFETCH(QString, romFolder);
    QFETCH(QString, gifFolder);
    QFETCH(QString, keyMap);
    QFETCH(QString, named);
    QDir root(m_dir->path());
    for (const QString& folder : {emulatorFolder, romFolder, gifFolder})
        if (!folder.isEmpty())
            QVERIFY(root.mkpath(folder));
    touch(m_dir->filePath(emulatorFolder + "/VGB.EXE"));
    touch(m_dir->filePath(romFolder + "/PUZZLE.GB"));
    m_settings.emulatorPath = m_dir->filePath(emulatorFolder + "/VGB.EXE");
    if (!gifFolder.isEmpty()) {
        touch(m_dir->filePath(gifFolder + "/SKY.GIF"));
        m_settings.background = m_dir->filePath(gifFolder + "/SKY.GIF");
    }
    m_settings.keyMap = keyMap;
    const LaunchPlan plan =
        planLaunch(m_settings, locateRom(m_dir->filePath(romFolder + "/PUZZLE.GB")));
    QVERIFY(plan.stop);
    QVERIFY2(plan.stop->text.startsWith(named), qPrintable(plan.stop->text));
    QCOMPARE(plan.stop->title, QString("Damn :("));
    QCOMPARE(plan.session.commandLine, QString()); // nothing to start
}

void LaunchPlanTest::backgroundNamesDosCannotOpen_data() {
    QTest::addColumn<QString>("background"); // relative to the emulator, or under the test folder
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<bool>("refused");
    QTest::newRow("accent, absolute") << "fond é.gif" << true << true;
    QTest::newRow("semicolon, absolute") << "a;b.gif" << true << true;
    QTest::newRow("quote, absolute") << "a\"b.gif" << true << true;
    QTest::newRow("blank, absolute: an alias") << "fond bleu.gif" << true << false;
    QTest::newRow("accent, relative") << "fond é.gif" << false << true;
    QTest::newRow("blank, relative") << "fond bleu.gif" << false << true;
    QTest::newRow("plain, relative") << "sky.gif" << false << false;
}

void LaunchPlanTest::backgroundNamesDosCannotOpen() {
    QFETCH(QString, background);
    QFETCH(bool, absolute);
    QFETCH(bool, refused);
    const QString file = absolute ? m_dir->filePath(background) : m_emu + "/" + background;
    touch(file);
    m_settings.background = absolute ? file : background;
    const LaunchPlan plan = planLaunch(m_settings, locateRom(m_roms + "/PUZZLE.GB"));
    QCOMPARE(bool(plan.stop), refused);
    if (refused) {
        QCOMPARE(plan.stop->title, QString("Oups !"));
        QVERIFY(plan.stop->text.startsWith("DOS cannot open the GIF background under its file "
                                           "name:\n" +
                                           m_settings.background));
        QVERIFY(!plan.resetBackground); // the file is there: the setting is kept
    }
}

void LaunchPlanTest::programNameFromTheFileItself_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("program");
    QTest::newRow("plain") << "/x/VGB.EXE"
                           << "VGB.EXE";
    QTest::newRow("folder holding vgb.exe") << "/x/my vgb.exe files/VGB.EXE"
                                            << "VGB.EXE";
    QTest::newRow("prefix in the name") << "/x/myvgb.exe"
                                        << "vgb.exe";
    QTest::newRow("only the folder holds it") << "/x/vgb.exe/VGB-DOS.EXE"
                                              << "";
    QTest::newRow("relative") << "VGB.EXE"
                              << "VGB.EXE";
    // Lower-cased, "İ" takes two characters: the name must still be cut where it is.
    QTest::newRow("dotted capital I in the folder")
        << QString::fromUtf8("/home/İstanbul/VGB.EXE") << "VGB.EXE";
}

void LaunchPlanTest::programNameFromTheFileItself() {
    QFETCH(QString, path);
    QFETCH(QString, program);
    QCOMPARE(programNameOf(path), program);
}

QTEST_APPLESS_MAIN(LaunchPlanTest)
#include "tst_launchplan.moc"
