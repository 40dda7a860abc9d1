#pragma once

#include "dosboxinvocation.h"
#include "dossession.h"
#include "launchfolder.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ProcessStarter;

// Runs a DOS command line with the session's drives mounted; not waited for.
class DosEnvironment {
public:
    virtual ~DosEnvironment() = default;
    // Returns an empty text on success, else a message for the user.
    virtual QString start(const DosSession& session) = 0;
};

// DOSBox, found as `dosbox` on PATH or named by ZEMPLO_DOSBOX, with the launcher's own DOSBox
// settings file (made at the first launch). A session whose ROM plays from a launch folder
// makes that folder first, and when its DOSBox ends, what the emulator left there goes beside
// the ROM.
class DosBoxEnvironment : public DosEnvironment {
public:
    explicit DosBoxEnvironment(ProcessStarter& starter, QString configPath = dosboxConfigPath());
    ~DosBoxEnvironment() override;
    QString start(const DosSession& session) override;

    // Told after each sweep of a launch folder, with what moved and what stayed.
    void setSweepReport(std::function<void(const SweepResult&)> report) {
        m_report = std::move(report);
    }

private:
    ProcessStarter& m_starter;
    QString m_configPath;
    QObject m_watches; // one watch per running DOSBox with a launch folder
    std::function<void(const SweepResult&)> m_report;
};
