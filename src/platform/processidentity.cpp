#include "processidentity.h"

#include <QFile>
#include <QList>

namespace {

struct ProcStat {
    char state = '?';
    quint64 startTime = 0;
};

std::optional<ProcStat> readProcStat(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = file.read(4096);
    // The command name in brackets may hold blanks and brackets: the fields start after the
    // last closing one, with the state (field 3); the start time is field 22.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(close + 1).simplified().split(' ');
    if (fields.size() < 20 || fields[0].isEmpty())
        return std::nullopt;
    bool ok = false;
    const quint64 start = fields[19].toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return ProcStat{fields[0].at(0), start};
}

} // namespace

std::optional<ProcessIdentity> identifyProcess(qint64 pid) {
    const std::optional<ProcStat> stat = readProcStat(pid);
    if (!stat)
        return std::nullopt;
    return ProcessIdentity{pid, stat->startTime};
}

bool stillRuns(const ProcessIdentity& process) {
    const std::optional<ProcStat> stat = readProcStat(process.pid);
    return stat && stat->startTime == process.startTime && stat->state != 'Z' &&
           stat->state != 'X' && stat->state != 'x';
}

QString identityText(const ProcessIdentity& process) {
    return QStringLiteral("%1 %2").arg(process.pid).arg(process.startTime);
}

std::optional<ProcessIdentity> parseIdentity(const QString& text) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 2)
        return std::nullopt;
    bool pidOk = false, startOk = false;
    const ProcessIdentity identity{words[0].toLongLong(&pidOk), words[1].toULongLong(&startOk)};
    if (!pidOk || !startOk || identity.pid <= 0)
        return std::nullopt;
    return identity;
}
