#include "newfile.h"
#include "regularfile.h"
#include "replacefile.h"
#include "romimage.h"
#include "textfile.h"
#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void splitsEveryLineEnd_data();
    void splitsEveryLineEnd();
    void refusesWhatIsNotARegularFile_data();
    void refusesWhatIsNotARegularFile();
    void opensAnEntryByItsListedType_data();
    void opensAnEntryByItsListedType();
    void writesCrLfAndKeepsTheOldFileOnFailure();
    void bothWritersTellAShortWrite();
    void replacesALinkInsteadOfWritingThroughIt_data();
    void replacesALinkInsteadOfWritingThroughIt();
    void refusesAFileLargerThanTheLimitWithoutReadingIt_data();
    void refusesAFileLargerThanTheLimitWithoutReadingIt();
};

void TextFileTest::splitsEveryLineEnd_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("lone cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\n\rb\nc") << QStringList{"a", "", "b", "c"};
    QTest::newRow("no last end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("blank lines kept") << QByteArray("\r\n\r\n") << QStringList{"", ""};
    QTest::newRow("utf-8") << QByteArray("St\xC3\xA9r\xC3\xA9o\r\n") << QStringList{"Stéréo"};
    QTest::newRow("latin-1") << QByteArray("St\xE9r\xE9o\r\n") << QStringList{"Stéréo"};
}

void TextFileTest::splitsEveryLineEnd() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(splitTextLines(bytes), lines);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("t.txt"), bytes));
    const TextRead read = readTextLines(dir.filePath("t.txt"));
    QVERIFY2(read.ok(), qPrintable(read.error));
    QCOMPARE(read.lines, lines);
}

void TextFileTest::refusesWhatIsNotARegularFile_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("link to a named pipe") << "pipe-link";
    QTest::newRow("folder") << "folder";
    QTest::newRow("missing") << "missing";
    QTest::newRow("device") << "/dev/zero";
    QTest::newRow("empty path") << "";
}

void TextFileTest::refusesWhatIsNotARegularFile() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);
    QVERIFY(QFile::link(dir.filePath("pipe"), dir.filePath("pipe-link")));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QString path = name.isEmpty() || name.startsWith('/') ? name : dir.filePath(name);
    // The pipe is never even opened: its type is looked up first.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(dir.filePath("pipe")).constData(),
                                IN_OPEN) >= 0);
    const TextRead read = readTextLines(path);
    QVERIFY(!read.ok());
    QVERIFY(read.lines.isEmpty());
    QFile file;
    QVERIFY(!openRegularFile(file, path).isEmpty());
    QVERIFY(!file.isOpen());
    char event[4096];
    QCOMPARE(::read(watch, event, sizeof event), ssize_t(-1));
    ::close(watch);
}

// A folder listing tells most entries' types: a regular file is opened at once; an entry of
// unknown type or a link is looked up first, so a pipe is never opened; a pipe swapped in for a
// listed file is refused by what was opened, without waiting.
void TextFileTest::opensAnEntryByItsListedType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("listedType");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("pipeOpened");
    QTest::newRow("listed as a regular file") << "rom.gb" << int(DT_REG) << true << false;
    QTest::newRow("type unknown") << "rom.gb" << int(DT_UNKNOWN) << true << false;
    QTest::newRow("link to a ROM") << "link.gb" << int(DT_LNK) << true << false;
    QTest::newRow("pipe of unknown type") << "pipe.gb" << int(DT_UNKNOWN) << false << false;
    QTest::newRow("pipe swapped in") << "pipe.gb" << int(DT_REG) << false << true;
}

void TextFileTest::opensAnEntryByItsListedType() {
    QFETCH(QString, name);
    QFETCH(int, listedType);
    QFETCH(bool, opened);
    QFETCH(bool, pipeOpened);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("rom.gb"), romImage("ROM", 0, 0)));
    QVERIFY(QFile::link(dir.filePath("rom.gb"), dir.filePath("link.gb")));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.gb")).constData(), 0600) == 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(dir.filePath("pipe.gb")).constData(),
                                IN_OPEN) >= 0);
    const int folder = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
    const RegularFileOpen result =
        openRegularAt(folder, QFile::encodeName(name).constData(), uchar(listedType));
    ::close(folder);
    QCOMPARE(result.fd >= 0, opened);
    QCOMPARE(result.wrongType, !opened);
    if (opened) {
        QCOMPARE(result.size, qint64(0x8000));
        ::close(result.fd);
    }
    char event[4096];
    QCOMPARE(::read(watch, event, sizeof event) > 0, pipeOpened);
    ::close(watch);
}

