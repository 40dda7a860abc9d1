#include "zippedrom.h"

#include "printable.h"
#include "regularfile.h"

#include <QStringList>

#include <cstring>
#include <strings.h>

#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <zip.h>

namespace {

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

ZippedRom failure(const QString& why) {
    return {{}, {}, why};
}

// An entry's name as the user may read it: a control character would break a message's
// lines, so it shows as "?".
QString shownName(const char* name) {
    return printable(QString::fromUtf8(name));
}

QString libzipReason(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString reason = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return reason;
}

QString damaged(const QString& reason) {
    return QStringLiteral("it is not a zip file, or it is damaged (%1)").arg(reason);
}

bool isRomName(const char* name) {
    const qsizetype length = qsizetype(std::strlen(name));
    return length > 3 && name[length - 1] != '/' && ::strcasecmp(name + length - 3, ".gb") == 0;
}

// The one ROM entry's index, or why there is none to take.
std::pair<zip_int64_t, QString> findRomEntry(zip_t* archive) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    QStringList roms;
    zip_int64_t found = -1;
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(archive, zip_uint64_t(index), ZIP_FL_ENC_GUESS);
        if (name && isRomName(name)) {
            roms << shownName(name);
            found = index;
        }
    }
    if (roms.isEmpty())
        return {-1, QStringLiteral("it holds no Game Boy ROM (no file ending in .gb)")};
    if (roms.size() > 1) {
        // A collection zipped whole would make a message no window can show: the first few.
        constexpr int kNamed = 5;
        QString named = roms.mid(0, kNamed).join(QStringLiteral(", "));
        if (roms.size() > kNamed)
            named += QStringLiteral(" and %1 more").arg(roms.size() - kNamed);
        return {-1, QStringLiteral("it holds %1 Game Boy ROMs, and only one can be played from "
                                   "a zip: %2")
                        .arg(roms.size())
                        .arg(named)};
    }
    return {found, {}};
}

// Inflates the entry, never past the cap: a header may claim less than the data holds.
ZippedRom inflateEntry(zip_t* archive, zip_int64_t index) {
    ZippedRom read;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0)
        return failure(damaged(QString::fromUtf8(zip_strerror(archive))));
    read.entryName = shownName(stat.name);
    const QString named = QStringLiteral("its ROM %1 ").arg(read.entryName);
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return failure(named + QStringLiteral("is encrypted"));
    const QString tooLarge = named + QStringLiteral("is larger than 8 MiB, the largest a Game "
                                                    "Boy ROM can be");
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(kMaxRomSize))
        return failure(tooLarge);
    const Entry entry(zip_fopen_index(archive, zip_uint64_t(index), 0));
    if (!entry) {
        const int code = zip_error_code_zip(zip_get_error(archive));
        return failure(code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD
                           ? named + QStringLiteral("is encrypted")
                           : named + QStringLiteral("cannot be read (%1)").arg(libzipReason(code)));
    }
    QByteArray bytes(kMaxRomSize + 1, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < bytes.size()) {
        const zip_int64_t got =
            zip_fread(entry.get(), bytes.data() + filled, zip_uint64_t(bytes.size() - filled));
        if (got < 0) {
            const int code = zip_error_code_zip(zip_file_get_error(entry.get()));
            return failure(code == ZIP_ER_CRC
                               ? named + QStringLiteral("is damaged: its checksum does not match")
                               : named + QStringLiteral("is damaged (%1)").arg(libzipReason(code)));
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > kMaxRomSize)
        return failure(tooLarge);
    bytes.truncate(filled);
    read.rom = std::move(bytes);
    return read;
}

ZippedRom readArchive(zip_t* archive) {
    const auto [index, why] = findRomEntry(archive);
    if (index < 0)
        return failure(why);
    return inflateEntry(archive, index);
}

} // namespace

bool isZipPath(const QString& path) {
    return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

ZippedRom readZippedRom(const QString& path) {
    const RegularFileOpen file = openRegularAt(AT_FDCWD, QFile::encodeName(path).constData());
    if (file.fd < 0)
        return failure(file.error);
    // libzip seeks and reads the descriptor itself: it must block, as a regular file does.
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);
    int code = 0;
    const Archive archive(zip_fdopen(file.fd, 0, &code));
    if (!archive) {
        ::close(file.fd); // zip_fdopen keeps it only when it succeeds
        return failure(damaged(libzipReason(code)));
    }
    return readArchive(archive.get());
}

ZippedRom readZippedRomBytes(const QByteArray& zip) {
    // libzip takes no bytes as an archive of nothing, an empty file as no zip: as the file.
    if (zip.isEmpty())
        return failure(damaged(libzipReason(ZIP_ER_NOZIP)));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(zip.constData(), zip_uint64_t(zip.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return failure(damaged(QStringLiteral("out of memory")));
    }
    const Archive archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    if (!archive) {
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_source_free(source);
        zip_error_fini(&error);
        return failure(damaged(reason));
    }
    zip_error_fini(&error);
    return readArchive(archive.get());
}
