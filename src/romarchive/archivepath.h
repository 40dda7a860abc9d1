#pragma once

#include <QString>

#include <optional>

// ROM collections come as .zip and .7z archives. An archive holding one ROM is that ROM; each
// ROM of an archive of several is named by the archive's path, "#" and the entry's name as the
// archive stores it: ".../Tetris (GoodMerge).7z#Tetris (W) (V1.1) [!].gb". Entry names are only
// shown and compared, never used as paths.

// Whether a file name (or path) is a Game Boy ROM's: it ends in .gb, in any letter case; and
// whether it is an archive's, by its extension (.zip or .7z, any letter case). The one test of
// each, for files, archive entries and the program's argument alike; a folder listing's names
// are tested as their bytes.
template <typename Name> bool isRomFileName(Name name) {
    return name.endsWith(QLatin1String(".gb"), Qt::CaseInsensitive);
}
template <typename Name> bool isArchivePath(Name path) {
    return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".7z"), Qt::CaseInsensitive);
}

struct ArchiveRomPath {
    QString archive;
    QString entry; // "" when the path names the archive alone
};

// How `path` names a ROM inside an archive, or nothing for any other path. A path names a file
// when a file of that name exists, whatever "#" it holds; otherwise it splits after the first
// ".zip#" or ".7z#" (any letter case) that names an existing archive. An archive's own path is
// taken whether or not it exists, so that its reader can say what is wrong with it.
std::optional<ArchiveRomPath> archiveRomPath(const QString& path);

// The file that holds the ROM `romPath` names: the archive for ARCHIVE#ENTRY, else the path.
QString romFilePath(const QString& romPath);

QString joinArchiveRomPath(const QString& archive, const QString& entry);

// The entry's own file name without its folders and its extension ("roms/Tetris (W).gb" gives
// "Tetris (W)"), control characters shown as "?": the name its palette and saves take beside
// the archive.
QString entryBaseName(const QString& entry);

// Where a ROM's own files (palette, saves) live, without their extension: beside a .gb ROM or a
// one-ROM archive under its base name, beside an archive of several under the entry's.
QString perRomFileStem(const QString& romPath);
// The same for a ROM in an archive, already split.
QString perRomFileStem(const ArchiveRomPath& rom);
