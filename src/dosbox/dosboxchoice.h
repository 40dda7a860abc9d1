#pragma once

#include "dosboxflavour.h"
#include "flavourcache.h"

#include <QString>

// The DOSBox a launch starts and the language it speaks, or why there is none to start.
struct DosBoxChoice {
    QString program;
    DosBoxFlavour flavour = DosBoxFlavour::Classic;
    QString problem; // for the user; nothing may start when it is set
};

DosBoxChoice chooseDosBox(DosBoxFlavourCache& flavours);
