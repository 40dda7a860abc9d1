#pragma once

#include "romfolder.h"

#include <QString>

enum class RomListKind { Text, Html };

struct RomListExport {
    QString path;            // the list file written
    QString error;           // why nothing was written; the old list file then stays whole
    bool readFailed = false; // the folder itself could not be read
    bool cancelled = false;
    bool ok() const { return error.isEmpty() && !cancelled; }
};

// Lists `directory` into its GB_Roms.txt or GB_Roms.html. `zipNames` changes only the page.
// A cancelled or failed export writes nothing.
RomListExport exportRomList(const QString& directory, RomListKind kind, bool zipNames,
                            const QString& date, const RomListProgress& progress = {});

// The day's date as the text list shows it: the system's short form.
QString romListDate();
