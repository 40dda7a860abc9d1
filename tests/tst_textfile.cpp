#include "regularfile.h"
#include "romimage.h"
#include "textfile.h"
#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void splitsEveryLineEnd_data();
    void splitsEveryLineEnd();
    void refusesWhatIsNotARegularFile_data();
    void refusesWhatIsNotARegularFile();
    void writesCrLfAndKeepsTheOldFileOnFailure();
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
    // Opening a pipe with no writer would block for ever; the test would then time out.
    const TextRead read = readTextLines(path);
    QVERIFY(!read.ok());
    QVERIFY(read.lines.isEmpty());
    QFile file;
    QVERIFY(!openRegularFile(file, path).isEmpty());
    QVERIFY(!file.isOpen());
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

QTEST_APPLESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
