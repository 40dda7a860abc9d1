#pragma once

#include <QByteArray>
#include <QString>

// Game Boy ROM collections come zipped, one ROM a zip: a zipped ROM is a .zip (any letter
// case) holding exactly one entry whose name ends in .gb (any letter case, in any folder of
// the zip). The entry's name is only ever shown, never used as a path.

// The largest Game Boy ROM; no entry is inflated past it, whatever its header claims.
inline constexpr qint64 kMaxRomSize = 8 * 1024 * 1024;

// Whether `path` names a zip by its extension: such a path is read as a zipped ROM.
bool isZipPath(const QString& path);

struct ZippedRom {
    QByteArray rom;    // the inner ROM's bytes
    QString entryName; // its name in the zip
    QString error;     // why there is no ROM to play, for the user; "" when `rom` is it
};

// Reads the zip at `path` (a regular file only: its central directory and the one entry,
// nothing more).
ZippedRom readZippedRom(const QString& path);
// The same for a zip's bytes in memory.
ZippedRom readZippedRomBytes(const QByteArray& zip);
