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

// DT_DIR, DT_REG or DT_UNKNOWN (anything else): from the listing where it tells, else looked up.
unsigned char entryType(int folder, const dirent* entry) {
    unsigned char type = entry->d_type;
    if (type == DT_UNKNOWN || type == DT_LNK) {
        struct stat status {};
        if (::fstatat(folder, entry->d_name, &status, 0) != 0)
            return DT_UNKNOWN;
        type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    return type;
}

void sortByName(QStringList& names) {
    QStringList sorted;
    sorted.reserve(names.size());
    for (const qsizetype at : nameOrder(names))
        sorted << names[at];
    names = std::move(sorted);
}

// One read of the folder into the listings asked for (null: that kind is not wanted).
void readFolderInto(const QString& path, FolderListing* folders, FolderListing* files,
                    const QString& pattern) {
    OpenFolder folder(path);
    if (!folder.isOpen()) {
        for (FolderListing* listing : {folders, files})
            if (listing)
                listing->error = folder.error();
        return;
    }
    const NamePattern match(pattern.isEmpty() ? QStringList{QStringLiteral("*")}
                                              : pattern.split(QLatin1Char(';')));
    while (const dirent* entry = folder.next()) {
        if (entry->d_name[0] == '.') // hidden, and "." and ".."
            continue;
        // Where the listing tells the type, an unwanted kind is passed over before any decoding.
        const unsigned char listed = entry->d_type;
        const bool known = listed != DT_UNKNOWN && listed != DT_LNK;
        if (known && !(listed == DT_DIR && folders) && !(listed == DT_REG && files))
            continue;
        bool valid = true;
        const QString name = decodeEntryName(entry->d_name, valid);
        const bool matches = files && match.matches(name);
        if (known && listed == DT_REG && !matches)
            continue;
        const unsigned char type = known ? listed : entryType(folder.descriptor(), entry);
        FolderListing* into = type == DT_DIR              ? folders
                              : type == DT_REG && matches ? files
                                                          : nullptr;
        if (into)
            (valid ? into->names : into->unusable) << name;
    }
    for (FolderListing* listing : {folders, files}) {
        if (!listing)
            continue;
        sortByName(listing->names);
        sortByName(listing->unusable);
    }
}

} // namespace

FolderListing listFolder(const QString& path, FolderEntries kind, const QString& pattern) {
    FolderListing listing;
    const bool folders = kind == FolderEntries::Folders;
    readFolderInto(path, folders ? &listing : nullptr, folders ? nullptr : &listing, pattern);
    return listing;
}

FolderContents listFolderContents(const QString& path, const QString& pattern) {
    FolderContents contents;
    readFolderInto(path, &contents.folders, &contents.files, pattern);
    return contents;
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
