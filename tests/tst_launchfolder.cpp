#include "launchfolder.h"
#include "romimage.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

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
    void sweepMovesLeftFilesBesideTheRomAndNeverOverwrites();
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
    QTest::newRow("blanks and brackets") << "Super Mario Land (World)" << "SUPERMAR";
    QTest::newRow("square brackets dropped") << "Zelda [!]" << "ZELDA!";
    QTest::newRow("accents dropped") << "Pokémon Red" << "POKMONRE";
    QTest::newRow("no DOS character") << "éàü [ ]" << "ROM";
    QTest::newRow("empty") << "" << "ROM";
    QTest::newRow("inner dot dropped") << "v1.1" << "V11";
    QTest::newRow("short") << "tetris" << "TETRIS";
    QTest::newRow("device CON") << "con" << "CON_";
    QTest::newRow("device COM1") << "Com1" << "COM1_";
    QTest::newRow("device as a prefix is fine") << "Contra" << "CONTRA";
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
    QTest::newRow("nothing beside")
        << "Super Mario Land (World).gb" << QStringList{}
        << QStringList{"SUPERMAR.CFG=Super Mario Land (World).cfg",
                       "SUPERMAR.GB=Super Mario Land (World).gb",
                       "SUPERMAR.SAV=Super Mario Land (World).sav"};
    QTest::newRow("files of the same base")
        << "Super Mario Land (World).gb"
        << QStringList{"Super Mario Land (World).cfg", "Super Mario Land (World).SAV",
                       "Super Mario Land (World).rtc", "Super Mario Land (World).state12",
                       "Super Mario Land 2 (World).gb", "Super Mario Land 2 (World).cfg",
                       "Super Mario Land (World).gb.bak"}
        << QStringList{"SUPERMAR.CFG=Super Mario Land (World).cfg",
                       "SUPERMAR.GB=Super Mario Land (World).gb",
                       "SUPERMAR.RTC=Super Mario Land (World).rtc",
                       "SUPERMAR.SAV=Super Mario Land (World).SAV"};
    QTest::newRow("lower case wins a case clash")
        << "Zelda [!].GB" << QStringList{"Zelda [!].SAV", "Zelda [!].sav"}
        << QStringList{"ZELDA!.CFG=Zelda [!].cfg", "ZELDA!.GB=Zelda [!].GB",
                       "ZELDA!.SAV=Zelda [!].sav"};
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
    QCOMPARE(plan.romDosName, expected.firstKey().section('.', 0, 0) + "." +
                                  rom.section('.', -1).toUpper());
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

void LaunchFolderTest::sweepMovesLeftFilesBesideTheRomAndNeverOverwrites() {
    QTemporaryDir dir;
    const QString rom = dir.filePath("My Game.gb");
    QVERIFY(writeFile(rom, "ROM"));
    QVERIFY(writeFile(dir.filePath("My Game.st1"), "older state"));
    const QString cache = dir.filePath("cache");
    const LaunchFolderPlan plan = planLaunchFolder(rom, cache);
    QCOMPARE(makeLaunchFolder(plan), QString());
    const QDir drive(plan.drive);
    QVERIFY(writeFile(drive.filePath("MYGAME.ST0"), "new state"));
    QVERIFY(QFile::remove(drive.filePath("MYGAME.ST1"))); // the emulator replaced its link
    QVERIFY(writeFile(drive.filePath("MYGAME.ST1"), "newer state"));
    QVERIFY(writeFile(drive.filePath("MYGAME.SAV"), "")); // through the link, beside the ROM

    // While its DOSBox runs, another launcher start leaves the folder alone.
    recordLaunchProcess(plan.folder, ::getpid());
    SweepResult swept = sweepLaunchFolders(cache);
    QVERIFY(swept.moved.isEmpty() && swept.kept.isEmpty());
    QVERIFY(QFileInfo::exists(drive.filePath("MYGAME.ST0")));

    swept = sweepLaunchFolder(plan.folder);
    QCOMPARE(swept.moved, QStringList{dir.filePath("My Game.st0")});
    QCOMPARE(swept.kept.size(), 1);
    QVERIFY(swept.kept[0].contains(drive.filePath("MYGAME.ST1")));
    QVERIFY(swept.kept[0].contains(dir.filePath("My Game.st1")));
    QCOMPARE(readAll(dir.filePath("My Game.st0")), QByteArray("new state"));
    QCOMPARE(readAll(dir.filePath("My Game.st1")), QByteArray("older state"));
    QCOMPARE(readAll(drive.filePath("MYGAME.ST1")), QByteArray("newer state"));
    QVERIFY(QFileInfo(drive.filePath("MYGAME.SAV")).isSymLink());
    QVERIFY(QFileInfo::exists(dir.filePath("My Game.sav")));
}

QTEST_APPLESS_MAIN(LaunchFolderTest)
#include "tst_launchfolder.moc"
