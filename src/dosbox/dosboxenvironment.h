#pragma once

#include "appfolders.h"
#include "dossession.h"
#include "flavourcache.h"
#include "launchfolder.h"

#include <QObject>
#include <QString>

#include <functional>

class ProcessStarter;

// Runs a DOS command line with the session's drives mounted; not waited for.
class DosEnvironment {
public:
    virtual ~DosEnvironment() = default;
    // Returns an empty text on success, else a message for the user.
    virtual QString start(const DosSession& session) = 0;
};

// The DOSBox the user has (see findDosBox), in its own language, with the launcher's own
// DOSBox settings file for its flavour (made at the first launch). A session whose ROM plays
// from a launch folder makes that folder first, and when its DOSBox ends, what the emulator
// left there goes beside the ROM.
class DosBoxEnvironment : public DosEnvironment {
public:
    // `configFolder` holds the launcher's DOSBox settings files.
    explicit DosBoxEnvironment(ProcessStarter& starter,
                               QString configFolder = launcherConfigFolder(),
                               DosBoxFlavourCache flavours = DosBoxFlavourCache());
    ~DosBoxEnvironment() override;
    QString start(const DosSession& session) override;

    // Told after each sweep of a launch folder, with what moved and what stayed.
    void setSweepReport(std::function<void(const SweepResult&)> report) {
        m_report = std::move(report);
    }

private:
    ProcessStarter& m_starter;
    QString m_configFolder;
    DosBoxFlavourCache m_flavours;
    QObject m_watches; // one watch per running DOSBox with a launch folder
    std::function<void(const SweepResult&)> m_report;
};
