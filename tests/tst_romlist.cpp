#include "linktrap.h"
#include "romimage.h"
#include "romlistexport.h"
#include "romlistformat.h"
#include "textfile.h"
#include "writefailure.h"
#include "zipbuilder.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

#include <dirent.h>
#include <sys/stat.h>

namespace {

RomListRow row(const QString& name, const QString& title, const QString& type, const QString& size,
               qint64 bytes) {
    return {name, CartridgeInfo{title, type, size}, bytes, {}, {}, {}};
}

// A list file's lines; every line, the last too, must end with CR LF.
QStringList linesOf(const QByteArray& file) {
    if (!file.endsWith("\r\n") || file.count("\r\n") != file.count('\n'))
        return {"not every line ends with CR LF"};
    return splitTextLines(file);
}

} // namespace

Q_DECLARE_METATYPE(RomListRow)

class RomListTest : public QObject {
    Q_OBJECT
private slots:
    void exportReplacesALinkInsteadOfWritingThroughIt();
    void fileSizeCell_data();
    void fileSizeCell();
    void textRows_data();
    void textRows();
    void emptyFolder();
    void htmlRows_data();
    void htmlRows();
    void pageReadsAsMarkupWithOneLinkPerRom();
    void bannerIsAn88x31Png();
    void folderListsEveryRomInNameOrder();
    void archivesListTheRomsInside();
    void exportWritesNothingWhenItCannot();
};

// ---- The text table ----

void RomListTest::fileSizeCell_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<qint64>("kb");
    QTest::newRow("empty") << qint64(0) << qint64(0);
    QTest::newRow("one byte") << qint64(1) << qint64(1);
    QTest::newRow("one kilobyte") << qint64(1024) << qint64(1);
    QTest::newRow("just over") << qint64(1025) << qint64(2);
    QTest::newRow("32 KB ROM") << qint64(32768) << qint64(32);
    QTest::newRow("4 GB") << qint64(4) * 1024 * 1024 * 1024 << qint64(4194304);
}

void RomListTest::fileSizeCell() {
    QFETCH(qint64, bytes);
    QFETCH(qint64, kb);
    QCOMPARE(kilobytes(bytes), kb);
}

void RomListTest::textRows_data() {
    QTest::addColumn<RomListRow>("rom");
    QTest::addColumn<QString>("line");
    QTest::newRow("sixteen-character title")
        << row("TETRIS.GB", "ABCDEFGHIJKLMNOP", "ROM ONLY", "256KBit", 32768)
        << "|TETRIS.GB            | ABCDEFGHIJKLMNOP     | ROM ONLY              | 256KBit       "
           "    | 32 Kb        | ";
    QTest::newRow("longest type")
        << row("Z.gb", "ZELDA", "ROM+MBC1+RAM+BATTERY", "4M-Bit", 524288)
        << "|Z.gb                 | ZELDA                | ROM+MBC1+RAM+BATTERY  | 4M-Bit        "
           "    | 512 Kb       | ";
    QTest::newRow("25-character name written whole")
        << row("Super Mario Land 2 (W).gb", "MARIOLAND2", "?", "...", 1)
        << "|Super Mario Land 2 (W).gb | MARIOLAND2           | ?                     | ...   "
           "            | 1 Kb         | ";
    QTest::newRow("unreadable ROM") << RomListRow{"short.gb", std::nullopt, 100, {}, {}, {}}
                                    << "|short.gb             |                      |           "
                                       "            |                   | 1 Kb         | ";
}

void RomListTest::textRows() {
    QFETCH(RomListRow, rom);
    QFETCH(QString, line);
    const QStringList lines = linesOf(renderTextList({rom}, "08/12/2026"));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.at(4), line);
    if (rom.fileName.size() <= 20) // a row whose values fit lines up with the header
        QCOMPARE(line.size(), lines.at(3).size());
}

