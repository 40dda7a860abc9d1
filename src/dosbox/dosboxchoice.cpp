#include "dosboxchoice.h"

#include "dosboxfinder.h"

DosBoxChoice chooseDosBox(DosBoxFlavourCache& flavours) {
    const DosBoxProgram found = findDosBox();
    if (!found.problem.isEmpty())
        return {{}, DosBoxFlavour::Classic, found.problem};
    const DosBoxFlavourCache::Reading reading = flavours.flavourOf(found.path);
    if (!reading.problem.isEmpty())
        return {{},
                DosBoxFlavour::Classic,
                QStringLiteral("DOSBox could not be run, so VGB-DOS cannot run:\n%1\n%2")
                    .arg(found.path, reading.problem)};
    return {found.path, reading.flavour, {}};
}
