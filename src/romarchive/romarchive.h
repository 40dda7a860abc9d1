#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Game Boy ROMs inside .zip and .7z archives, read with libarchive by their content (a .7z that
// is really a zip reads as one). A ROM inside is an entry whose name ends in .gb (any letter
// case, in any folder of the archive), never a folder and never what archivers add on the side:
// entries under a __MACOSX/ folder, or whose own name begins with a dot.

// The largest Game Boy ROM; no entry is decoded past it, whatever the archive claims.
inline constexpr qint64 kMaxRomSize = 8 * 1024 * 1024;

// One ROM of an archive: its name as stored, its size, and as many of its first bytes as were
// asked for, or why they could not be read.
struct ArchivedRom {
    QString name;
    qint64 size = -1; // as the archive's directory gives it; -1 when it does not
    QByteArray bytes;
    QString error;
};

struct ArchiveContents {
    std::vector<ArchivedRom> roms; // in the archive's order
    QStringList others;            // the other files, shown, the first few
    int otherCount = 0;
    QString error; // the archive itself could not be read: nothing else is set
};

// The ROMs an archive holds, from its directory alone: nothing is decoded.
ArchiveContents listArchive(const QString& path);
// The archive open as `fd` (a regular file, left open), with the first `length` bytes of every
// ROM read in one pass: a list's headers.
ArchiveContents readArchiveHeads(int fd, qint64 length);

// One ROM of the archive: `entry` names it, or "" for the archive's one ROM. `length` bytes
// from its start are read (kMaxRomSize: the whole ROM). The error is a sentence for the user
// ending the message that names the archive; `name` is then set when the ROM was found.
ArchivedRom readArchivedRom(const QString& path, const QString& entry, qint64 length);
// The same for an archive's bytes in memory.
ArchivedRom readArchivedRomBytes(const QByteArray& archive, const QString& entry, qint64 length);

// "a.gb, b.gb, c.gb, d.gb, e.gb and 2 more": a message names the first five of a collection.
QString firstFive(const QStringList& names, int count);
