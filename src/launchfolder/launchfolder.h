#pragma once

#include "appfolders.h"
#include "processidentity.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A ROM that DOS would not reach under a name of its own (an alias such as SUPERM~1.GB, which
// changes when files are added to the folder; a name DOS cannot open; a letter-case twin such as
// GAME.GB beside game.gb, whose saves DOS would mix up) plays from a folder of its own, mounted
// as D:. That folder holds symbolic links under one stable DOS name, so the emulator finds the
// ROM's .cfg and writes its saves beside the ROM under the ROM's name.

struct LaunchLink {
    QString dosName; // e.g. SUPERMAR.CFG
    QString target;  // the file beside the ROM, which need not exist yet
};

struct LaunchFolderPlan {
    QString romPath;    // absolute: the ROM, or the archive that holds it
    QString romEntry;   // the ROM's name in that archive when it holds several, else ""
    QString folder;     // the ROM's own folder in the cache
    QString drive;      // folder/drive: what is mounted as D:
    QString romDosName; // e.g. SUPERMAR.GB
    std::vector<LaunchLink> links;
    // A ROM in an archive plays from a copy of the ROM inside, a real file under romDosName in
    // the drive, made with the folder from `romCopy` and gone at the sweep; the archive is
    // never linked, so nothing can write it.
    bool romIsCopy = false;
    QByteArray romCopy;
};

// Whether another ROM of the folder (*.gb, *.zip or *.7z in any letter case) has this ROM's base
// name in another letter case: DOS, which ignores case, would give both the same save and palette.
bool hasLetterCaseTwin(const QString& romPath);

// The links a launch of `romPath` needs, from the files beside it now; creates nothing. The
// links reach files of the ROM's base name in any letter case, or, for a letter-case twin,
// only those of exactly its own base name. For a ROM in an archive (`romPath` a .zip or .7z),
// the ROM's DOS name is that of its copy, with the extension GB, and its base name is the
// archive's, or the entry's when `entry` names one of several; `romCopy` is left for the caller
// to fill.
LaunchFolderPlan planLaunchFolder(const QString& romPath, const QString& cacheRoot,
                                  const QString& entry = {});

// Makes the folder and its links anew; whatever stands in the place of its folders and record
// files and is not what the launcher made is removed first. Returns "" on success, else why not.
QString makeLaunchFolder(const LaunchFolderPlan& plan);

// Records the DOSBox process that uses the folder, so that no other launcher run sweeps it
// while that process lives.
void recordLaunchProcess(const QString& folder, const ProcessIdentity& process);

// What the emulator left in a launch folder goes beside the ROM. A file under a linked name
// (the emulator deleted the link and wrote the file anew) is the newest version of that file:
// it replaces the file beside the ROM, which is kept as <name>.bak. A file under another name
// goes beside the ROM as <ROM base name>.<extension in lower case>, and a folder under its
// own name, never over an existing one.
struct SweepResult {
    QStringList moved; // where each file went
    QStringList kept;  // one sentence per file left where it is (or folder not swept), and why
};
// A folder is swept once after each launch: what could not be moved is reported then, and the
// folder is left alone until its ROM is played again.
SweepResult sweepLaunchFolder(const QString& folder);
// Every launch folder whose DOSBox has ended: what start-up does for runs it did not see end.
SweepResult sweepLaunchFolders(const QString& cacheRoot);
