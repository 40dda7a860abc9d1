#include "dosenvironment.h"

#include "processendwatch.h"
#include "processstarter.h"

DosBoxEnvironment::DosBoxEnvironment(ProcessStarter& starter, QString configPath)
    : m_starter(starter), m_configPath(std::move(configPath)) {}

DosBoxEnvironment::~DosBoxEnvironment() = default;

QString DosBoxEnvironment::start(const DosSession& session) {
    const QString dosbox = findDosBoxProgram();
    if (dosbox.isEmpty())
        return dosboxNotFoundMessage();
    if (session.launchFolder) {
        const QString error = makeLaunchFolder(*session.launchFolder);
        if (!error.isEmpty())
            return QStringLiteral("The ROM cannot be played from its launch folder:\n%1\n%2")
                .arg(session.launchFolder->romPath, error);
    }
    qint64 pid = 0;
    const QString error =
        m_starter.startDetached(dosbox, dosboxArguments(session, provideDosBoxConfig(m_configPath)),
                                session.cDirectory, &pid);
    if (!error.isEmpty())
        return QStringLiteral("DOSBox could not be started:\n%1\n%2").arg(dosbox, error);
    if (session.launchFolder && pid > 0) {
        const QString folder = session.launchFolder->folder;
        recordLaunchProcess(folder, identifyProcess(pid).value_or(ProcessIdentity{pid, 0}));
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
