#include "fileexist.h"
#include "formerpictures.h"
#include "nameorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "romimage.h"

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void formerPictureFoldersGo_data();
    void formerPictureFoldersGo();
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

// The pictures older versions kept in the cache go, and nothing else of it: each row is what
// stands at artwork-old, and whether it is gone after.
void FilesTest::formerPictureFoldersGo_data() {
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("removed");
    QTest::newRow("an older build's pictures") << "pictures" << true;
    QTest::newRow("a link to a folder of pictures") << "link" << false;
    QTest::newRow("a launch folder") << "launch" << false;
    QTest::newRow("a file of the user's among pictures") << "mixed" << false;
    QTest::newRow("a file") << "file" << false;
}

void FilesTest::formerPictureFoldersGo() {
    QFETCH(QString, other);
    QFETCH(bool, removed);
    QTemporaryDir cache, elsewhere;
    const QString old = cache.filePath("artwork-old");
    if (other == "link") {
        touch(elsewhere.filePath("logo.rgba"));
        QVERIFY(QFile::link(elsewhere.path(), old));
    } else if (other == "file") {
        touch(old);
    } else {
        QVERIFY(QDir().mkpath(old));
    }
    if (other == "pictures" || other == "mixed")
        touch(old + "/logo.rgba");
    if (other == "mixed")
        touch(old + "/notes.txt");
    if (other == "launch") {
        touch(elsewhere.filePath("Tetris (World).gb"));
        QVERIFY(QFile::link(elsewhere.filePath("Tetris (World).gb"), old + "/TETRISWO.GB"));
    }
    touch(cache.filePath("dosbox-flavours.txt"));
    const QStringList outside = QDir(elsewhere.path()).entryList(QDir::Files);
    removeFormerPictureFolders(cache.path());
    QCOMPARE(QFileInfo::exists(old), !removed);
    QVERIFY(QFileInfo::exists(cache.filePath("dosbox-flavours.txt")));
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files), outside); // nothing followed a link
}

QTEST_APPLESS_MAIN(FilesTest)
#include "tst_files.moc"
