#include "dosname.h"
#include "launchfolder.h"
#include "romimage.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QMap<QString, QString> linksOf(const LaunchFolderPlan& plan, const QString& besideDir) {
    QMap<QString, QString> links;
    for (const LaunchLink& link : plan.links)
        links[link.dosName] = QDir(besideDir).relativeFilePath(link.target);
    return links;
}

} // namespace

class LaunchFolderTest : public QObject {
    Q_OBJECT
private slots:
    void ownDosNameShape_data();
    void ownDosNameShape();
    void stableName_data();
    void stableName();
    void linkSet_data();
    void linkSet();
    void sameFirstEightInTwoFolders();
    void madeAnewAtEachLaunch();
    void sweep_data();
    void sweep();
    void inUseOnlyWhileItsOwnProcessRuns();
    void zippedRomPlaysFromACopyGoneAtTheSweep();
};

void LaunchFolderTest::ownDosNameShape_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shaped");
    QTest::newRow("8.3") << "PUZZLE.GB" << true;
    QTest::newRow("no extension") << "README" << true;
    QTest::newRow("nine before the dot") << "ABCDEFGHI.GB" << false;
    QTest::newRow("four after the dot") << "A.GBCX" << false;
    // Found by fuzzing: DOSBox keeps X..GB as it is, which DOS cannot open.
    QTest::newRow("second dot") << "x..gb" << false;
    QTest::newRow("leading dot") << ".gb" << false;
}

void LaunchFolderTest::ownDosNameShape() {
    QFETCH(QString, name);
    QFETCH(bool, shaped);
    QCOMPARE(isEightThreeShaped(name), shaped);
}

void LaunchFolderTest::stableName_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks and brackets") << "Super Mario Land (World)"
                                         << "SUPERMAR";
    QTest::newRow("square brackets dropped") << "Zelda [!]"
                                             << "ZELDA!";
    QTest::newRow("accents dropped") << "Pokémon Red"
                                     << "POKMONRE";
    QTest::newRow("no DOS character") << "éàü [ ]"
                                      << "ROM";
    QTest::newRow("empty") << ""
                           << "ROM";
    QTest::newRow("inner dot dropped") << "v1.1"
                                       << "V11";
    QTest::newRow("short") << "tetris"
                           << "TETRIS";
    QTest::newRow("device CON") << "con"
                                << "CON_";
    QTest::newRow("device COM1") << "Com1"
                                 << "COM1_";
    QTest::newRow("device as a prefix is fine") << "Contra"
                                                << "CONTRA";
}

void LaunchFolderTest::stableName() {
    QFETCH(QString, base);
    QFETCH(QString, name);
    QCOMPARE(stableDosBase(base), name);
    QVERIFY(name.size() <= 8);
}

void LaunchFolderTest::linkSet_data() {
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<QStringList>("links"); // DOS name=target, relative to the ROM's folder
    QTest::newRow("nothing beside") << "Super Mario Land (World).gb" << QStringList{}
                                    << QStringList{"SUPERMAR.CFG=Super Mario Land (World).cfg",
                                                   "SUPERMAR.GB=Super Mario Land (World).gb",
                                                   "SUPERMAR.SAV=Super Mario Land (World).sav"};
    QTest::newRow("files of the same base")
        << "Super Mario Land (World).gb"
        << QStringList{"Super Mario Land (World).cfg",    "Super Mario Land (World).SAV",
                       "Super Mario Land (World).rtc",    "Super Mario Land (World).state12",
                       "Super Mario Land 2 (World).gb",   "Super Mario Land 2 (World).cfg",
                       "Super Mario Land (World).gb.bak", "Super Mario Land (World).zip"}
        << QStringList{"SUPERMAR.CFG=Super Mario Land (World).cfg",
                       "SUPERMAR.GB=Super Mario Land (World).gb",
                       "SUPERMAR.RTC=Super Mario Land (World).rtc",
                       "SUPERMAR.SAV=Super Mario Land (World).SAV"};
    QTest::newRow("lower case wins a case clash")
        << "Zelda [!].GB" << QStringList{"Zelda [!].SAV", "Zelda [!].sav"}
        << QStringList{"ZELDA!.CFG=Zelda [!].cfg", "ZELDA!.GB=Zelda [!].GB",
                       "ZELDA!.SAV=Zelda [!].sav"};
    QTest::newRow("no twin: any letter case, as DOS finds it")
        << "Super Mario Land.gb" << QStringList{"super mario land.sav", "SUPER MARIO LAND.CFG"}
        << QStringList{"SUPERMAR.CFG=SUPER MARIO LAND.CFG", "SUPERMAR.GB=Super Mario Land.gb",
                       "SUPERMAR.SAV=super mario land.sav"};
    QTest::newRow("twin: only its own base name")
        << "GAME.GB" << QStringList{"game.gb", "game.sav", "game.cfg"}
        << QStringList{"GAME.CFG=GAME.cfg", "GAME.GB=GAME.GB", "GAME.SAV=GAME.sav"};
    QTest::newRow("twin, other side")
        << "game.gb" << QStringList{"GAME.GB", "GAME.SAV", "game.sav"}
        << QStringList{"GAME.CFG=game.cfg", "GAME.GB=game.gb", "GAME.SAV=game.sav"};
    // The ROM is a copy in the folder: nothing links to a zip (DOS could write it) nor to a
    // file under the copy's name.
    QTest::newRow("zipped") << "Tetris (World).zip"
                            << QStringList{"Tetris (World).gb", "Tetris (World).SAV",
                                           "tetris (world).zip"}
                            << QStringList{"TETRIS(W.CFG=Tetris (World).cfg",
                                           "TETRIS(W.SAV=Tetris (World).SAV"};
}

