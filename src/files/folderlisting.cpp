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

bool isValidUtf8(const char* name) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(QByteArrayView(name, qsizetype(std::strlen(name))));
    return !utf8.hasError();
}

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
    const QRegularExpression match =
        filtered ? dosPatternExpression(pattern) : QRegularExpression();
    while (const dirent* entry = folder.next()) {
        if (entry->d_name[0] == '.') // hidden, and "." and ".."
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (filtered && !match.match(name).hasMatch())
            continue;
        if (!entryIs(folder.descriptor(), entry, kind))
            continue;
        (isValidUtf8(entry->d_name) ? listing.names : listing.unusable) << name;
    }
    sortByName(listing.names);
    sortByName(listing.unusable);
    return listing;
}
