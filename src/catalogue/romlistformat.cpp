#include "romlistformat.h"

#include "badge.h"
#include "contacts.h"
#include "printable.h"

#include <QStringBuilder>

#include <algorithm>

namespace {

// A value, blanks up to the cell's width, then " | ". A longer value is written whole.
void appendCell(QString& line, const QString& value, int width) {
    line += value;
    if (value.size() < width)
        line += QString(width - value.size(), QLatin1Char(' '));
    line += QLatin1String(" | ");
}

QString ruleLine() {
    return QString(105, QLatin1Char('-')) + QLatin1Char(' ');
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

// Every byte of the name as it is on disk but letters, digits and -._~ is percent-encoded, so
// that a blank, #, ? or a bracket in a file name, or a name that is not UTF-8, still links to
// that file.
QString linkTarget(const QByteArray& name) {
    const auto unreserved = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '.' || c == '_' || c == '~';
    };
    if (std::all_of(name.begin(), name.end(), unreserved))
        return QString::fromLatin1(name);
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString encoded(name.size() * 3, Qt::Uninitialized);
    QChar* out = encoded.data();
    for (const char c : name) {
        if (unreserved(c)) {
            *out++ = QLatin1Char(c);
            continue;
        }
        *out++ = QLatin1Char('%');
        *out++ = QLatin1Char(kHex[uchar(c) >> 4]);
        *out++ = QLatin1Char(kHex[uchar(c) & 0xF]);
    }
    encoded.truncate(out - encoded.constData());
    return encoded;
}

// The bytes the row's link names: the file itself, or the .zip of the same name.
// `listedName` is the name the row shows, the file's own or its .zip's.
QByteArray linkedBytes(const RomListRow& row, bool zipNames, const QString& listedName) {
    const bool utf8 = row.rawName.isEmpty() || row.fileName.toUtf8() == row.rawName;
    if (utf8)
        return listedName.toUtf8();
    return zipNames ? row.rawName.chopped(std::min<qsizetype>(3, row.rawName.size())).toLower() +
                          QByteArrayLiteral(".zip")
                    : row.rawName;
}

} // namespace

QString fileSizeText(qint64 bytes) {
    return QString::number((bytes + 1023) / 1024) + QStringLiteral(" Kb");
}

QString zipName(const QString& fileName) {
    QString base = fileName.chopped(std::min<qsizetype>(3, fileName.size()));
    // ASCII names, the most, are lower-cased directly; Unicode's case rules cost far more.
    if (std::all_of(base.cbegin(), base.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        for (QChar& c : base)
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                c = QChar(c.unicode() + ('a' - 'A'));
    } else {
        base = base.toLower();
    }
    return base + QStringLiteral(".zip");
}

QStringList renderTextList(const std::vector<RomListRow>& rows, const QString& date) {
    QStringList lines;
    lines << QStringLiteral("List of Gameboy ROMS on ") + date +
                 QStringLiteral(" - Generated using Zemplo 97 by Korvid");
    lines << ruleLine();
    lines << QStringLiteral("|    PC File Names    |    Gameboy Titles    |   Gameboy ROM Types   "
                            "| Gameboy ROM Sizes | PC File size |");
    lines << QStringLiteral("|---------------------|----------------------|-----------------------"
                            "|-------------------|--------------| ");
    const CartridgeInfo unread;
    for (const RomListRow& row : rows) {
        const CartridgeInfo& info = row.info ? *row.info : unread;
        QString line;
        line.reserve(112);
        line += QLatin1Char('|');
        appendCell(line, printable(row.fileName), 20);
        appendCell(line, printable(info.title), 20);
        appendCell(line, info.typeText, 21);
        appendCell(line, info.sizeText, 17);
        appendCell(line, fileSizeText(row.fileSize), 12);
        lines << line;
    }
    lines << ruleLine();
    return lines;
}

QStringList renderHtmlList(const std::vector<RomListRow>& rows, bool zipNames) {
    QStringList lines;
    lines << QStringLiteral("<!-- BEGIN ZEMPLO GB ROMS LIST -->")
          << QStringLiteral("<meta charset=\"utf-8\">") << QStringLiteral(" ")
          << QStringLiteral("<!-- Generated with Zemplo 97 by Korvid -->");
    lines << QStringLiteral(
                 "<div align=\"center\"><center><table border=\"0\"><tr><td align=\"center\" "
                 "valign=\"bottom\"><font size=\"2\" face=\"Arial\"><strong>This List has been "
                 "generated using Zemplo 97</strong></font></td><td align=\"center\"><a "
                 "href=\"%1\"><img src=\"%2\" border=\"0\" width=\"88\" "
                 "height=\"31\"></a></td></tr></table></center></div>")
                 .arg(homePageAddress(), QLatin1String(kBadgeDataAddress));
    lines << QStringLiteral("<div align=\"center\"><center><table border=\"1\">");
    lines << QStringLiteral(
        "<tr><td align=\"center\"><font size=\"2\" face=\"Arial\"><strong>Filenames</strong>"
        "</font></td><td align=\"center\"><font size=\"2\" face=\"Arial\"><strong>Gameboy ROM "
        "Names</strong></font></td><td align=\"center\"><font size=\"2\" face=\"Arial\"><strong>"
        "ROM Types</strong></font></td><td align=\"center\"><font size=\"2\" face=\"Arial\">"
        "<strong>Gameboy ROM Size</strong></font></td><td align=\"center\"><font size=\"2\" "
        "face=\"Arial\"><strong>File size</strong></font></td></tr>");
    const CartridgeInfo unread;
    for (const RomListRow& row : rows) {
        const CartridgeInfo& info = row.info ? *row.info : unread;
        // A line end or escape in a name would split the row or steer whatever shows the page:
        // the cell shows "?" as the text list does, the link keeps the name's own bytes.
        const QString listed = zipNames ? zipName(row.fileName) : row.fileName;
        const QString name = printable(listed);
        lines << QLatin1String("<tr><td><a href=\"") %
                     linkTarget(linkedBytes(row, zipNames, listed)) %
                     QLatin1String("\"><font size=\"2\" face=\"Arial\">") % escaped(name) %
                     QLatin1String("</font></a></td>");
        lines << QLatin1String("<td><font size=\"2\" face=\"Arial\"><em><strong>") %
                     escaped(info.title) % QLatin1String("</strong></em></font></td>");
        lines << QLatin1String("<td align=\"center\"><font size=\"2\" face=\"Arial\">") %
                     escaped(info.typeText) % QLatin1String("</font></td>");
        lines << QLatin1String("<td align=\"center\"><font size=\"2\" face=\"Arial\">") %
                     escaped(info.sizeText) % QLatin1String("</font></td>");
        lines << QLatin1String("<td><font size=\"2\" face=\"Arial\">") %
                     fileSizeText(row.fileSize) % QLatin1String("</font></td></tr>");
    }
    lines << QStringLiteral("</table></center></div>") << QStringLiteral(" ")
          << QStringLiteral("<!-- END ZEMPLO GB ROMS LIST -->");
    return lines;
}
