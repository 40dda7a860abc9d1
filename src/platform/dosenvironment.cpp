#include "dosenvironment.h"

#include "processendwatch.h"
#include "processstarter.h"

#include <QStandardPaths>

QStringList dosboxArguments(const DosSession& session) {
    QStringList args;
    const auto command = [&](const QString& line) { args << QStringLiteral("-c") << line; };
    command(dosboxMountLine(QLatin1Char('c'), session.cDirectory));
    if (!session.dDirectory.isEmpty())
        command(dosboxMountLine(QLatin1Char('d'), session.dDirectory));
    if (!session.eDirectory.isEmpty())
        command(dosboxMountLine(QLatin1Char('e'), session.eDirectory));
    command(QStringLiteral("c:"));
    command(dosboxCommandLine(session.commandLine));
    command(QStringLiteral("exit"));
    return args;
}

DosBoxEnvironment::DosBoxEnvironment(ProcessStarter& starter) : m_starter(starter) {}

DosBoxEnvironment::~DosBoxEnvironment() = default;

QString DosBoxEnvironment::findExecutable() {
    const QString program = qEnvironmentVariable("ZEMPLO_DOSBOX", QStringLiteral("dosbox"));
    return QStandardPaths::findExecutable(program);
}

QString DosBoxEnvironment::start(const DosSession& session) {
    const QString dosbox = findExecutable();
    if (dosbox.isEmpty())
        return QStringLiteral("DOSBox was not found, so VGB-DOS cannot run.\n"
                              "Install it (Debian: sudo apt-get install dosbox) or name its "
                              "program in the ZEMPLO_DOSBOX environment variable.");
    if (session.launchFolder) {
        const QString error = makeLaunchFolder(*session.launchFolder);
        if (!error.isEmpty())
            return QStringLiteral("The ROM cannot be played from its launch folder:\n%1\n%2")
                .arg(session.launchFolder->romPath, error);
    }
    qint64 pid = 0;
    const QString error =
        m_starter.startDetached(dosbox, dosboxArguments(session), session.cDirectory, &pid);
    if (!error.isEmpty())
        return QStringLiteral("DOSBox could not be started:\n%1\n%2").arg(dosbox, error);
    if (session.launchFolder && pid > 0) {
        const QString folder = session.launchFolder->folder;
        recordLaunchProcess(folder, pid);
        new ProcessEndWatch(
            pid,
            [this, folder] {
                const SweepResult swept = sweepLaunchFolder(folder);
                if (m_report)
                    m_report(swept);
            },
            &m_watches);
    }
    return {};
}
