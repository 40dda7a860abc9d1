#include "cartridgeinfo.h"
#include "romimage.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void titleRule_data();
    void titleRule();
    void typeTable_data();
    void typeTable();
    void sizeTable_data();
    void sizeTable();
    void readsAFile();
    void unlistedCodeAfterAListedOne();
    void unreadablePaths_data();
    void unreadablePaths();
};

void CatalogueTest::titleRule_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::newRow("all NUL") << QByteArray(16, '\0') << "";
    QTest::newRow("zero digit dropped") << QByteArray("ROM0") << "ROM";
    QTest::newRow("other digits kept") << QByteArray("TETRIS 2") << "TETRIS 2";
    QTest::newRow("blanks kept at the end") << QByteArray("ZELDA   ") << "ZELDA   ";
    QTest::newRow("high bytes dropped") << QByteArray("A\x7F"
                                                      "B\x80"
                                                      "C\xFF")
                                        << "ABC";
    QTest::newRow("control bytes dropped") << QByteArray("A\x01\x1F"
                                                         "B")
                                           << "AB";
    QTest::newRow("tilde kept") << QByteArray("A~") << "A~";
    QTest::newRow("sixteen characters") << QByteArray("ABCDEFGHIJKLMNOP") << "ABCDEFGHIJKLMNOP";
}

void CatalogueTest::titleRule() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QByteArray field = bytes;
    field.append(QByteArray(16 - field.size(), '\0'));
    QCOMPARE(cartridgeTitle(field), title);
}

// The edges of the code tables: first and last codes, the gaps, the codes past the end.
void CatalogueTest::typeTable_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("00") << 0x00 << "ROM ONLY";
    QTest::newRow("03") << 0x03 << "ROM+MBC1+RAM+BATTERY";
    QTest::newRow("04") << 0x04 << "?";
    QTest::newRow("06") << 0x06 << "ROM+MBC2+BATTERY";
    QTest::newRow("07") << 0x07 << "?";
    QTest::newRow("13") << 0x13 << "?";
    QTest::newRow("FF") << 0xFF << "?";
}

void CatalogueTest::typeTable() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(cartridgeTypeText(quint8(code)), text);
}

void CatalogueTest::sizeTable_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("00") << 0x00 << "256KBit";
    QTest::newRow("04") << 0x04 << "4M-Bit";
    QTest::newRow("05") << 0x05 << "...";
    QTest::newRow("52") << 0x52 << "...";
}

void CatalogueTest::sizeTable() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(romSizeText(quint8(code)), text);
}

void CatalogueTest::readsAFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("puzzle.gb");
    QVERIFY(writeFile(path, romImage("PUZZLE0 GAME", 0x03, 0x03)));
    const CartridgeRead read = readCartridgeInfo(path);
    QVERIFY(read.info);
    QCOMPARE(read.info->title, QString("PUZZLE GAME"));
    QCOMPARE(read.info->typeText, QString("ROM+MBC1+RAM+BATTERY"));
    QCOMPARE(read.info->sizeText, QString("2M-Bit"));
    // Exactly as long as the header needs.
    QVERIFY(writeFile(path, romImage("X", 0x00, 0x00, 0x149)));
    QVERIFY(readCartridgeInfo(path).info);
}

void CatalogueTest::unlistedCodeAfterAListedOne() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("a.gb"), romImage("A", 0x01, 0x01)));
    QVERIFY(writeFile(dir.filePath("b.gb"), romImage("B", 0x13, 0x07)));
    QCOMPARE(readCartridgeInfo(dir.filePath("a.gb")).info->typeText, QString("ROM+MBC1"));
    const CartridgeRead b = readCartridgeInfo(dir.filePath("b.gb"));
    QCOMPARE(b.info->typeText, QString("?"));
    QCOMPARE(b.info->sizeText, QString("..."));
}

void CatalogueTest::unreadablePaths_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "missing.gb";
    QTest::newRow("directory") << "folder.gb";
    QTest::newRow("one byte short") << "short.gb";
    QTest::newRow("empty file") << "empty.gb";
    QTest::newRow("empty path") << "";
}

void CatalogueTest::unreadablePaths() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder.gb");
    QVERIFY(writeFile(dir.filePath("short.gb"), romImage("SHORT", 0, 0, 0x148)));
    QVERIFY(writeFile(dir.filePath("empty.gb"), QByteArray()));
    const CartridgeRead read = readCartridgeInfo(name.isEmpty() ? QString() : dir.filePath(name));
    QVERIFY(!read.info);
    QVERIFY(!read.error.isEmpty());
}

QTEST_APPLESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
