#pragma once

#include "colorslots.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

// "#" and two upper-case hex digits a channel: #FF8000.
QString rgbCode(const Rgb& rgb);
// The slot's tag in the marker line: its code and three digits a channel, CC0255128000.
QString slotTag(int slot, const Rgb& rgb);
// The brightness as it follows "CBR": 050, 100, -50, -FF for -100. From -1 to -9 it is written
// -0N so that it fills a whole group of three and reads back.
QString brightnessField(int brightness);

// What a save writes: one colour line and one tag a set slot (both empty when unset) and the
// brightness.
struct RomConfigContent {
    std::array<QString, kSlotCount> slotLines;
    std::array<QString, kSlotCount> slotTags;
    int brightness = 0;
    QString error; // why a file that is there could not be read; the palette is then blank
};

// The tags of the marker line, without its "'Zemplo." prefix; empty when nothing is set.
QString markerTags(const RomConfigContent& content);
// The lines of the whole file, in file order.
QStringList romConfigLines(const RomConfigContent& content);

// Writes the file anew, through a temporary file, or deletes it when no tag exists. Returns ""
// on success, else what went wrong; the old file is then left as it was.
QString writeRomConfig(const QString& path, const RomConfigContent& content);

// What the marker line records.
struct RomPalette {
    std::array<std::optional<Rgb>, kSlotCount> colors;
    int brightness = 0;
    QString error; // why a file that is there could not be read; the palette is then blank
};

inline QString markerPrefix() {
    return QStringLiteral("'Zemplo.");
}

RomPalette parseMarkerLine(const QString& markerLine);
// Every slot unset and brightness 0 when there is no file, no marker line, or a file that
// cannot be read (too large for a .cfg among others: `error` says why).
RomPalette readRomConfig(const QString& path);