void LaunchFolderTest::linkSet() {
    QFETCH(QString, rom);
    QFETCH(QStringList, beside);
    QFETCH(QStringList, links);
    QTemporaryDir dir;
    touch(dir.filePath(rom));
    for (const QString& name : beside)
        touch(dir.filePath(name));
    const LaunchFolderPlan plan = planLaunchFolder(dir.filePath(rom), dir.filePath("cache"));
    QMap<QString, QString> expected;
    for (const QString& link : links)
        expected[link.section('=', 0, 0)] = link.section('=', 1);
    QCOMPARE(linksOf(plan, dir.path()), expected);
    const bool zipped = rom.endsWith(".zip");
    QCOMPARE(plan.romIsCopy, zipped);
    QCOMPARE(plan.romDosName, expected.firstKey().section('.', 0, 0) + "." +
                                  (zipped ? QString("GB") : rom.section('.', -1).toUpper()));
    QVERIFY(!QFileInfo::exists(dir.filePath("cache")));
}

void LaunchFolderTest::sameFirstEightInTwoFolders() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("a");
    QDir(dir.path()).mkpath("b");
    touch(dir.filePath("a/Super Mario Land.gb"));
    touch(dir.filePath("b/Super Mario Land.gb"));
    const LaunchFolderPlan a = planLaunchFolder(dir.filePath("a/Super Mario Land.gb"), "/c");
    const LaunchFolderPlan b = planLaunchFolder(dir.filePath("b/Super Mario Land.gb"), "/c");
    QCOMPARE(a.romDosName, b.romDosName);
    QVERIFY(a.folder != b.folder);
    QCOMPARE(a.folder, planLaunchFolder(dir.filePath("a/Super Mario Land.gb"), "/c").folder);
}

void LaunchFolderTest::madeAnewAtEachLaunch() {
    QTemporaryDir dir;
    const QString rom = dir.filePath("My Game.gb");
    QVERIFY(writeFile(rom, "ROM"));
    const QString cache = dir.filePath("cache");
    LaunchFolderPlan plan = planLaunchFolder(rom, cache);
    QCOMPARE(makeLaunchFolder(plan), QString());
    const QDir drive(plan.drive);
    QCOMPARE(drive.entryList(QDir::System | QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"MYGAME.CFG", "MYGAME.GB", "MYGAME.SAV"}));
    QCOMPARE(QFileInfo(drive.filePath("MYGAME.GB")).symLinkTarget(), rom);
    QVERIFY(!QFileInfo::exists(dir.filePath("My Game.sav"))); // linked before it exists

    // A file added beside the ROM gets its link at the next launch; one the emulator left in
    // the folder is neither replaced nor deleted.
    touch(dir.filePath("My Game.rtc"));
    QVERIFY(writeFile(drive.filePath("MYGAME.SV2"), "left"));
    plan = planLaunchFolder(rom, cache);
    QCOMPARE(makeLaunchFolder(plan), QString());
    QCOMPARE(drive.entryList(QDir::System | QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"MYGAME.CFG", "MYGAME.GB", "MYGAME.RTC", "MYGAME.SAV", "MYGAME.SV2"}));
    QVERIFY(!QFileInfo(drive.filePath("MYGAME.SV2")).isSymLink());

    // A folder that cannot be made is said, not ignored.
    QVERIFY(writeFile(dir.filePath("blocked"), "a file where the cache should be"));
    QVERIFY(!makeLaunchFolder(planLaunchFolder(rom, dir.filePath("blocked"))).isEmpty());
}

