// Zipped ROMs through the one reader: good zips of every usual shape, and every bad one
// answered with its reason, nothing written anywhere.
#include "cartridgeinfo.h"
#include "romimage.h"
#include "scratchfolder.h"
#include "zipbuilder.h"
#include "zippedrom.h"

#include <QtTest>

class RomZipTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheOneRom_data();
    void readsTheOneRom();
    void aZipOfFourGibibytes();
    void headerOfTheRomInside();
};

void RomZipTest::readsTheOneRom_data() {
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<QString>("entry"); // the ROM's name in the zip, when it is read
    QTest::addColumn<QString>("error"); // part of the reason, when it is not
    const QByteArray rom = romImage("TETRIS", 0, 0, 0x8000);
    const QByteArray big(kMaxRomSize + 1, '\0');
    const auto zip = [](const QList<ZipEntry>& entries) { return buildZip(entries); };
    QTest::newRow("stored") << zip({{"Tetris.gb", rom}}) << "Tetris.gb"
                            << "";
    QTest::newRow("deflated") << zip({{"Tetris.gb", rom, true}}) << "Tetris.gb"
                              << "";
    QTest::newRow("in a folder of the zip, upper case, beside a text")
        << zip({{"ROMS/", ""}, {"ROMS/TETRIS (WORLD).GB", rom, true}, {"readme.txt", "hi"}})
        << "ROMS/TETRIS (WORLD).GB"
        << "";
    QTest::newRow("a name that climbs out, only shown")
        << zip({{"../../Tetris.gb", rom}}) << "../../Tetris.gb"
        << "";
    QTest::newRow("an absolute name, only shown")
        << zip({{"/tmp/Tetris.gb", rom}}) << "/tmp/Tetris.gb"
        << "";
    QTest::newRow("a control character in the name shown as ?")
        << zip({{"Tet\nris.gb", rom}}) << "Tet?ris.gb"
        << "";
    QTest::newRow("no ROM") << zip({{"readme.txt", "hi"}, {"game.gb/", ""}}) << ""
                            << "holds no Game Boy ROM";
    QTest::newRow("two ROMs, named") << zip({{"a.gb", rom}, {"b/B.GB", rom}}) << ""
                                     << "holds 2 Game Boy ROMs, and only one can be played from "
                                        "a zip: a.gb, b/B.GB";
    QList<ZipEntry> collection;
    for (int i = 0; i < 7; ++i)
        collection.append({QByteArray::number(i) + ".gb", rom});
    QTest::newRow("a collection zipped whole, the first named")
        << zip(collection) << ""
        << "holds 7 Game Boy ROMs, and only one can be played from a zip: 0.gb, 1.gb, 2.gb, "
           "3.gb, 4.gb and 2 more";
    QTest::newRow("inflates past 8 MiB, claiming less")
        << zip({{"x.gb", big, true, false, false, 0x8000}}) << ""
        << "larger than 8 MiB";
    QTest::newRow("claims more than 8 MiB")
        << zip({{"x.gb", rom, false, false, false, big.size()}}) << ""
        << "larger than 8 MiB";
    QTest::newRow("encrypted") << zip({{"x.gb", rom, false, true}}) << ""
                               << "x.gb is encrypted";
    QTest::newRow("checksum mismatch") << zip({{"x.gb", rom, true, false, true}}) << ""
                                       << "x.gb is damaged: its checksum does not match";
    QTest::newRow("cut short") << zip({{"x.gb", rom}}).chopped(30) << ""
                               << "it is not a zip file, or it is damaged";
    QTest::newRow("not a zip") << rom << ""
                               << "it is not a zip file, or it is damaged";
    QTest::newRow("empty") << QByteArray() << ""
                           << "it is not a zip file, or it is damaged";
    QTest::newRow("a folder named .zip") << QByteArray("folder") << ""
                                         << "folder";
}

// Each row through the file reader and the in-memory reader alike: the whole result.
void RomZipTest::readsTheOneRom() {
    QFETCH(QByteArray, zip);
    QFETCH(QString, entry);
    QFETCH(QString, error);
    ScratchFolder dir;
    const QString path = dir.filePath("Tetris (World).zip");
    if (zip == "folder")
        QVERIFY(QDir(dir.path()).mkdir("Tetris (World).zip"));
    else
        QVERIFY(writeFile(path, zip));
    const QByteArray before = zip == "folder" ? QByteArray() : readAll(path);
    QList<ZippedRom> reads{readZippedRom(path)};
    if (zip != "folder")
        reads << readZippedRomBytes(zip);
    for (const ZippedRom& read : reads) {
        QVERIFY2(read.error.contains(error) && read.error.isEmpty() == error.isEmpty(),
                 qPrintable(read.error));
        QCOMPARE(read.rom, error.isEmpty() ? romImage("TETRIS", 0, 0, 0x8000) : QByteArray());
        if (error.isEmpty())
            QCOMPARE(read.entryName, entry);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"Tetris (World).zip"});
    if (zip != "folder")
        QCOMPARE(readAll(path), before);
}

// A zip of 4 GiB, its ROM after a huge entry of its own: only the central directory and the
// ROM's entry are read (the file is sparse: reading it all would take long).
void RomZipTest::aZipOfFourGibibytes() {
    ScratchFolder dir;
    const QByteArray rom = romImage("BIG ONE", 0, 0, 0x8000);
    QFile file(dir.filePath("huge.zip"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    writeZip(file, {{"padding.bin", {}, false, false, false, -1, 0xFFF00000}, {"rom.gb", rom}});
    file.close();
    QVERIFY(file.size() > 0xFFF00000);
    const ZippedRom read = readZippedRom(file.fileName());
    QCOMPARE(read.error, QString());
    QCOMPARE(read.rom, rom);
}

// Where a ROM path is taken, a zipped ROM's header is the ROM's inside.
void RomZipTest::headerOfTheRomInside() {
    ScratchFolder dir;
    const QString path = dir.filePath("Mario.ZIP");
    QVERIFY(writeFile(path, buildZip({{"SML.GB", romImage("SUPER MARIOLAND", 1, 2)}})));
    const CartridgeRead read = readCartridgeInfo(path);
    QVERIFY(read.info);
    QCOMPARE(read.info->title, QString("SUPER MARIOLAND"));
    QCOMPARE(read.info->typeText, cartridgeTypeText(1));
    QCOMPARE(readCartridgeTitle(path), std::optional<QString>("SUPER MARIOLAND"));
}

QTEST_APPLESS_MAIN(RomZipTest)
#include "tst_romzip.moc"