void RomListTest::emptyFolder() {
    const QStringList text = linesOf(renderTextList({}, "08/12/2026"));
    QCOMPARE(text, (QStringList{
                       "List of Gameboy ROMS on 08/12/2026 - Generated using Zemplo 97 by Korvid",
                       QString(105, '-') + " ",
                       "|    PC File Names    |    Gameboy Titles    |   Gameboy ROM Types   | "
                       "Gameboy ROM Sizes | PC File size |",
                       "|---------------------|----------------------|-----------------------|---"
                       "----------------|--------------| ",
                       QString(105, '-') + " "}));
    QCOMPARE(text.at(2).size(), 105);
    QCOMPARE(text.at(3).size(), 106);
    const QStringList html = linesOf(renderHtmlList({}, false));
    QCOMPARE(html.size(), 10);
    QCOMPARE(html.first(), QString("<!-- BEGIN ZEMPLO GB ROMS LIST -->"));
    QCOMPARE(html.at(1), QString("<meta charset=\"utf-8\">")); // written in UTF-8: said so
    QCOMPARE(html.at(2), QString(" "));
    QCOMPARE(html.at(5), QString("<div align=\"center\"><center><table border=\"1\">"));
    QCOMPARE(html.mid(7),
             (QStringList{"</table></center></div>", " ", "<!-- END ZEMPLO GB ROMS LIST -->"}));
}

// ---- The page ----

void RomListTest::htmlRows_data() {
    QTest::addColumn<RomListRow>("rom");
    QTest::addColumn<bool>("zip");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("plain name: the page's own bytes")
        << row("Tetris-1.0_x~.gb", "TETRIS", "ROM ONLY", "256KBit", 32768) << false
        << QStringList{"<tr><td><a href=\"Tetris-1.0_x~.gb\"><font size=\"2\" face=\"Arial\">"
                       "Tetris-1.0_x~.gb</font></a></td>",
                       "<td><font size=\"2\" face=\"Arial\"><em><strong>TETRIS</strong></em>"
                       "</font></td>",
                       "<td align=\"center\"><font size=\"2\" face=\"Arial\">ROM ONLY</font></td>",
                       "<td align=\"center\"><font size=\"2\" face=\"Arial\">256KBit</font></td>",
                       "<td><font size=\"2\" face=\"Arial\">32 Kb</font></td></tr>"};
    QTest::newRow("zip name")
        << row("MyGame.gb", "MYGAME", "ROM ONLY", "256KBit", 32768) << true
        << QStringList{"<tr><td><a href=\"mygame.zip\"><font size=\"2\" face=\"Arial\">"
                       "mygame.zip</font></a></td>"};
    QTest::newRow("markup in title and name is escaped")
        << row("a&b \"<i>\".gb", "<SCRIPT>&\"", "?", "...", 1) << false
        << QStringList{
               "<tr><td><a href=\"a%26b%20%22%3Ci%3E%22.gb\"><font size=\"2\" face=\"Arial\">"
               "a&amp;b &quot;&lt;i&gt;&quot;.gb</font></a></td>",
               "<td><font size=\"2\" face=\"Arial\"><em><strong>&lt;SCRIPT&gt;&amp;&quot;"
               "</strong></em></font></td>"};
    QTest::newRow("CR, LF and ESC shown as ?, linked as they are")
        << row("a\rb\nc\x1b.gb", "T", "?", "...", 1) << false
        << QStringList{"<tr><td><a href=\"a%0Db%0Ac%1B.gb\"><font size=\"2\" face=\"Arial\">"
                       "a?b?c?.gb</font></a></td>"};
    QTest::newRow("link with # ? brackets and accents")
        << row("Zelda (E) [!] #1?é.gb", "Z", "?", "...", 1) << false
        << QStringList{"<tr><td><a href=\"Zelda%20%28E%29%20%5B%21%5D%20%231%3F%C3%A9.gb\"><font "
                       "size=\"2\" face=\"Arial\">Zelda (E) [!] #1?é.gb</font></a></td>"};
}

void RomListTest::htmlRows() {
    QFETCH(RomListRow, rom);
    QFETCH(bool, zip);
    QFETCH(QStringList, lines);
    const QStringList page = linesOf(renderHtmlList({rom}, zip));
    QCOMPARE(page.size(), 15);
    QCOMPARE(page.mid(7, lines.size()), lines);
}

