#pragma once

#include "dossession.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The launcher's own DOSBox settings, given to every launch with -conf: they win over the
// user's DOSBox configuration for what they set. $XDG_CONFIG_HOME/Zemplo97/dosbox.conf.
QString dosboxConfigPath();

// What a new dosbox.conf holds: the settings that let VGB-DOS have the whole processor, and
// commented suggestions for full screen and the window's size.
QByteArray dosboxConfigText();

// The file the launch gives -conf: `path` when it is a file (a link to one counts) or was just
// made there; "" when it is missing and cannot be made, or something else stands in its place.
// An existing file is never rewritten: it is the user's to edit.
QString provideDosBoxConfig(const QString& path);
// The same answer without making anything: for showing what a launch would start.
QString foreseeDosBoxConfig(const QString& path);

// DOSBox as `dosbox` on PATH or as ZEMPLO_DOSBOX names it; "" when it is not there.
QString findDosBoxProgram();
QString dosboxNotFoundMessage();

// The DOSBox arguments of one launch: the user's configuration (-userconf), the launcher's own
// file over it when there is one, never the user's [autoexec] (a `mount c` there would make
// ours fail); then the session's drives, its command from C:\ and the exit.
QStringList dosboxArguments(const DosSession& session, const QString& configPath);
