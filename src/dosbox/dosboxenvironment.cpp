#include "dosboxenvironment.h"

#include "dosboxarguments.h"
#include "dosboxchoice.h"
#include "dosboxconfig.h"
#include "hostpath.h"
#include "processendwatch.h"
#include "processstarter.h"

DosBoxEnvironment::DosBoxEnvironment(ProcessStarter& starter, QString configFolder,
                                     DosBoxFlavourCache flavours)
    : m_starter(starter), m_configFolder(std::move(configFolder)), m_flavours(std::move(flavours)) {
}

DosBoxEnvironment::~DosBoxEnvironment() = default;

QString DosBoxEnvironment::start(const DosSession& session) {
    const DosBoxChoice dosbox = chooseDosBox(m_flavours);
    if (!dosbox.problem.isEmpty())
        return dosbox.problem;
    if (session.launchFolder) {
        const QString error = makeLaunchFolder(*session.launchFolder);
        if (!error.isEmpty())
            return QStringLiteral("The ROM cannot be played from its launch folder:\n%1\n%2")
                .arg(session.launchFolder->romPath, error);
    }
    const QString config = provideDosBoxConfig(
        joinPath(m_configFolder, dosboxConfigFileName(dosbox.flavour)), dosbox.flavour);
    qint64 pid = 0;
    const QString error = m_starter.startDetached(
        dosbox.program, dosboxArguments(dosbox.flavour, session, config), session.cDirectory, &pid);
    if (!error.isEmpty())
        return QStringLiteral("DOSBox could not be started:\n%1\n%2").arg(dosbox.program, error);
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
