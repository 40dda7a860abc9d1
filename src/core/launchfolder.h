#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A ROM whose file name DOS does not see as its own (an alias such as SUPERM~1.GB, which
// changes when files are added to the folder, or a name DOS cannot open) plays from a folder
// of its own, mounted as D:. That folder holds symbolic links under one stable DOS name, so
// the emulator finds the ROM's .cfg and writes its saves beside the ROM under the ROM's name.

// The first eight characters of a ROM's base name that DOS accepts, upper-cased; "ROM" when
// none remain, and never a DOS device name (CON, NUL, COM1...), which DOS would open instead.
QString stableDosBase(const QString& romBaseName);
// Up to three characters of an extension that DOS accepts, upper-cased.
QString dosExtension(const QString& extension);
// At most eight characters before the first dot, at most three after it, no second dot.
bool isEightThreeShaped(const QString& fileName);
// Whether DOS reaches a file of this name as a device rather than as the file.
bool isDosDeviceName(const QString& dosBase);

struct LaunchLink {
    QString dosName; // e.g. SUPERMAR.CFG
    QString target;  // the file beside the ROM, which need not exist yet
};

struct LaunchFolderPlan {
    QString romPath;    // absolute
    QString folder;     // the ROM's own folder in the cache
    QString drive;      // folder/drive: what is mounted as D:
    QString romDosName; // e.g. SUPERMAR.GB
    std::vector<LaunchLink> links;
};

// Where the launch folders live: $XDG_CACHE_HOME/Zemplo97.
QString launchCacheRoot();

// The links a launch of `romPath` needs, from the files beside it now; creates nothing.
LaunchFolderPlan planLaunchFolder(const QString& romPath, const QString& cacheRoot);

// Makes the folder and its links anew. Returns "" on success, else why not.
QString makeLaunchFolder(const LaunchFolderPlan& plan);

// Records the DOSBox process that uses the folder, so that no other launcher run sweeps it
// while that process lives.
void recordLaunchProcess(const QString& folder, qint64 pid);

// Files the emulator left in a launch folder under names nobody linked go beside the ROM as
// <ROM base name>.<extension in lower case>; an existing file is never overwritten.
struct SweepResult {
    QStringList moved;  // where each file went
    QStringList kept;   // one sentence per file left where it is, saying where and why
};
SweepResult sweepLaunchFolder(const QString& folder);
// Every launch folder whose DOSBox has ended: what start-up does for runs it did not see end.
SweepResult sweepLaunchFolders(const QString& cacheRoot);
