#pragma once

// What a launch folder holds, shared by its making and its sweep.

#include "hostpath.h"

#include <QString>

#include <utility>

namespace launchfolder {

inline QString driveOf(const QString& folder) {
    return joinPath(folder, QStringLiteral("drive"));
}
// The ROM's absolute path, one line, and for a ROM of an archive of several its name there on
// a second: the sweep moves files only beside that ROM, under its base name.
inline QString romRecordOf(const QString& folder) {
    return joinPath(folder, QStringLiteral("rom"));
}
// The DOS names linked at the launch, one a line: a regular file under one of them is the
// emulator's newest version of the linked file.
inline QString linkRecordOf(const QString& folder) {
    return joinPath(folder, QStringLiteral("links"));
}
// The DOSBox that uses the folder; gone once the folder is swept.
inline QString processRecordOf(const QString& folder) {
    return joinPath(folder, QStringLiteral("dosbox.pid"));
}

// Base name and last extension, split at the last dot; a name without a dot has no extension.
inline std::pair<QString, QString> splitName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {fileName, QString()};
    return {fileName.left(dot), fileName.mid(dot + 1)};
}

// Whether `path` itself (not what a link there points at) is a folder, or a regular file,
// that belongs to this user: the launcher touches nothing in its cache that it did not make.
bool isOwnFolder(const QString& path);
bool isOwnRegularFile(const QString& path);

} // namespace launchfolder
