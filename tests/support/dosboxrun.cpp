#include "dosboxrun.h"

#include "dosboxinvocation.h"
#include "hostpath.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

QString standinExecutable() {
    return QStringLiteral(ZEMPLO_STANDIN_EXE);
}
QString dosboxExecutable() {
    return QStringLiteral(ZEMPLO_DOSBOX_EXE);
}

QString endToEndUnavailableReason() {
    if (standinExecutable().isEmpty() || !QFileInfo::exists(standinExecutable()))
        return QStringLiteral("nasm was not found when the tests were built: no stand-in VGB.EXE");
    if (dosboxExecutable().isEmpty())
        return QStringLiteral("dosbox was not found when the tests were built");
    return {};
}

void prepareHeadlessDosBoxEnvironment(const QString& home) {
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(joinPath(home, ".config")));
    qputenv("ZEMPLO_DOSBOX", QFile::encodeName(dosboxExecutable()));
}

StandinRecord readRecord(const QString& path) {
    QFile file(path);
    StandinRecord record;
    if (!file.open(QIODevice::ReadOnly))
        return record;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const int eq = line.indexOf('=');
        if (eq > 0)
            record.insert(QString::fromLatin1(line.left(eq)),
                          QString::fromLatin1(line.mid(eq + 1)));
    }
    return record;
}

void runDosBoxWith(const QStringList& arguments, const QString& workingDirectory,
                   const QString& home) {
    QProcess dosbox;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_VIDEODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("HOME"), home);
    dosbox.setProcessEnvironment(env);
    dosbox.setWorkingDirectory(workingDirectory);
    dosbox.setProcessChannelMode(QProcess::MergedChannels);
    dosbox.start(dosboxExecutable(), arguments);
    if (!dosbox.waitForFinished(60000)) {
        dosbox.kill();
        dosbox.waitForFinished();
    }
}

StandinRecord runDosBox(const DosSession& session, const QString& home) {
    QFile::remove(session.cDirectory + QStringLiteral("/RECORD.TXT"));
    const QString config = provideDosBoxConfig(joinPath(home, QStringLiteral("dosbox.conf")));
    runDosBoxWith(dosboxArguments(session, config), session.cDirectory, home);
    return readRecord(session.cDirectory + QStringLiteral("/RECORD.TXT"));
}

StandinRecord waitForRecord(const QString& directory, int timeoutMs) {
    const QString path = directory + QStringLiteral("/RECORD.TXT");
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        // The stand-in writes the record in one call, closing with the CFGOPEN line or later.
        StandinRecord record = readRecord(path);
        if (record.contains(QStringLiteral("CFGOPEN")))
            return record;
        QThread::msleep(100);
    }
    return readRecord(path);
}
