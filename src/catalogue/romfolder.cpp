#include "romfolder.h"

#include "folderlisting.h"
#include "nameorder.h"
#include "openfolder.h"
#include "regularfile.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <unistd.h>

namespace {

constexpr int kProgressEvery = 64;

bool isRomName(const char* name) {
    if (name[0] == '.')
        return false; // hidden, and "." and ".."
    const size_t length = std::strlen(name);
    return length >= 3 && ::strcasecmp(name + length - 3, ".gb") == 0;
}

// Opened relative to the folder, so a long folder path is resolved once, not per ROM.
std::optional<RomListRow> readRom(int folder, const char* name, unsigned char listedType) {
    const RegularFileOpen opened = openRegularAt(folder, name, listedType);
    if (opened.wrongType)
        return std::nullopt;
    RomListRow row;
    bool utf8 = true;
    row.fileName = decodeEntryName(name, utf8);
    if (!utf8)
        row.rawName = QByteArray(name); // the link must name these bytes, not the decoded name
    row.fileSize = opened.size;
    if (opened.fd < 0)
        return row; // listed without a header: it matched the pattern, the user should see it
    char header[kHeaderLength];
    if (::pread(opened.fd, header, sizeof header, kTitleOffset) == qint64(sizeof header))
        row.info = cartridgeInfoOf(QByteArray::fromRawData(header, sizeof header));
    ::close(opened.fd);
    return row;
}

} // namespace

RomFolderRead readRomFolder(const QString& directory, const RomListProgress& progress) {
    RomFolderRead read;
    OpenFolder folder(directory);
    if (!folder.isOpen()) {
        read.error = folder.error();
        return read;
    }
    while (const dirent* entry = folder.next()) {
        if (!isRomName(entry->d_name))
            continue;
        if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_REG && entry->d_type != DT_LNK)
            continue; // a folder, pipe or device: no need to open it to know
        if (std::optional<RomListRow> row =
                readRom(folder.descriptor(), entry->d_name, entry->d_type))
            read.rows.push_back(std::move(*row));
        if (progress && read.rows.size() % kProgressEvery == 0 &&
            !progress(int(read.rows.size()))) {
            read.cancelled = true;
            break;
        }
    }
    // The directory's own order is a hash order on our file systems: lists come in name order.
    QStringList names;
    for (const RomListRow& row : read.rows)
        names << row.fileName;
    std::vector<RomListRow> sorted;
    sorted.reserve(read.rows.size());
    for (const qsizetype at : nameOrder(names))
        sorted.push_back(std::move(read.rows[size_t(at)]));
    read.rows = std::move(sorted);
    return read;
}
