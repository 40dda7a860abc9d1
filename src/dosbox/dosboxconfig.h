#pragma once

#include "dosboxflavour.h"

#include <QByteArray>
#include <QString>

// The launcher's own DOSBox settings, given to every launch with -conf: they win over the
// user's DOSBox configuration for what they set. One file for each set of settings keys:
// dosbox.conf for DOSBox 0.74-3 and DOSBox-X, which share them, dosbox-staging.conf for
// Staging, in $XDG_CONFIG_HOME/Zemplo97.
QString dosboxConfigPath(DosBoxFlavour flavour);
QString dosboxConfigFileName(DosBoxFlavour flavour);

// What a new settings file holds: the settings that let VGB-DOS have the whole processor, and
// commented suggestions for full screen and the window's size, in the flavour's own keys.
QByteArray dosboxConfigText(DosBoxFlavour flavour);

// The file the launch gives -conf: `path` when it is a file (a link to one counts) or was just
// made there with `flavour`'s text; "" when it is missing and cannot be made, or something else
// stands in its place. An existing file is never rewritten: it is the user's to edit.
QString provideDosBoxConfig(const QString& path, DosBoxFlavour flavour);
// The same answer without making anything: for showing what a launch would start.
QString foreseeDosBoxConfig(const QString& path);
