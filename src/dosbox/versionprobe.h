#pragma once

#include <QByteArray>
#include <QString>

// What a program printed when asked for its version.
struct VersionAnswer {
    QByteArray output;     // standard output and error together, at most the cap
    QString problem;       // set when the program could not be run or crashed
    bool timedOut = false; // still running at the deadline, and stopped
};

// A DOSBox answers -version at once; one that hangs or floods is cut off, so a launch never
// waits on it for long.
inline constexpr int kVersionTimeoutMs = 3000;
inline constexpr qint64 kVersionOutputCap = 64 * 1024;

// Runs `program -version` with no input and reads what it prints, no longer than the timeout
// and no more than the cap.
VersionAnswer askVersion(const QString& program, int timeoutMs = kVersionTimeoutMs,
                         qint64 cap = kVersionOutputCap);
