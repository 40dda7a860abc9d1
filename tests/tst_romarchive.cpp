// ROMs inside archives through the one reader: good archives of every usual shape and method,
// and every bad one answered with its reason, nothing written anywhere.
#include "archivebuilder.h"
#include "archivepath.h"
#include "cartridgeinfo.h"
#include "romarchive.h"
#include "romimage.h"
#include "scratchfolder.h"
#include "zipbuilder.h"

#include <QElapsedTimer>
#include <QtTest>

class RomArchiveTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheRom_data();
    void readsTheRom();
    void aZipOfFourGibibytes();
    void pathsNameRomsInsideArchives_data();
    void pathsNameRomsInsideArchives();
    void headerOfTheRomInside();
};

namespace {
QByteArray fixture(const char* name) {
    return readAll(QStringLiteral(ZEMPLO_ARCHIVES "/") + name);
}
QByteArray tetris() {
    return romImage("TETRIS", 0, 0, 0x8000);
}
QByteArray sevenZip(const char* method, const QList<ArchiveEntry>& entries) {
    return buildArchive("7zip", (QByteArray("7zip:compression=") + method).constData(), entries);
}
} // namespace

void RomArchiveTest::readsTheRom_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("entry");  // the ROM asked for, "" for the archive's one ROM
    QTest::addColumn<QByteArray>("rom"); // what is read, when it is
    QTest::addColumn<QString>("error");  // part of the reason, when it is not
    // ALPHA of 64 KiB: a solid 7z once lost its place past a file of a multiple of 64 KiB.
    const QByteArray rom = tetris(), a = romImage("ALPHA", 1, 1, 0x10000),
                     b = romImage("BRAVO", 2, 2);
    const QByteArray big(kMaxRomSize + 1, '\0');
    const auto zip = [](const QList<ZipEntry>& entries) { return buildZip(entries); };
    const auto good = [&](const char* row, const char* file, const QByteArray& archive,
                          const QString& entry = {}, const QByteArray& expected = tetris()) {
        QTest::newRow(row) << QString(file) << archive << entry << expected << QString();
    };
    const auto bad = [&](const char* row, const char* file, const QByteArray& archive,
                         const QString& error, const QString& entry = {}) {
        QTest::newRow(row) << QString(file) << archive << entry << QByteArray() << error;
    };
    good("zip stored", "T.zip", zip({{"Tetris.gb", rom}}));
    good("zip deflated", "T.zip", zip({{"Tetris.gb", rom, true}}));
    good("zip bzip2", "T.zip", fixture("bzip2.zip"));
    good("zip LZMA", "T.zip", fixture("lzma.zip"));
    good("zip PPMd", "T.zip", fixture("ppmd.zip"));
    for (const char* method : {"lzma1", "lzma2", "ppmd", "bzip2", "deflate", "store"})
        good(qPrintable(QStringLiteral("solid 7z %1, the second of three").arg(method)), "T.7z",
             sevenZip(method, {{"A.gb", a}, {"Tetris.gb", rom}, {"B.gb", b}}), "Tetris.gb");
    good("non-solid 7z, its second ROM", "T.7z", fixture("nonsolid.7z"), "B.gb", b);
    good("7z with BCJ", "T.7z", fixture("bcj.7z"));
    good("7z with BCJ2", "T.7z", fixture("bcj2.7z"));
    good("a .7z that is a zip, read by its content", "T.7z", zip({{"Tetris.gb", rom}}));
    good("a .zip that is a 7z, read by its content", "T.zip", sevenZip("lzma2", {{"T.gb", rom}}));
    good("in a folder of the zip, upper case, beside a text", "T.zip",
         zip({{"ROMS/", ""}, {"ROMS/TETRIS (WORLD).GB", rom, true}, {"readme.txt", "hi"}}));
    good("the Finder's junk is no ROM", "T.zip",
         zip({{"Tetris.gb", rom}, {"__MACOSX/._Tetris.gb", "junk"}, {"._Tetris.gb", "junk"}}));
    good("names that climb out or are absolute, only compared", "T.zip",
         zip({{"../../a.gb", a}, {"/tmp/Tetris.gb", rom}}), "/tmp/Tetris.gb");
    bad("no ROM, what it holds named", "T.7z",
        sevenZip("lzma2", {{"readme.txt", "hi"}, {"game.gb.txt", "x"}}),
        "holds no Game Boy ROM (no file ending in .gb), only readme.txt, game.gb.txt");
    QList<ArchiveEntry> collection;
    for (int i = 0; i < 7; ++i)
        collection.append({QByteArray::number(i) + ".gb", rom});
    bad("several, no entry named: the first five and how to name one", "T.7z",
        sevenZip("lzma2", collection),
        "holds 7 Game Boy ROMs: 0.gb, 1.gb, 2.gb, 3.gb, 4.gb and 2 more. Name the one to play "
        "after a # (ARCHIVE#ROM), or pick it in the ROM window");
    bad("an entry it does not hold, its ROMs named", "T.zip", zip({{"a.gb", a}, {"b/B.GB", b}}),
        "holds no ROM named c.gb; its ROMs are a.gb, b/B.GB", "c.gb");
    bad("zip inflating past what it claims", "T.zip",
        zip({{"x.gb", big, true, false, false, 0x8000}}), "x.gb is damaged");
    bad("zip claiming more than 8 MiB", "T.zip",
        zip({{"x.gb", rom, false, false, false, big.size()}}), "larger than 8 MiB");
    bad("7z entry past 8 MiB", "T.7z", sevenZip("lzma2", {{"x.gb", big}}), "larger than 8 MiB");
    bad("zip encrypted", "T.zip", zip({{"x.gb", rom, false, true}}), "x.gb is encrypted");
    bad("7z entry encrypted", "T.7z", fixture("encrypted.7z"), "Tetris.gb is encrypted");
    bad("7z header encrypted", "T.7z", fixture("encrypted-header.7z"), "it is encrypted");
    bad("zip checksum mismatch", "T.zip", zip({{"x.gb", rom, true, false, true}}),
        "x.gb is damaged: its checksum does not match");
    QByteArray flipped = sevenZip("store", {{"x.gb", rom}});
    flipped[32 + 0x140] = 'Z'; // in the stored ROM's title, past the 32-byte signature header
    bad("7z checksum mismatch", "T.7z", flipped, "x.gb is damaged");
    bad("a method the library cannot unpack", "T.zip", fixture("deflate64.zip"),
        "Tetris.gb is packed with a method this program cannot unpack");
    bad("zip cut short", "T.zip", zip({{"x.gb", rom}}).chopped(30),
        "it is not a zip or 7z archive, or it is damaged");
    bad("7z cut short", "T.7z", sevenZip("lzma2", {{"x.gb", rom}}).left(40),
        "it is not a zip or 7z archive, or it is damaged");
    bad("not an archive", "T.7z", rom, "it is not a zip or 7z archive, or it is damaged");
    bad("empty", "T.zip", QByteArray(), "it is not a zip or 7z archive, or it is damaged");
    bad("a folder named .7z", "T.7z", QByteArray("folder"), "folder");
}

