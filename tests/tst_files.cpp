#include "dosname.h"
#include "fileexist.h"
#include "nameorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "romimage.h"

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void nameOrder_data();
    void nameOrder();
    void fileExist_data();
    void fileExist();
    void fileExistRelativeToBase();
    void dosNamesInDirectoryOrder_data();
    void dosNamesInDirectoryOrder();
    void openableNames_data();
    void openableNames();
    void eightPointThreeOfMissingOrEmpty();
    void eightPointThreeNumbersSharedPrefixes();
    void eightPointThreeOfPlainName();
};

void FilesTest::fileExist_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("exists");
    QTest::newRow("exact") << "Rom.gb" << true;
    QTest::newRow("exact in other case") << "ROM.GB" << false;
    QTest::newRow("star any case") << "*.GB" << true;
    QTest::newRow("question mark") << "r?m.gb" << true;
    QTest::newRow("no match") << "*.gif" << false;
    QTest::newRow("bracket is literal") << "[ab].txt" << true;
    QTest::newRow("directory") << "sub" << false;
    QTest::newRow("directory by wildcard") << "su*" << false;
    QTest::newRow("hidden") << ".hidden.gb" << false;
    QTest::newRow("hidden by wildcard") << "*.hid" << false;
    QTest::newRow("read-only counts") << "ro.gb" << true;
    QTest::newRow("missing") << "nope.gb" << false;
    QTest::newRow("wildcard in directory") << "s*/x.gb" << false;
}

void FilesTest::fileExist() {
    QFETCH(QString, pattern);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    touch(dir.filePath("Rom.gb"));
    touch(dir.filePath("[ab].txt"));
    touch(dir.filePath(".hidden.gb"));
    touch(dir.filePath(".x.hid"));
    touch(dir.filePath("ro.gb"));
    QFile::setPermissions(dir.filePath("ro.gb"), QFileDevice::ReadOwner);
    QDir(dir.path()).mkdir("sub");
    touch(dir.filePath("sub/x.gb"));
    QCOMPARE(FileExist(dir.filePath(pattern)), exists);
}

void FilesTest::fileExistRelativeToBase() {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("emu");
    touch(dir.filePath("emu/BACK.GIF"));
    QVERIFY(FileExist("BACK.GIF", dir.filePath("emu")));
    QVERIFY(!FileExist("BACK.GIF", dir.path()));
    QVERIFY(FileExist("emu/back.gif*", dir.path()));
    QVERIFY(!FileExist(QString(), dir.path()));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.filePath("emu"));
    QVERIFY(FileExist("BACK.GIF"));
    QDir::setCurrent(previous);
}

void FilesTest::dosNamesInDirectoryOrder_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("dosNames");
    QTest::newRow("8.3 kept") << QStringList{"PUZZLE.GB"} << QStringList{"PUZZLE.GB"};
    QTest::newRow("lower case upper-cased") << QStringList{"puzzle.gb"} << QStringList{"PUZZLE.GB"};
    QTest::newRow("eight before the dot")
        << QStringList{"abcdefgh.gb"} << QStringList{"ABCDEFGH.GB"};
    QTest::newRow("nine before the dot")
        << QStringList{"abcdefghi.gb"} << QStringList{"ABCDEF~1.GB"};
    QTest::newRow("blank in a short name") << QStringList{"a b.gb"} << QStringList{"AB~1.GB"};
    QTest::newRow("blanks removed first")
        << QStringList{"Tetris DX.gb"} << QStringList{"TETRIS~1.GB"};
    QTest::newRow("shared prefix numbered in order")
        << QStringList{"Super Mario Land 2.gb", "Super Mario Land.gb"}
        << QStringList{"SUPERM~1.GB", "SUPERM~2.GB"};
    QTest::newRow("numbering ignores the extension")
        << QStringList{"Super Mario Land.gb", "Super Mario Land.sav"}
        << QStringList{"SUPERM~1.GB", "SUPERM~2.SAV"};
    QTest::newRow("clash in letter case")
        << QStringList{"puzzle.gb", "PUZZLE.GB"} << QStringList{"PUZZLE.GB", "PUZZLE~1.GB"};
    QTest::newRow("long extension cut") << QStringList{"game.html"} << QStringList{"GAME~1.HTM"};
    QTest::newRow("second dot") << QStringList{"a.b.gb"} << QStringList{"A~1.GB"};
    QTest::newRow("no extension") << QStringList{"readmefirst"} << QStringList{"README~1"};
    QTest::newRow("other prefixes apart") << QStringList{"Zelda Link.gb", "Super Mario Land.gb"}
                                          << QStringList{"ZELDAL~1.GB", "SUPERM~1.GB"};
    QTest::newRow("long names, odd extensions")
        << QStringList{"Some Long Name.g b", "Some Long Name.", "Some Long.Name.gbc", "SOMELO~3.GB"}
        << QStringList{"SOMELO~1.GB", "SOMELO~2", "SOMELO~3.GBC", "SOMELO~3.GB"};
    QStringList ten, tenNames;
    for (int i = 1; i <= 11; ++i) {
        ten << QString("Long Name %1.gb").arg(i);
        tenNames << (i < 10 ? QString("LONGNA~%1.GB").arg(i) : QString("LONGN~%1.GB").arg(i));
    }
    QTest::newRow("ten and more") << ten << tenNames;
}

