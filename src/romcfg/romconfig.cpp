#include "romconfig.h"

#include "fileexist.h"
#include "numberform.h"

#include "textfile.h"

#include <QFile>

#include <algorithm>

namespace {

QString threeDigits(int value) {
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

QString hex2(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// A marker group read as a number: its leading integer, 0 for none.
int groupValue(const QString& group) {
    return roundHalfEven(parseNumber(group));
}

} // namespace

QString rgbCode(const Rgb& rgb) {
    return QLatin1Char('#') + hex2(rgb.red) + hex2(rgb.green) + hex2(rgb.blue);
}

QString slotTag(int slot, const Rgb& rgb) {
    return QString::fromLatin1(colorSlots()[slot].code) + threeDigits(rgb.red) +
           threeDigits(rgb.green) + threeDigits(rgb.blue);
}

QString brightnessField(int brightness) {
    if (brightness == -100)
        return QStringLiteral("-FF");
    if (brightness < 0)
        return QLatin1Char('-') + QStringLiteral("%1").arg(-brightness, 2, 10, QLatin1Char('0'));
    return threeDigits(brightness);
}

QString markerTags(const RomConfigContent& content) {
    QString tags;
    for (const QString& tag : content.slotTags)
        tags += tag;
    if (content.brightness != 0)
        tags += QStringLiteral("CBR") + brightnessField(content.brightness);
    return tags;
}

QStringList romConfigLines(const RomConfigContent& content) {
    QStringList lines;
    for (const QString& line : content.slotLines)
        if (!line.isEmpty())
            lines << line;
    if (content.brightness != 0)
        lines << QStringLiteral("-brightness ") + formatNumber(content.brightness);
    const QString tags = markerTags(content);
    if (!tags.isEmpty())
        lines << markerPrefix() + tags;
    return lines;
}

QString writeRomConfig(const QString& path, const RomConfigContent& content) {
    if (markerTags(content).isEmpty()) {
        // Nothing to keep: no empty file may stay behind.
        QFile file(path);
        if (file.exists() && !file.remove())
            return file.errorString();
        return {};
    }
    return writeTextLines(path, romConfigLines(content));
}

RomPalette parseMarkerLine(const QString& markerLine) {
    const QString tags = markerLine.mid(markerPrefix().size());
    QStringList groups;
    for (qsizetype at = 0; at + 3 <= tags.size() && groups.size() < 100; at += 3)
        groups << tags.mid(at, 3);

    RomPalette palette;
    // A group that is missing at the end reads as 0, like a group that is not a number.
    const auto valueAt = [&](qsizetype i) { return i < groups.size() ? groupValue(groups[i]) : 0; };
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QByteArray group = groups[i].toLatin1();
        if (group == "CBR") {
            const QString field = i + 1 < groups.size() ? groups[i + 1] : QString();
            palette.brightness =
                field == QLatin1String("-FF") ? -100 : std::clamp(valueAt(i + 1), -100, 100);
            ++i;
            continue;
        }
        const int slot = slotOfCode(group.constData());
        if (slot < 0)
            continue;
        palette.colors[slot] =
            Rgb{std::clamp(valueAt(i + 1), 0, 255), std::clamp(valueAt(i + 2), 0, 255),
                std::clamp(valueAt(i + 3), 0, 255)};
        i += 3;
    }
    return palette;
}

RomPalette readRomConfig(const QString& path) {
    // No file, or one that cannot be read, leaves every slot unset: the wizard starts blank.
    if (!FileExist(path))
        return {};
    const TextRead read = readTextLines(path);
    if (!read.ok()) {
        RomPalette blank;
        blank.error = read.error;
        return blank;
    }
    for (const QString& line : read.lines)
        if (line.startsWith(QLatin1Char('\'')))
            return parseMarkerLine(line);
    return {};
}