// Each row through the file reader and the in-memory reader alike: the whole result.
void RomArchiveTest::readsTheRom() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, archive);
    QFETCH(QString, entry);
    QFETCH(QByteArray, rom);
    QFETCH(QString, error);
    ScratchFolder dir;
    const QString path = dir.filePath(fileName);
    const bool folder = archive == "folder";
    QVERIFY(folder ? QDir(dir.path()).mkdir(fileName) : writeFile(path, archive));
    QList<ArchivedRom> reads{readArchivedRom(path, entry, kMaxRomSize)};
    if (!folder)
        reads << readArchivedRomBytes(archive, entry, kMaxRomSize);
    for (const ArchivedRom& read : reads) {
        QVERIFY2(read.error.contains(error) && read.error.isEmpty() == error.isEmpty(),
                 qPrintable(read.error + QString(" / %1 bytes").arg(read.bytes.size())));
        QCOMPARE(read.bytes, rom);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{fileName});
    if (!folder)
        QCOMPARE(readAll(path), archive);
}

// A zip of 4 GiB, its ROM after a huge entry of its own: only the central directory and the
// ROM's entry are read (the file is sparse: reading it all would take long).
void RomArchiveTest::aZipOfFourGibibytes() {
    ScratchFolder dir;
    const QByteArray rom = romImage("BIG ONE", 0, 0, 0x8000);
    QFile file(dir.filePath("huge.zip"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    writeZip(file, {{"padding.bin", {}, false, false, false, -1, 0xFFF00000}, {"rom.gb", rom}});
    file.close();
    QVERIFY(file.size() > 0xFFF00000);
    const ArchivedRom read = readArchivedRom(file.fileName(), {}, kMaxRomSize);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.bytes, rom);
}

void RomArchiveTest::pathsNameRomsInsideArchives_data() {
    QTest::addColumn<QString>("path"); // below the scratch folder, which holds the files below
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stem"); // where its palette and saves go, without extension
    QTest::newRow("a one-ROM archive") << "Tetris (World).7z"
                                       << "Tetris (World).7z"
                                       << ""
                                       << "Tetris (World)";
    QTest::newRow("a ROM of several, in a folder of the archive, any case")
        << "Set.ZIP#roms/Tetris (W) [!].gb"
        << "Set.ZIP"
        << "roms/Tetris (W) [!].gb"
        << "Tetris (W) [!]";
    QTest::newRow("a file whose name holds .7z# is that file") << "odd.7z#x.gb"
                                                               << ""
                                                               << ""
                                                               << "odd.7z#x";
    QTest::newRow("the first split that names an archive") << "Set.ZIP#a.7z#b.gb"
                                                           << "Set.ZIP"
                                                           << "a.7z#b.gb"
                                                           << "a.7z#b";
    QTest::newRow("no archive by that name") << "None.7z#x.gb"
                                             << ""
                                             << ""
                                             << "None.7z#x";
}

void RomArchiveTest::pathsNameRomsInsideArchives() {
    QFETCH(QString, path);
    QFETCH(QString, archive);
    QFETCH(QString, entry);
    QFETCH(QString, stem);
    ScratchFolder dir;
    for (const char* file : {"Tetris (World).7z", "Set.ZIP", "odd.7z#x.gb"})
        touch(dir.filePath(file));
    const std::optional<ArchiveRomPath> split = archiveRomPath(dir.filePath(path));
    QCOMPARE(split.has_value(), !archive.isEmpty());
    if (split) {
        QCOMPARE(split->archive, dir.filePath(archive));
        QCOMPARE(split->entry, entry);
    }
    QCOMPARE(perRomFileStem(dir.filePath(path)), dir.filePath(stem));
}

// Where a ROM path is taken, the header is the ROM's inside; an archive of several asks which.
void RomArchiveTest::headerOfTheRomInside() {
    ScratchFolder dir;
    const QString zip = dir.filePath("Mario.ZIP"), set = dir.filePath("Set.7z");
    QVERIFY(writeFile(zip, buildZip({{"SML.GB", romImage("SUPER MARIOLAND", 1, 2)}})));
    QVERIFY(writeFile(set, sevenZip("lzma2", {{"A.gb", romImage("ALPHA", 1, 1)},
                                              {"B.gb", romImage("BRAVO", 2, 2)}})));
    const CartridgeRead mario = readCartridgeInfo(zip), bravo = readCartridgeInfo(set + "#B.gb");
    QVERIFY(mario.info && bravo.info);
    QCOMPARE(mario.info->title, QString("SUPER MARIOLAND"));
    QCOMPARE(bravo.info->title, QString("BRAVO"));
    QCOMPARE(bravo.info->typeText, cartridgeTypeText(2));
    QCOMPARE(readCartridgeTitle(zip), std::optional<QString>("SUPER MARIOLAND"));

    // A solid block with 100 MiB before the ROM: answered at once, nothing decoded for it.
    const QString padded = dir.filePath("Padded.7z");
    QVERIFY(writeFile(padded, sevenZip("lzma2", {{"video.bin", QByteArray(100 << 20, '\0')},
                                                 {"x.gb", tetris()}})));
    QElapsedTimer timer;
    timer.start();
    const CartridgeRead far = readCartridgeInfo(padded);
    QVERIFY2(far.error.contains("x.gb is packed after 100 MiB of other files"),
             qPrintable(far.error));
    QVERIFY(timer.elapsed() < 1000);
}

QTEST_APPLESS_MAIN(RomArchiveTest)
#include "tst_romarchive.moc"
