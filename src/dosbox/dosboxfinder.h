#pragma once

#include <QString>
#include <QStringList>

// The DOSBox a launch starts, or why there is none.
struct DosBoxProgram {
    QString path;
    QString problem; // for the user; `path` is empty then
};

// ZEMPLO_DOSBOX when it is set and not empty (a program name looked up on PATH, or a path); else
// the first of dosbox, dosbox-staging and dosbox-x on PATH, then the Flatpak exports of Staging and
// DOSBox-X, the user's before the system's.
DosBoxProgram findDosBox();

// The Flatpak exports looked at after PATH, in that order, for a home folder.
QStringList flatpakDosBoxExports(const QString& home);
