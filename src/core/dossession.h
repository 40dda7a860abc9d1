#pragma once

#include "launchfolder.h"

#include <QString>

#include <optional>

// One run of a DOS command: the host directories mounted as drives and the command typed at
// the C:\ prompt. An empty directory is not mounted.
struct DosSession {
    QString cDirectory; // the emulator's directory, also the current directory
    QString dDirectory; // the ROM's directory
    QString eDirectory; // an absolute background's directory
    QString commandLine;
    // Set when D: is the ROM's launch folder, which is made only when the session starts.
    std::optional<LaunchFolderPlan> launchFolder;
};
