#include "romlistformat.h"

#include "badge.h"
#include "contacts.h"
#include "printable.h"

#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>

namespace {

// A list file's bytes, written straight into one buffer: lists run to many thousand lines, and
// a string per line, encoded afterwards, cost more than reading the ROMs. (bench_romlist and
// bench_exportprocess keep it.)
class ListBytes {
public:
    explicit ListBytes(qsizetype expectedSize) { m_bytes.reserve(expectedSize); }

    ListBytes& operator<<(QLatin1StringView text) {
        m_bytes.append(text.data(), text.size());
        return *this;
    }
    ListBytes& operator<<(QStringView text) { // as UTF-8
        char* end = m_utf8.appendToBuffer(room(text.size() * 3), text);
        m_bytes.resize(end - m_bytes.constData());
        return *this;
    }
    ListBytes& operator<<(qint64 number) {
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, number);
        m_bytes.append(digits, written.ptr - digits);
        return *this;
    }
    void blanks(qsizetype count) { m_bytes.append(count, ' '); }
    void endLine() { m_bytes.append("\r\n", 2); }
    qsizetype size() const { return m_bytes.size(); }

    // Every byte but letters, digits and -._~ percent-encoded, so that a blank, #, ? or a
    // bracket in a file name, or a name that is not UTF-8, still links to that file.
    void appendLinkTarget(QByteArrayView name) {
        m_bytes.append(QByteArray::fromRawData(name.data(), name.size()).toPercentEncoding());
    }
    // The same for a name's UTF-8 bytes.
    void appendLinkTarget(QStringView name) {
        QVarLengthArray<char, 1024> bytes(name.size() * 3);
        char* end = m_utf8.appendToBuffer(bytes.data(), name);
        appendLinkTarget(QByteArrayView(bytes.data(), end - bytes.data()));
    }

    QByteArray take() { return std::move(m_bytes); }

private:
    // Where up to `most` more bytes go; the caller then cuts the array to what it wrote.
    char* room(qsizetype most) {
        const qsizetype at = m_bytes.size();
        m_bytes.resize(at + most);
        return m_bytes.data() + at;
    }

    QByteArray m_bytes;
    QStringEncoder m_utf8{QStringEncoder::Utf8};
};

// After a cell's value of `length` characters: blanks up to the cell's width, then " | ". A
// longer value stays whole.
void endCell(ListBytes& line, qsizetype length, int width) {
    if (length < width)
        line.blanks(width - length);
    line << QLatin1StringView(" | ");
}

void appendCell(ListBytes& line, QStringView value, int width) {
    line << value;
    endCell(line, value.size(), width);
}

// The file size cell, written as digits: no string per row.
void appendSizeCell(ListBytes& line, qint64 bytes, int width) {
    const qsizetype start = line.size();
    line << kilobytes(bytes) << QLatin1StringView(" Kb");
    endCell(line, line.size() - start, width);
}

// 105 dashes and a blank.
QLatin1StringView ruleLine() {
    return QLatin1StringView("----------------------------------------------------"
                             "----------------------------------------------------- ");
}

// Titles and file names come from the ROMs and the disk: nothing in them may become markup in
// a page that is meant to be published.
QString escaped(const QString& value) {
    for (const QChar c : value)
        if (c == QLatin1Char('&') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
            c == QLatin1Char('"'))
            return value.toHtmlEscaped();
    return value; // the usual case, without a copy
}

// The row's link: to the file itself, to the .zip of the same name, or to the archive that
// holds the ROM. `listedName` is the name the row shows; a name that is not UTF-8 links by its
// bytes.
void appendLink(ListBytes& page, const RomListRow& row, bool zipNames, const QString& listedName) {
    const bool archived = !row.archiveName.isEmpty();
    const QString& onDisk = archived ? row.archiveName : row.fileName;
    if (row.rawName.isEmpty() || onDisk.toUtf8() == row.rawName) {
        page.appendLinkTarget(QStringView(archived ? row.archiveName : listedName));
        return;
    }
    page.appendLinkTarget(
        zipNames && !archived
            ? row.rawName.chopped(std::min<qsizetype>(3, row.rawName.size())).toLower() +
                  QByteArrayLiteral(".zip")
            : row.rawName);
}

// The title cell: the ROM's title, or why an archive's row has none.
const QString& titleOf(const RomListRow& row) {
    return row.info ? row.info->title : row.note;
}

} // namespace

qint64 kilobytes(qint64 bytes) {
    return (bytes + 1023) / 1024;
}

