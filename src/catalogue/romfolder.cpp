#include "romfolder.h"

#include "archivepath.h"
#include "folderlisting.h"
#include "nameorder.h"
#include "openfolder.h"
#include "regularfile.h"
#include "romarchive.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <unistd.h>

namespace {

constexpr int kProgressEvery = 64;

enum class Listed { No, Rom, Archive };

Listed listedAs(const char* name) {
    if (name[0] == '.')
        return Listed::No; // hidden, and "." and ".."
    const QLatin1StringView bytes(name);
    if (isRomFileName(bytes))
        return Listed::Rom;
    return isArchivePath(bytes) ? Listed::Archive : Listed::No;
}

// An archive's rows: one per ROM inside, named by the archive (and the entry when it holds
// several); an archive that cannot be read, or holds no ROM, gets one row that says so.
void addArchiveRows(const RomListRow& archive, int fd, std::vector<RomListRow>& rows) {
    RomListRow row = archive;
    row.archiveName = archive.fileName;
    row.fileSize = 0;
    if (fd < 0) {
        row.note = QStringLiteral("(unreadable archive)");
        rows.push_back(std::move(row));
        return;
    }
    const ArchiveContents contents = readArchiveHeads(fd, kHeaderEnd);
    if (!contents.error.isEmpty() || contents.roms.empty()) {
        row.note = contents.error.isEmpty() ? QStringLiteral("(no ROM inside)")
                                            : QStringLiteral("(unreadable archive)");
        rows.push_back(std::move(row));
        return;
    }
    const bool several = contents.roms.size() > 1;
    for (const ArchivedRom& rom : contents.roms) {
        RomListRow inside = row;
        if (several)
            inside.fileName = joinArchiveRomPath(archive.fileName, rom.name);
        inside.fileSize = rom.size >= 0 ? rom.size : rom.bytes.size();
        if (!rom.error.isEmpty())
            inside.note = QStringLiteral("(unreadable ROM)");
        else if (rom.bytes.size() >= kHeaderEnd)
            inside.info = cartridgeInfoOf(rom.bytes.mid(kTitleOffset));
        rows.push_back(std::move(inside));
    }
}

// Opened relative to the folder, so a long folder path is resolved once, not per ROM.
void readRom(int folder, const char* name, unsigned char listedType, Listed kind,
             std::vector<RomListRow>& rows) {
    const RegularFileOpen opened = openRegularAt(folder, name, listedType);
    if (opened.wrongType)
        return;
    RomListRow row;
    bool utf8 = true;
    row.fileName = decodeEntryName(name, utf8);
    if (!utf8)
        row.rawName = QByteArray(name); // the link must name these bytes, not the decoded name
    row.fileSize = opened.size;
    if (kind == Listed::Archive) {
        addArchiveRows(row, opened.fd, rows);
    } else if (opened.fd >= 0) {
        char header[kHeaderLength];
        if (::pread(opened.fd, header, sizeof header, kTitleOffset) == qint64(sizeof header))
            row.info = cartridgeInfoOf(QByteArray::fromRawData(header, sizeof header));
        rows.push_back(std::move(row));
    } else {
        rows.push_back(std::move(row)); // it matched the pattern: the user should see it
    }
    if (opened.fd >= 0)
        ::close(opened.fd);
}

} // namespace

RomFolderRead readRomFolder(const QString& directory, const RomListProgress& progress) {
    RomFolderRead read;
    OpenFolder folder(directory);
    if (!folder.isOpen()) {
        read.error = folder.error();
        return read;
    }
    size_t reported = 0;
    while (const dirent* entry = folder.next()) {
        const Listed kind = listedAs(entry->d_name);
        if (kind == Listed::No)
            continue;
        if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_REG && entry->d_type != DT_LNK)
            continue; // a folder, pipe or device: no need to open it to know
        readRom(folder.descriptor(), entry->d_name, entry->d_type, kind, read.rows);
        if (progress && read.rows.size() >= reported + kProgressEvery) {
            reported = read.rows.size();
            if (progress(int(reported)))
                continue;
            read.cancelled = true;
            break;
        }
    }
    // A stop asked for after the last report still comes before anything is written.
    if (progress && !read.cancelled && !progress(int(read.rows.size())))
        read.cancelled = true;
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
