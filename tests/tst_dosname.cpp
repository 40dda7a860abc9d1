#include "dosname.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "romimage.h"

class DosNameTest : public QObject {
    Q_OBJECT
private slots:
    void dosNamesInDirectoryOrder_data();
    void dosNamesInDirectoryOrder();
    void openableNames_data();
    void openableNames();
    void eightPointThreeOfMissingOrEmpty();
    void eightPointThreeNumbersSharedPrefixes();
    void eightPointThreeOfPlainName();
};

void DosNameTest::dosNamesInDirectoryOrder_data() {
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

void DosNameTest::dosNamesInDirectoryOrder() {
    QFETCH(QStringList, entries);
    QFETCH(QStringList, dosNames);
    DosNameTable table;
    QStringList names;
    for (const QString& entry : entries)
        names << QString::fromLatin1(table.add(entry.toUtf8()));
    QCOMPARE(names, dosNames);
}

void DosNameTest::openableNames_data() {
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

void DosNameTest::openableNames() {
    QFETCH(QString, name);
    QFETCH(bool, openable);
    QCOMPARE(isDosOpenableName(name), openable);
}

void DosNameTest::eightPointThreeOfMissingOrEmpty() {
    QTemporaryDir dir;
    QCOMPARE(EightPointThree(QString()), QString());
    QCOMPARE(EightPointThree(dir.filePath("missing.gb")), QString());
    QCOMPARE(EightPointThree(dir.path()), QString()); // a directory is no ROM
}

void DosNameTest::eightPointThreeNumbersSharedPrefixes() {
    QTemporaryDir dir;
    touch(dir.filePath("Super Mario Land.gb"));
    touch(dir.filePath("Super Mario Land 2.gb"));
    touch(dir.filePath("Tetris.gb"));
    const QString first = EightPointThree(dir.filePath("Super Mario Land.gb"));
    const QString second = EightPointThree(dir.filePath("Super Mario Land 2.gb"));
    QCOMPARE(QSet<QString>({first, second}), QSet<QString>({"D:\\SUPERM~1.GB", "D:\\SUPERM~2.GB"}));
    QCOMPARE(EightPointThree(dir.filePath("Tetris.gb")), QString("D:\\TETRIS.GB"));
}

void DosNameTest::eightPointThreeOfPlainName() {
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

QTEST_APPLESS_MAIN(DosNameTest)
#include "tst_dosname.moc"
