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

// The -c lines DOSBox is given: "mount d "<folder>"" and the command, each % doubled because
// DOSBox expands %VAR% in them.
QString dosboxMountLine(QChar drive, const QString& directory);
QString dosboxCommandLine(const QString& commandLine);

// DOSBox takes a line break inside a -c line as the start of a command of its own.
bool holdsControlCharacter(const QString& text);

// DOSBox 0.74 overflows a buffer and aborts on a longer mount line (measured: 248 bytes run,
// 249 abort).
inline constexpr int kMaxDosBoxLine = 248;
bool fitsDosBoxLine(const QString& line);