QString zipName(const QString& fileName) {
    QString base = fileName.chopped(std::min<qsizetype>(3, fileName.size()));
    // ASCII names, the most, are lower-cased directly; Unicode's case rules cost far more
    // (bench_romlist's page with zip names keeps it).
    if (std::all_of(base.cbegin(), base.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        for (QChar& c : base)
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                c = QChar(c.unicode() + ('a' - 'A'));
    } else {
        base = base.toLower();
    }
    return base + QStringLiteral(".zip");
}

QByteArray renderTextList(const std::vector<RomListRow>& rows, const QString& date) {
    ListBytes list(qsizetype(rows.size() + 6) * 120);
    list << QLatin1StringView("List of Gameboy ROMS on ") << date
         << QLatin1StringView(" - Generated using Zemplo 97 by Korvid");
    list.endLine();
    list << ruleLine();
    list.endLine();
    list << QLatin1StringView(
        "|    PC File Names    |    Gameboy Titles    |   Gameboy ROM Types   "
        "| Gameboy ROM Sizes | PC File size |");
    list.endLine();
    list << QLatin1StringView(
        "|---------------------|----------------------|-----------------------"
        "|-------------------|--------------| ");
    list.endLine();
    const CartridgeInfo unread;
    for (const RomListRow& row : rows) {
        const CartridgeInfo& info = row.info ? *row.info : unread;
        list << QLatin1StringView("|");
        appendCell(list, printable(row.fileName), 20);
        appendCell(list, printable(titleOf(row)), 20);
        appendCell(list, info.typeText, 21);
        appendCell(list, info.sizeText, 17);
        appendSizeCell(list, row.fileSize, 12);
        list.endLine();
    }
    list << ruleLine();
    list.endLine();
    return list.take();
}

QByteArray renderHtmlList(const std::vector<RomListRow>& rows, bool zipNames) {
    ListBytes page(qsizetype(rows.size()) * 420 + 4096);
    page << QLatin1StringView("<!-- BEGIN ZEMPLO GB ROMS LIST -->\r\n"
                              "<meta charset=\"utf-8\">\r\n"
                              " \r\n"
                              "<!-- Generated with Zemplo 97 by Korvid -->\r\n");
    page << QStringLiteral(
                "<div align=\"center\"><center><table border=\"0\"><tr><td align=\"center\" "
                "valign=\"bottom\"><font size=\"2\" face=\"Arial\"><strong>This List has been "
                "generated using Zemplo 97</strong></font></td><td align=\"center\"><a "
                "href=\"%1\"><img src=\"%2\" border=\"0\" width=\"88\" "
                "height=\"31\"></a></td></tr></table></center></div>")
                .arg(homePageAddress(), QLatin1String(kBadgeDataAddress));
    page.endLine();
    page << QLatin1StringView(
        "<div align=\"center\"><center><table border=\"1\">\r\n"
        "<tr><td align=\"center\"><font size=\"2\" face=\"Arial\"><strong>Filenames</strong>"
        "</font></td><td align=\"center\"><font size=\"2\" face=\"Arial\"><strong>Gameboy ROM "
        "Names</strong></font></td><td align=\"center\"><font size=\"2\" face=\"Arial\"><strong>"
        "ROM Types</strong></font></td><td align=\"center\"><font size=\"2\" face=\"Arial\">"
        "<strong>Gameboy ROM Size</strong></font></td><td align=\"center\"><font size=\"2\" "
        "face=\"Arial\"><strong>File size</strong></font></td></tr>\r\n");
    const CartridgeInfo unread;
    for (const RomListRow& row : rows) {
        const CartridgeInfo& info = row.info ? *row.info : unread;
        // A line end or escape in a name would split the row or steer whatever shows the page:
        // the cell shows "?" as the text list does, the link keeps the name's own bytes.
        // An archive keeps its own name: it is already what the page links to.
        const QString listed =
            zipNames && row.archiveName.isEmpty() ? zipName(row.fileName) : row.fileName;
        page << QLatin1StringView("<tr><td><a href=\"");
        appendLink(page, row, zipNames, listed);
        page << QLatin1StringView("\"><font size=\"2\" face=\"Arial\">")
             << escaped(printable(listed)) << QLatin1StringView("</font></a></td>\r\n");
        page << QLatin1StringView("<td><font size=\"2\" face=\"Arial\"><em><strong>")
             << escaped(titleOf(row)) << QLatin1StringView("</strong></em></font></td>\r\n");
        page << QLatin1StringView("<td align=\"center\"><font size=\"2\" face=\"Arial\">")
             << escaped(info.typeText) << QLatin1StringView("</font></td>\r\n");
        page << QLatin1StringView("<td align=\"center\"><font size=\"2\" face=\"Arial\">")
             << escaped(info.sizeText) << QLatin1StringView("</font></td>\r\n");
        page << QLatin1StringView("<td><font size=\"2\" face=\"Arial\">") << kilobytes(row.fileSize)
             << QLatin1StringView(" Kb</font></td></tr>\r\n");
    }
    page << QLatin1StringView("</table></center></div>\r\n"
                              " \r\n"
                              "<!-- END ZEMPLO GB ROMS LIST -->\r\n");
    return page.take();
}