// Each row read by a strict parser: one link per ROM, whose target is the file's own name.
void RomListTest::pageReadsAsMarkupWithOneLinkPerRom() {
    const QStringList names = {"Tetris.gb", "Zelda (E) [!] #1?é.gb", "a&b \"<i>\".gb"};
    std::vector<RomListRow> rows;
    for (const QString& name : names)
        rows.push_back(row(name, "T", "ROM ONLY", "256KBit", 1));
    const QStringList page = linesOf(renderHtmlList(rows, false));
    QStringList targets;
    for (int r = 0; r < names.size(); ++r) {
        QXmlStreamReader xml(page.mid(7 + 5 * r, 5).join(QString()));
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"a")
                targets << QUrl::fromPercentEncoding(xml.attributes().value("href").toUtf8());
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
    QCOMPARE(targets, names);
}

void RomListTest::bannerIsAn88x31Png() {
    const QStringList page = linesOf(renderHtmlList({}, false));
    const QRegularExpression image("<img src=\"data:image/png;base64,([A-Za-z0-9+/=]+)\"");
    const QRegularExpressionMatch match = image.match(page.at(4));
    QVERIFY(match.hasMatch());
    const QByteArray png = QByteArray::fromBase64(match.captured(1).toLatin1());
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(qFromBigEndian<quint32>(png.constData() + 16), 88u); // IHDR width
    QCOMPARE(qFromBigEndian<quint32>(png.constData() + 20), 31u); // IHDR height
    QVERIFY(!page.join('\n').contains("http://zemplo97.example.org/"));
}

// ---- The folder ----

void RomListTest::folderListsEveryRomInNameOrder() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("a.gb"), romImage("ALPHA", 0x01, 0x01)));
    QVERIFY(writeFile(dir.filePath("B.GB"), romImage("BRAVO", 0x42, 0x00))); // unlisted type
    for (int i = 0; i < 40; ++i)
        QVERIFY(writeFile(dir.filePath(QString("rom %1.Gb").arg(i)), romImage("R", 0, 0)));
    QVERIFY(writeFile(dir.filePath("short.gb"), QByteArray(100, 'x')));
    QVERIFY(writeFile(dir.filePath("empty.gb"), {}));
    QVERIFY(writeFile(dir.filePath(".hidden.gb"), romImage("H", 0, 0)));
    QVERIFY(writeFile(dir.filePath("colour.gbc"), romImage("C", 0, 0)));
    QVERIFY(writeFile(dir.filePath("notes.txt"), "x"));
    QVERIFY(QDir(dir.path()).mkdir("folder.gb"));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.gb")).constData(), 0600) == 0);
    QVERIFY(QFile::link(dir.filePath("a.gb"), dir.filePath("link.gb")));
    QVERIFY(QFile::link(dir.filePath("pipe.gb"), dir.filePath("pipelink.gb")));
    // Neither the pipe nor the link to it is ever opened: their type is looked up first.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(dir.filePath("pipe.gb")).constData(),
                                IN_OPEN) >= 0);

    const RomFolderRead read = readRomFolder(dir.path());
    QVERIFY(read.error.isEmpty());
    char event[4096];
    QCOMPARE(::read(watch, event, sizeof event), ssize_t(-1));
    ::close(watch);
    // In name order: letter case ignored, numbers as numbers.
    QStringList expected{"a.gb", "B.GB", "empty.gb", "link.gb"};
    for (int i = 0; i < 40; ++i)
        expected << QString("rom %1.Gb").arg(i);
    expected << "short.gb";
    QStringList listed;
    for (const RomListRow& rom : read.rows)
        listed << rom.fileName;
    QCOMPARE(listed, expected);

    for (const RomListRow& rom : read.rows) {
        if (rom.fileName == "B.GB")
            QCOMPARE(rom.info->typeText, QString("?"));
        if (rom.fileName == "short.gb" || rom.fileName == "empty.gb")
            QVERIFY(!rom.info);
        if (rom.fileName == "short.gb")
            QCOMPARE(rom.fileSize, qint64(100));
        if (rom.fileName == "link.gb")
            QCOMPARE(rom.info->title, QString("ALPHA"));
    }
}

