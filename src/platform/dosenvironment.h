#pragma once

#include "dossession.h"

#include <QString>
#include <QStringList>

class ProcessStarter;

// Runs a DOS command line with the session's drives mounted; not waited for.
class DosEnvironment {
public:
    virtual ~DosEnvironment() = default;
    // Returns an empty text on success, else a message for the user.
    virtual QString start(const DosSession& session) = 0;
};

// DOSBox, found as `dosbox` on PATH or named by ZEMPLO_DOSBOX.
class DosBoxEnvironment : public DosEnvironment {
public:
    explicit DosBoxEnvironment(ProcessStarter& starter);
    QString start(const DosSession& session) override;

    static QString findExecutable();

private:
    ProcessStarter& m_starter;
};

// The DOSBox arguments that mount the session's drives, run its command from C:\ and close
// DOSBox when the command ends.
QStringList dosboxArguments(const DosSession& session);
