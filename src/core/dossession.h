#pragma once

#include <QString>

// One run of a DOS command: the host directories mounted as drives and the command typed at
// the C:\ prompt. An empty directory is not mounted.
struct DosSession {
    QString cDirectory; // the emulator's directory, also the current directory
    QString dDirectory; // the ROM's directory
    QString eDirectory; // an absolute background's directory
    QString commandLine;
};