// What the emulator or someone else left in a launch folder, and what the sweep then did:
// where each file went, and whether anything was reported.
void LaunchFolderTest::sweep_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QStringList>("moved");
    QTest::addColumn<QString>("reported");
    QTest::newRow("replaced link: newest save wins")
        << "replaced link" << QStringList{"My Game.sav"} << "";
    QTest::newRow("file under another name") << "state" << QStringList{"My Game.st0"} << "";
    QTest::newRow("left folder") << "folder" << QStringList{"SNAPS"} << "";
    QTest::newRow("name taken beside the ROM")
        << "taken" << QStringList{} << "a file of that name is already there";
    QTest::newRow("planted drive link")
        << "drive link" << QStringList{} << "is not a folder the launcher made";
    QTest::newRow("planted record") << "record" << QStringList{} << "names another ROM";
}

void LaunchFolderTest::sweep() {
    QFETCH(QString, left);
    QFETCH(QStringList, moved);
    QFETCH(QString, reported);
    QTemporaryDir dir, outside;
    const QString rom = dir.filePath("My Game.gb");
    QVERIFY(writeFile(rom, "ROM"));
    QVERIFY(writeFile(dir.filePath("My Game.sav"), "old save"));
    QVERIFY(writeFile(outside.filePath("Other.gb"), "OTHER"));
    QVERIFY(writeFile(outside.filePath("MYGAME.ST0"), "someone's"));
    const LaunchFolderPlan plan = planLaunchFolder(rom, dir.filePath("cache"));
    QCOMPARE(makeLaunchFolder(plan), QString());
    recordLaunchProcess(plan.folder, ProcessIdentity{::getpid(), 1}); // an ended DOSBox
    const QDir drive(plan.drive);
    if (left == "replaced link") {
        QVERIFY(QFile::remove(drive.filePath("MYGAME.SAV")));
        QVERIFY(writeFile(drive.filePath("MYGAME.SAV"), "new save"));
    } else if (left == "state" || left == "taken") {
        QVERIFY(writeFile(drive.filePath("MYGAME.ST0"), "new state"));
        if (left == "taken")
            QVERIFY(writeFile(dir.filePath("My Game.st0"), "older state"));
    } else if (left == "folder") {
        QVERIFY(drive.mkdir("SNAPS"));
        QVERIFY(writeFile(drive.filePath("SNAPS/1.GIF"), "gif"));
    } else if (left == "drive link") {
        QVERIFY(QDir(plan.drive).removeRecursively());
        QVERIFY(QFile::link(outside.path(), plan.drive));
    } else if (left == "record") {
        QVERIFY(writeFile(plan.folder + "/rom", outside.filePath("Other.gb").toUtf8()));
    }
    const QStringList outsideBefore = QDir(outside.path()).entryList(QDir::Files);

    const SweepResult swept = sweepLaunchFolders(dir.filePath("cache"));
    QStringList movedNames;
    for (const QString& path : swept.moved)
        movedNames << QDir(dir.path()).relativeFilePath(path);
    QCOMPARE(movedNames, moved);
    QCOMPARE(swept.kept.size(), reported.isEmpty() ? 0 : 1);
    QVERIFY2(swept.kept.join('\n').contains(reported), qPrintable(swept.kept.join('\n')));
    QCOMPARE(QDir(outside.path()).entryList(QDir::Files), outsideBefore);
    QCOMPARE(readAll(outside.filePath("MYGAME.ST0")), QByteArray("someone's"));
    if (left == "replaced link") {
        QCOMPARE(readAll(dir.filePath("My Game.sav")), QByteArray("new save"));
        QCOMPARE(readAll(dir.filePath("My Game.sav.bak")), QByteArray("old save"));
    } else {
        QCOMPARE(readAll(dir.filePath("My Game.sav")), QByteArray("old save"));
    }
    if (left == "folder")
        QCOMPARE(readAll(dir.filePath("SNAPS/1.GIF")), QByteArray("gif"));
    if (left == "taken")
        QCOMPARE(readAll(dir.filePath("My Game.st0")), QByteArray("older state"));
    // Reported once: the folder is left alone until its ROM is played again.
    const SweepResult again = sweepLaunchFolders(dir.filePath("cache"));
    QVERIFY(again.moved.isEmpty() && again.kept.isEmpty());
}

