#pragma once

#include "cartridgeinfo.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// One ROM of a listed folder. A file that cannot be read, or is shorter than a header, has no
// info but is listed all the same, so the list shows every file.
struct RomListRow {
    QString fileName; // for a ROM of an archive of several, ARCHIVE#ENTRY
    std::optional<CartridgeInfo> info;
    qint64 fileSize = 0; // the ROM's own size, also inside an archive
    QByteArray rawName;  // the name's bytes on disk, which need not be UTF-8 (empty: fileName's)
    // For a ROM inside an archive: the archive's file name, which the page links to as it is.
    QString archiveName;
    // Why an archive's row has no header: its title cell says so.
    QString note;
};

struct RomFolderRead {
    std::vector<RomListRow> rows;
    QString error;          // the folder itself could not be read
    bool cancelled = false; // the progress callback asked to stop
};

// Called now and then with the number of ROMs read so far; false stops the listing.
using RomListProgress = std::function<bool(int romsRead)>;

// The regular, non-hidden files of `directory` whose names match *.gb in any letter case, and
// the ROMs inside its .zip and .7z archives, a row each, in name order, each header read once.
// A pipe or device with a matching name is passed over without ever being waited on.
RomFolderRead readRomFolder(const QString& directory, const RomListProgress& progress = {});
