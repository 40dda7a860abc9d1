#pragma once

#include <QByteArray>
#include <QString>

// The DOSBox families users have. Their command-line switches and settings keys differ, so a
// launch speaks the language of the one it starts.
enum class DosBoxFlavour {
    Classic, // DOSBox 0.74-3, and any DOSBox not recognised
    X,       // DOSBox-X
    Staging, // DOSBox Staging
};

// What `-version` printed (standard output and error together): the first line that begins
// "DOSBox-X version", "dosbox-staging, version" (or "DOSBox Staging") or "DOSBox version"
// tells; anything else, an empty or garbled answer included, is taken as 0.74-3.
DosBoxFlavour flavourFromVersionOutput(const QByteArray& output);

// The Flatpak exports are named by their application id, which tells the flavour without
// starting the sandbox; none for any other name.
bool flavourFromProgramName(const QString& program, DosBoxFlavour* flavour);

// "DOSBox 0.74-3", "DOSBox-X", "DOSBox Staging": what the user reads.
QString flavourName(DosBoxFlavour flavour);
// A short stable word for files: "classic", "x", "staging".
QString flavourWord(DosBoxFlavour flavour);
bool flavourFromWord(const QString& word, DosBoxFlavour* flavour);
