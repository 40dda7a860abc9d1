#include "folderlisting.h"

#include "nameorder.h"

#include "namepattern.h"
#include "openfolder.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace {

bool entryIs(int folder, const dirent* entry, FolderEntries kind) {
    unsigned char type = entry->d_type;
    if (type == DT_UNKNOWN || type == DT_LNK) {
        struct stat status {};
        if (::fstatat(folder, entry->d_name, &status, 0) != 0)
            return false;
        type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    return kind == FolderEntries::Folders ? type == DT_DIR : type == DT_REG;
}

void sortByName(QStringList& names) {
    QStringList sorted;
    sorted.reserve(names.size());
    for (const qsizetype at : nameOrder(names))
        sorted << names[at];
    names = std::move(sorted);
}

} // namespace

FolderListing listFolder(const QString& path, FolderEntries kind, const QString& pattern) {
    FolderListing listing;
    OpenFolder folder(path);
    if (!folder.isOpen()) {
        listing.error = folder.error();
        return listing;
    }
    const bool filtered = kind == FolderEntries::Files && !pattern.isEmpty();
    const NamePattern match(filtered ? pattern : QStringLiteral("*"));
    const unsigned char wanted = kind == FolderEntries::Folders ? DT_DIR : DT_REG;
    while (const dirent* entry = folder.next()) {
        if (entry->d_name[0] == '.') // hidden, and "." and ".."
            continue;
        // Where the listing tells the type, the other kind is passed over before any decoding.
        if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK && entry->d_type != wanted)
            continue;
        bool valid = true;
        const QString name = decodeEntryName(entry->d_name, valid);
        if (filtered && !match.matches(name))
            continue;
        if (!entryIs(folder.descriptor(), entry, kind))
            continue;
        (valid ? listing.names : listing.unusable) << name;
    }
    sortByName(listing.names);
    sortByName(listing.unusable);
    return listing;
}

QString decodeEntryName(const char* name, bool& valid) {
    const QByteArrayView bytes(name, qsizetype(std::strlen(name)));
    valid = true;
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8.decode(bytes);
    valid = !utf8.hasError();
    return decoded;
}
