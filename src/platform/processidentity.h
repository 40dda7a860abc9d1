#pragma once

#include <QString>

#include <optional>

// A process told apart from a later one that was given the same id: its id and the moment it
// started (clock ticks after boot, as /proc/<pid>/stat gives it).
struct ProcessIdentity {
    qint64 pid = 0;
    quint64 startTime = 0;
};

// The identity of a living process; none when there is no such process.
std::optional<ProcessIdentity> identifyProcess(qint64 pid);

// Whether that very process still runs: the same id and start time, and not a zombie.
bool stillRuns(const ProcessIdentity& process);

// "<pid> <start time>", as launch folders record it.
QString identityText(const ProcessIdentity& process);
std::optional<ProcessIdentity> parseIdentity(const QString& text);
