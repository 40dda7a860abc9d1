#include "versionprobe.h"

#include <QDeadlineTimer>
#include <QProcess>

VersionAnswer askVersion(const QString& program, int timeoutMs, qint64 cap) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("-version")}, QIODevice::ReadOnly);
    VersionAnswer answer;
    if (!process.waitForStarted(timeoutMs)) {
        answer.problem = process.errorString();
        return answer;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (answer.output.size() < cap && !deadline.hasExpired()) {
        if (process.state() == QProcess::NotRunning && process.bytesAvailable() == 0)
            break;
        if (process.bytesAvailable() == 0)
            process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        answer.output += process.read(cap - answer.output.size());
    }
    if (process.state() != QProcess::NotRunning) {
        // Still talking or silent past the deadline: what it said so far is its answer.
        answer.timedOut = deadline.hasExpired();
        process.kill();
        process.waitForFinished(1000);
        return answer;
    }
    if (process.exitStatus() == QProcess::CrashExit && answer.output.isEmpty())
        answer.problem = QStringLiteral("it crashed when asked for its version");
    return answer;
}