// Each ROM inside an archive is a row of its own, with the ROM's own header and size; an
// archive that cannot be read, or holds no ROM, is a row that says so.
void RomListTest::archivesListTheRomsInside() {
    QTemporaryDir dir;
    QVERIFY(
        writeFile(dir.filePath("Solo.zip"), buildZip({{"s.gb", romImage("SOLO", 1, 0), true}})));
    QVERIFY(writeFile(dir.filePath("Set.7z"), buildZip({{"b.gb", romImage("BRAVO", 2, 2, 0x9000)},
                                                        {"a.gb", romImage("ALPHA", 0, 0)}})));
    QVERIFY(writeFile(dir.filePath("Broken.7z"), "7z\xBC\xAF\x27\x1C garbage"));
    QVERIFY(writeFile(dir.filePath("Notes.zip"), buildZip({{"readme.txt", "hi"}})));
    QVERIFY(writeFile(dir.filePath("plain.gb"), romImage("PLAIN", 0, 0)));
    const RomFolderRead read = readRomFolder(dir.path());
    QStringList rows;
    for (const RomListRow& rom : read.rows)
        rows << QString("%1|%2|%3|%4")
                    .arg(rom.fileName, rom.info ? rom.info->title : rom.note)
                    .arg(rom.fileSize)
                    .arg(rom.archiveName);
    QCOMPARE(rows, QStringList({"Broken.7z|(unreadable archive)|0|Broken.7z",
                                "Notes.zip|(no ROM inside)|0|Notes.zip", "plain.gb|PLAIN|32768|",
                                "Set.7z#a.gb|ALPHA|32768|Set.7z", "Set.7z#b.gb|BRAVO|36864|Set.7z",
                                "Solo.zip|SOLO|32768|Solo.zip"}));
    // Zip names leave an archive's name as it is, and its rows link to it.
    const QString page = QString::fromUtf8(renderHtmlList(read.rows, true));
    QVERIFY(page.contains("<a href=\"Set.7z\"><font size=\"2\" face=\"Arial\">Set.7z#b.gb<"));
    QVERIFY(page.contains("<a href=\"plain.zip\">"));
}

void RomListTest::exportWritesNothingWhenItCannot() {
    QTemporaryDir dir;
    for (int i = 0; i < 200; ++i)
        QVERIFY(writeFile(dir.filePath(QString("r%1.gb").arg(i)), romImage("R", 0, 0)));
    QVERIFY(writeFile(dir.filePath("GB_Roms.txt"), "old list\r\n"));

    int reports = 0;
    RomListExport list = exportRomList(dir.path(), RomListKind::Text, false, "d",
                                       [&](int) { return ++reports < 2; });
    QVERIFY(list.cancelled);
    QCOMPARE(readTextLines(dir.filePath("GB_Roms.txt")).lines, QStringList{"old list"});
    // A stop asked for after the last of the regular reports, with every ROM read.
    list = exportRomList(dir.path(), RomListKind::Text, false, "d", [](int n) { return n < 200; });
    QVERIFY(list.cancelled);
    QCOMPARE(readTextLines(dir.filePath("GB_Roms.txt")).lines, QStringList{"old list"});
    {
        const FileSizeLimit limit(64);
        list = exportRomList(dir.path(), RomListKind::Text, false, "d");
    }
    QVERIFY(!list.error.isEmpty());
    QCOMPARE(readTextLines(dir.filePath("GB_Roms.txt")).lines, QStringList{"old list"});
    list = exportRomList(dir.filePath("gone"), RomListKind::Html, false, "d");
    QVERIFY(!list.error.isEmpty());
    QVERIFY(!QFile::exists(list.path));

    list = exportRomList(dir.path(), RomListKind::Html, true, "d");
    QVERIFY(list.ok());
    QCOMPARE(list.path, dir.filePath("GB_Roms.html"));
    QCOMPARE(readTextLines(list.path, 1 << 20).lines.size(), 10 + 200 * 5);
    QCOMPARE(readTextLines(dir.filePath("GB_Roms.txt")).lines, QStringList{"old list"});
}

void RomListTest::exportReplacesALinkInsteadOfWritingThroughIt() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("a.gb"), romImage("ALPHA", 0x01, 0x01)));
    for (const RomListKind kind : {RomListKind::Text, RomListKind::Html}) {
        const LinkTrap trap(
            dir.filePath(kind == RomListKind::Text ? "GB_Roms.txt" : "GB_Roms.html"));
        QVERIFY(exportRomList(dir.path(), kind, false, "1/2/97").ok());
        QVERIFY(trap.heldSafely());
    }
}

QTEST_APPLESS_MAIN(RomListTest)
#include "tst_romlist.moc"
