#include "romlistformat.h"

#include "homepage.h"

#include <QStringBuilder>
#include <QUrl>

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

// Every byte of the UTF-8 name but letters, digits and -._~ is percent-encoded, so that a
// blank, #, ? or a bracket in a file name still links to that file.
QString linkTarget(const QString& name) {
    const auto unreserved = [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
               c == QLatin1Char('.') || c == QLatin1Char('_') || c == QLatin1Char('~');
    };
    if (std::all_of(name.begin(), name.end(), unreserved))
        return name;
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

QString logoAddress() {
    return homePageAddress() + QStringLiteral("/zemplo97-88x31.gif");
}

} // namespace

QString fileSizeText(qint64 bytes) {
    return QString::number((bytes + 1023) / 1024) + QStringLiteral(" Kb");
}

QString zipName(const QString& fileName) {
    return fileName.chopped(std::min<qsizetype>(3, fileName.size())).toLower() +
           QStringLiteral(".zip");
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
        appendCell(line, row.fileName, 20);
        appendCell(line, info.title, 20);
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
    lines << QStringLiteral("<!-- BEGIN ZEMPLO GB ROMS LIST -->") << QStringLiteral(" ")
          << QStringLiteral("<!-- Generated with Zemplo 97 by Korvid -->");
    lines << QStringLiteral(
                 "<div align=\"center\"><center><table border=\"0\"><tr><td align=\"center\" "
                 "valign=\"bottom\"><font size=\"2\" face=\"Arial\"><strong>This List has been "
                 "generated using Zemplo 97</strong></font></td><td align=\"center\"><a "
                 "href=\"%1\"><img src=\"%2\" border=\"0\" width=\"88\" "
                 "height=\"31\"></a></td></tr></table></center></div>")
                 .arg(homePageAddress(), logoAddress());
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
        const QString name = zipNames ? zipName(row.fileName) : row.fileName;
        // The missing ">" after the link target and the missing blanks are the page's own.
        lines << QLatin1String("<tr><td><a href=\"") % linkTarget(name) %
                     QLatin1String("\"<font size=\"2\"face=\"Arial\">") % escaped(name) %
                     QLatin1String("</font></a></td>");
        lines << QLatin1String("<td><font size=\"2\"face=\"Arial\"><em><strong>") %
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