// A folder counts as in use only while the very DOSBox recorded for it runs.
void LaunchFolderTest::inUseOnlyWhileItsOwnProcessRuns() {
    int gate[2];
    QVERIFY(::pipe(gate) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(gate[1]);
        char byte;
        ::read(gate[0], &byte, 1);
        ::_exit(0);
    }
    const std::optional<ProcessIdentity> childIdentity = identifyProcess(child);
    const std::optional<ProcessIdentity> self = identifyProcess(::getpid());
    QVERIFY(childIdentity && self);
    QVERIFY(stillRuns(*childIdentity));
    ::close(gate[1]); // the child ends, and stays a zombie until it is waited for
    QTRY_VERIFY(!stillRuns(*childIdentity));
    ::waitpid(child, nullptr, 0);
    ::close(gate[0]);

    const QList<std::pair<ProcessIdentity, bool>> cases = {
        {*self, true},                                            // running
        {ProcessIdentity{self->pid, self->startTime + 1}, false}, // the id given to another
        {*childIdentity, false}};                                 // ended
    for (const auto& [process, inUse] : cases) {
        QTemporaryDir dir;
        const QString rom = dir.filePath("My Game.gb");
        QVERIFY(writeFile(rom, "ROM"));
        const LaunchFolderPlan plan = planLaunchFolder(rom, dir.filePath("cache"));
        QCOMPARE(makeLaunchFolder(plan), QString());
        recordLaunchProcess(plan.folder, process);
        QVERIFY(writeFile(plan.drive + "/MYGAME.ST0", "state"));
        QCOMPARE(sweepLaunchFolders(dir.filePath("cache")).moved.isEmpty(), inUse);
    }
}

// The emulator reads the copy and writes its save through the link: after the sweep the save
// is beside the zip, the copy gone and the zip as it was.
void LaunchFolderTest::zippedRomPlaysFromACopyGoneAtTheSweep() {
    QTemporaryDir dir;
    const QString zip = dir.filePath("Tetris (World).zip");
    QVERIFY(writeFile(zip, "PK-zip-bytes"));
    LaunchFolderPlan plan = planLaunchFolder(zip, dir.filePath("cache"));
    QVERIFY(!makeLaunchFolder(plan).isEmpty()); // nothing to copy: refused
    plan.romCopy = "ROM-BYTES";
    QVERIFY(QDir().mkpath(plan.drive));
    const QString copy = plan.drive + "/TETRIS(W.GB";
    QCOMPARE(plan.drive + "/" + plan.romDosName, copy);
    QVERIFY(QFile::link(zip, copy)); // planted: replaced, not written through
    QCOMPARE(makeLaunchFolder(plan), QString());
    QVERIFY(!QFileInfo(copy).isSymLink());
    QCOMPARE(readAll(copy), QByteArray("ROM-BYTES"));
    QVERIFY(writeFile(plan.drive + "/TETRIS(W.SAV", "SAVED")); // through the link
    QVERIFY(writeFile(plan.drive + "/TETRIS(W.ST0", "STATE"));
    const SweepResult swept = sweepLaunchFolder(plan.folder);
    QCOMPARE(swept.kept, QStringList());
    QCOMPARE(swept.moved, QStringList{dir.filePath("Tetris (World).st0")});
    QVERIFY(!QFileInfo::exists(copy));
    QCOMPARE(readAll(dir.filePath("Tetris (World).sav")), QByteArray("SAVED"));
    QCOMPARE(readAll(zip), QByteArray("PK-zip-bytes"));
}

QTEST_APPLESS_MAIN(LaunchFolderTest)
#include "tst_launchfolder.moc"
