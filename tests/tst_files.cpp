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