void TextFileTest::writesCrLfAndKeepsTheOldFileOnFailure() {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    QCOMPARE(writeTextLines(path, {"one", "Stéréo", ""}), QString());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("one\r\nSt\xC3\xA9r\xC3\xA9o\r\n\r\n"));
    written.close();

    {
        const FileSizeLimit limit(4); // the disk fills up half-way through the write
        QVERIFY(!writeTextLines(path, {"two", "three"}).isEmpty());
    }
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("one\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.txt"}); // no leftovers
}

// The disk fills up part of the way through: the first write is short, the next fails. Both
// writers say how much got through and leave no half file behind.
void TextFileTest::bothWritersTellAShortWrite() {
    QTemporaryDir dir;
    const QByteArray bytes(5000, 'x');
    const FileSizeLimit limit(1000);
    const QString made = createNewFile(dir.filePath("new.bin"), bytes);
    const QString replaced = replaceFile(dir.filePath("replaced.bin"), bytes);
    for (const QString& error : {made, replaced})
        QVERIFY2(error.contains("only 1000 of 5000 bytes could be written"), qPrintable(error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

// What stands in the file's place before the write: the new file replaces it, and whatever
// the link pointed at stays as it was.
void TextFileTest::replacesALinkInsteadOfWritingThroughIt_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("link to a file") << "notes.txt";
    QTest::newRow("dangling link") << "gone.txt";
    QTest::newRow("link to a folder") << "folder";
}

void TextFileTest::replacesALinkInsteadOfWritingThroughIt() {
    QFETCH(QString, target);
    QTemporaryDir outside, roms;
    QVERIFY(writeFile(outside.filePath("notes.txt"), "my notes"));
    QVERIFY(QDir(outside.path()).mkdir("folder"));
    const QString path = roms.filePath("GB_Roms.txt");
    QVERIFY(QFile::link(outside.filePath(target), path));
    QCOMPARE(writeTextLines(path, {"list"}), QString());
    QVERIFY(!QFileInfo(path).isSymLink());
    QCOMPARE(readAll(path), QByteArray("list\r\n"));
    QCOMPARE(readAll(outside.filePath("notes.txt")), QByteArray("my notes"));
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"folder", "notes.txt"}));
    QVERIFY(QDir(outside.filePath("folder")).isEmpty());
    QCOMPARE(QDir(roms.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"GB_Roms.txt"});
}

void TextFileTest::refusesAFileLargerThanTheLimitWithoutReadingIt_data() {
    QTest::addColumn<qint64>("lineEnds");
    QTest::addColumn<qint64>("sparse");
    QTest::newRow("100 MiB of line ends") << qint64(100) << qint64(0);
    QTest::newRow("3 GiB sparse") << qint64(0) << (qint64(3) << 30);
    QTest::newRow("one byte too many") << qint64(0) << kTextFileLimit + 1;
}

void TextFileTest::refusesAFileLargerThanTheLimitWithoutReadingIt() {
    QFETCH(qint64, lineEnds);
    QFETCH(qint64, sparse);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.Zemplo");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Zemplo Gameboy Game Setting]\r\n");
    const QByteArray mebibyte(1 << 20, '\n');
    for (qint64 i = 0; i < lineEnds; ++i)
        QCOMPARE(file.write(mebibyte), qint64(mebibyte.size()));
    if (sparse)
        QVERIFY(file.resize(sparse));
    file.close();
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    const TextRead read = readTextLines(path);
    ::getrusage(RUSAGE_SELF, &after);
    QCOMPARE(read.error, QString("larger than 64 KiB, more than such a file holds"));
    QVERIFY(read.lines.isEmpty());
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 16 * 1024, "the file was read into memory");
}

QTEST_APPLESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