void FilesTest::dosNamesInDirectoryOrder() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, dosNames);
    DosNameTable table;
    QStringList names;
    for (const QString& entry : entries)
        names << QString::fromLatin1(table.add(entry.toUtf8()));
    QCOMPARE(names, dosNames);
}

void FilesTest::openableNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("openable");
    QTest::newRow("plain") << "PUZZLE.GB" << true;
    QTest::newRow("alias") << "SUPERM~1.GB" << true;
    QTest::newRow("marks") << "A!#$%&'(.GB" << true;
    QTest::newRow("bracket") << "ZELDA[1.GB" << false;
    QTest::newRow("semicolon") << "A;B.GB" << false;
    QTest::newRow("plus") << "A+B.GB" << false;
    QTest::newRow("non-ASCII") << QString::fromUtf8("\xC3\x89T\xC3\x89.GB") << false;
    QTest::newRow("empty") << "" << false;
}

void FilesTest::openableNames() {
    QFETCH(QString, name);
    QFETCH(bool, openable);
    QCOMPARE(isDosOpenableName(name), openable);
}

void FilesTest::eightPointThreeOfMissingOrEmpty() {
    QTemporaryDir dir;
    QCOMPARE(EightPointThree(QString()), QString());
    QCOMPARE(EightPointThree(dir.filePath("missing.gb")), QString());
    QCOMPARE(EightPointThree(dir.path()), QString()); // a directory is no ROM
}

void FilesTest::eightPointThreeNumbersSharedPrefixes() {
    QTemporaryDir dir;
    touch(dir.filePath("Super Mario Land.gb"));
    touch(dir.filePath("Super Mario Land 2.gb"));
    touch(dir.filePath("Tetris.gb"));
    const QString first = EightPointThree(dir.filePath("Super Mario Land.gb"));
    const QString second = EightPointThree(dir.filePath("Super Mario Land 2.gb"));
    QCOMPARE(QSet<QString>({first, second}), QSet<QString>({"D:\\SUPERM~1.GB", "D:\\SUPERM~2.GB"}));
    QCOMPARE(EightPointThree(dir.filePath("Tetris.gb")), QString("D:\\TETRIS.GB"));
}

void FilesTest::eightPointThreeOfPlainName() {
    QTemporaryDir dir;
    touch(dir.filePath("puzzle.gb"));
    const DosLocation location = locateForDos(dir.filePath("puzzle.gb"), 'E');
    QCOMPARE(location.dosPath, QString("E:\\PUZZLE.GB"));
    QCOMPARE(location.dosName, QString("PUZZLE.GB"));
    QCOMPARE(location.hostDirectory, QDir(dir.path()).absolutePath());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QCOMPARE(EightPointThree("puzzle.gb"), QString("D:\\PUZZLE.GB"));
    QDir::setCurrent(previous);
}

// Shuffled names come out as a file manager lists them.
void FilesTest::nameOrder_data() {
    QTest::addColumn<QStringList>("ordered");
    QTest::newRow("letter case ignored") << QStringList{"alpha.gb", "Bravo.gb", "charlie.gb"};
    QTest::newRow("numbers as numbers")
        << QStringList{"rom 2.gb", "rom 9.gb", "rom 10.gb", "rom 100.gb"};
    QTest::newRow("raw name breaks a tie") << QStringList{"GAME.GB", "Game.gb", "game.gb"};
    QTest::newRow("accents beside their letter") << QStringList{"e.gb", "é.gb", "f.gb"};
    QStringList shelf; // enough names to be sorted a byte position at a time
    for (int n = 1; n <= 100; ++n)
        shelf << QString("Game %1.gb").arg(n)
              << (n == 50 ? QStringList{"game 50.gb"} : QStringList{});
    QTest::newRow("a shelf of numbered ROMs") << shelf;
}

void FilesTest::nameOrder() {
    QFETCH(QStringList, ordered);
    QStringList shuffled = ordered;
    std::reverse(shuffled.begin(), shuffled.end());
    QStringList names;
    for (const qsizetype at : ::nameOrder(shuffled))
        names << shuffled[at];
    QCOMPARE(names, ordered);
}

QTEST_APPLESS_MAIN(FilesTest)
#include "tst_files.moc"
