#pragma once

#include "dosboxflavour.h"
#include "dossession.h"

#include <QString>
#include <QStringList>

// The DOSBox arguments of one launch, in the flavour's own switches: the user's configuration
// read, the launcher's own file over it when there is one, never the user's [autoexec] (a
// `mount c` there would make ours fail); then the session's drives, its command from C:\ and
// the exit. DOSBox-X is told not to ask for a working folder nor show its logo; Staging always
// reads the user's configuration (it has no -userconf) and is told to end however soon the
// DOS program does.
QStringList dosboxArguments(DosBoxFlavour flavour, const DosSession& session,
                            const QString& configPath);
