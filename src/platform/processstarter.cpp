#include "processstarter.h"

#include <QProcess>

QString QtProcessStarter::startDetached(const QString& program, const QStringList& arguments,
                                        const QString& workingDirectory, qint64* pid) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    QString error;
    if (!process.startDetached(pid))
        error = process.errorString();
    return error;
}
