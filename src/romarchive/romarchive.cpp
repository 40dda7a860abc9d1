#include "romarchive.h"

#include "printable.h"
#include "regularfile.h"

#include <archive.h>
#include <archive_entry.h>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

constexpr int kNamed = 5;
// A solid 7z decodes every file before the one read. A header read goes that far only while
// each file before it could be a ROM and all of them together stay below this: a ROM after a
// 100 MiB file is refused at once instead of after seconds of decoding. (bench_archive's solid
// 7z figure keeps this honest.)
constexpr qint64 kMaxDecodedBefore = 64 * 1024 * 1024;

struct ArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};
using Reader = std::unique_ptr<archive, ArchiveCloser>;

// Where an archive comes from: a descriptor of a regular file, or bytes in memory.
struct Source {
    int fd = -1;
    const QByteArray* bytes = nullptr;
};

QString libarchiveReason(archive* a) {
    const char* text = archive_error_string(a);
    return text ? printable(QString::fromUtf8(text)) : QStringLiteral("unknown error");
}

QString damaged(const QString& reason) {
    return QStringLiteral("it is not a zip or 7z archive, or it is damaged (%1)").arg(reason);
}

Reader openReader(const Source& source, QString& error) {
    Reader reader(archive_read_new());
    archive* a = reader.get();
    archive_read_support_format_zip_seekable(a);
    archive_read_support_format_7zip(a);
    const int opened = source.bytes ? archive_read_open_memory(a, source.bytes->constData(),
                                                               size_t(source.bytes->size()))
                                    : archive_read_open_fd(a, source.fd, 64 * 1024);
    if (opened != ARCHIVE_OK) {
        // libarchive takes an empty file for an empty archive of no format: no archive at all.
        error = damaged(libarchiveReason(a));
        return {};
    }
    return reader;
}

QString entryName(archive_entry* entry) {
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char* raw = archive_entry_pathname(entry);
    return raw ? QString::fromUtf8(raw) : QString();
}

bool isRomEntry(archive_entry* entry, const QString& name) {
    if (archive_entry_filetype(entry) != AE_IFREG || name.endsWith(QLatin1Char('/')))
        return false;
    if (!name.endsWith(QLatin1String(".gb"), Qt::CaseInsensitive))
        return false;
    // What the Finder adds beside each file: __MACOSX/._Game.gb, or ._Game.gb itself.
    const QStringList parts =
        QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    return !parts.contains(QLatin1String("__MACOSX")) && !parts.last().startsWith(QLatin1Char('.'));
}

// Why libarchive stopped inside an entry, said of the ROM `named`.
QString entryProblem(archive* a, const QString& named) {
    const QString reason = libarchiveReason(a);
    if (reason.contains(QLatin1String("CRC"), Qt::CaseInsensitive))
        return named + QStringLiteral("is damaged: its checksum does not match");
    if (reason.contains(QLatin1String("encrypt"), Qt::CaseInsensitive) ||
        reason.contains(QLatin1String("passphrase"), Qt::CaseInsensitive))
        return named + QStringLiteral("is encrypted");
    if (reason.contains(QLatin1String("nsupported"), Qt::CaseInsensitive) ||
        reason.contains(QLatin1String("codec"), Qt::CaseInsensitive))
        return named + QStringLiteral("is packed with a method this program cannot unpack (%1); "
                                      "re-packing the archive with Deflate or LZMA plays it")
                           .arg(reason);
    return named + QStringLiteral("is damaged (%1)").arg(reason);
}

QString tooLarge(const QString& named) {
    return named + QStringLiteral("is larger than 8 MiB, the largest a Game Boy ROM can be");
}

// Reads up to `length` bytes of the current entry, never past the cap.
void readEntry(archive* a, archive_entry* entry, qint64 length, ArchivedRom& rom) {
    const QString named = QStringLiteral("its ROM %1 ").arg(printable(rom.name));
    if (archive_entry_is_encrypted(entry)) {
        rom.error = named + QStringLiteral("is encrypted");
        return;
    }
    if (rom.size > kMaxRomSize) {
        rom.error = tooLarge(named);
        return;
    }
    const qint64 wanted = std::min(length, kMaxRomSize + 1);
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < wanted) {
        const la_ssize_t got = archive_read_data(a, bytes.data() + filled, size_t(wanted - filled));
        if (got < 0) {
            rom.error = entryProblem(a, named);
            return;
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > kMaxRomSize) {
        rom.error = tooLarge(named);
        return;
    }
    if (rom.size >= 0 && filled != std::min(rom.size, wanted)) {
        rom.error =
            named + QStringLiteral("is damaged: it holds %1 bytes where its archive says %2")
                        .arg(filled)
                        .arg(rom.size);
        return;
    }
    bytes.truncate(filled);
    rom.bytes = std::move(bytes);
}

// How many bytes of each ROM to read, by its place among the archive's ROMs and its name:
// 0 reads none, a negative number ends the pass.
using Wanted = std::function<qint64(int romIndex, const QString& name)>;

ArchiveContents scan(const Source& source, const Wanted& wanted) {
    ArchiveContents contents;
    QString error;
    const Reader reader = openReader(source, error);
    if (!reader) {
        contents.error = error;
        return contents;
    }
    archive* a = reader.get();
    // What a solid 7z would decode before the next ROM read: every file passed over so far.
    qint64 passedOver = 0, largestPassed = 0;
    QString largestName;
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(a, &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN) {
            const QString reason = libarchiveReason(a);
            contents.error = reason.contains(QLatin1String("encrypt"), Qt::CaseInsensitive)
                                 ? QStringLiteral("it is encrypted (%1)").arg(reason)
                                 : damaged(reason);
            return contents;
        }
        const QString name = entryName(entry);
        const qint64 size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
        if (!isRomEntry(entry, name)) {
            if (archive_entry_filetype(entry) != AE_IFDIR) {
                if (contents.otherCount++ < kNamed)
                    contents.others << printable(name);
                passedOver += std::max<qint64>(size, 0);
                if (size > largestPassed)
                    largestPassed = size, largestName = name;
            }
            continue;
        }
        ArchivedRom rom{name, size, {}, {}};
        const qint64 length = wanted(int(contents.roms.size()), name);
        if (length < 0)
            break;
        const bool solid = (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_7ZIP;
        if (length > 0 && solid && (largestPassed > kMaxRomSize || passedOver > kMaxDecodedBefore))
            rom.error =
                QStringLiteral("its ROM %1 is packed after %2 MiB of other files (%3 the largest), "
                               "more than is unpacked to reach one ROM; re-packing the archive "
                               "without solid blocks (7z a -ms=off) makes it readable")
                    .arg(printable(name))
                    .arg((passedOver + (1 << 20) - 1) >> 20)
                    .arg(printable(largestName));
        else if (length > 0)
            readEntry(a, entry, length, rom);
        passedOver += std::max<qint64>(size, 0) - rom.bytes.size();
        if (size > largestPassed)
            largestPassed = size, largestName = name;
        contents.roms.push_back(std::move(rom));
    }
    return contents;
}

ArchiveContents scanDescriptor(int fd, const Wanted& wanted) {
    // libarchive seeks and reads the descriptor itself: it must block, as a regular file does.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    ::lseek(fd, 0, SEEK_SET);
    return scan({fd, nullptr}, wanted);
}

ArchiveContents scanFile(const QString& path, const Wanted& wanted) {
    const RegularFileOpen file = openRegularAt(AT_FDCWD, QFile::encodeName(path).constData());
    if (file.fd < 0) {
        ArchiveContents contents;
        contents.error = file.error;
        return contents;
    }
    ArchiveContents contents = scanDescriptor(file.fd, wanted);
    ::close(file.fd);
    return contents;
}

QStringList shownNames(const std::vector<ArchivedRom>& roms) {
    QStringList names;
    for (const ArchivedRom& rom : roms)
        names << printable(rom.name);
    return names;
}

// The one ROM that `entry` names (or the only one), from a first pass that decodes nothing;
// then a second pass reads it alone.
ArchivedRom readOne(const std::function<ArchiveContents(const Wanted&)>& pass, const QString& entry,
                    qint64 length) {
    const ArchiveContents listed = pass([](int, const QString&) { return 0; });
    ArchivedRom failed;
    if (!listed.error.isEmpty()) {
        failed.error = listed.error;
        return failed;
    }
    const QStringList names = shownNames(listed.roms);
    const int count = int(names.size());
    int index = -1;
    if (entry.isEmpty() && count == 1)
        index = 0;
    for (int i = 0; i < count && !entry.isEmpty() && index < 0; ++i)
        if (listed.roms[size_t(i)].name == entry)
            index = i;
    if (index < 0) {
        if (count == 0)
            failed.error =
                listed.otherCount == 0
                    ? QStringLiteral(
                          "it holds no Game Boy ROM (no file ending in .gb): it is empty")
                    : QStringLiteral("it holds no Game Boy ROM (no file ending in .gb), only %1")
                          .arg(firstFive(listed.others, listed.otherCount));
        else if (!entry.isEmpty())
            failed.error = QStringLiteral("it holds no ROM named %1; its ROMs are %2")
                               .arg(printable(entry), firstFive(names, count));
        else
            failed.error = QStringLiteral("it holds %1 Game Boy ROMs: %2. Name the one to play "
                                          "after a # (ARCHIVE#ROM), or pick it in the ROM window")
                               .arg(count)
                               .arg(firstFive(names, count));
        return failed;
    }
    ArchiveContents read = pass([index, length](int at, const QString&) -> qint64 {
        return at < index ? 0 : at == index ? length : -1;
    });
    if (!read.error.isEmpty() || read.roms.size() <= size_t(index)) {
        failed.error =
            read.error.isEmpty() ? damaged(QStringLiteral("it changed while read")) : read.error;
        return failed;
    }
    return std::move(read.roms[size_t(index)]);
}

} // namespace

QString firstFive(const QStringList& names, int count) {
    QString named = names.mid(0, kNamed).join(QStringLiteral(", "));
    if (count > kNamed)
        named += QStringLiteral(" and %1 more").arg(count - kNamed);
    return named;
}

ArchiveContents listArchive(const QString& path) {
    return scanFile(path, [](int, const QString&) { return 0; });
}

ArchiveContents readArchiveHeads(int fd, qint64 length) {
    return scanDescriptor(fd, [length](int, const QString&) { return length; });
}

ArchivedRom readArchivedRom(const QString& path, const QString& entry, qint64 length) {
    return readOne([&](const Wanted& wanted) { return scanFile(path, wanted); }, entry, length);
}

ArchivedRom readArchivedRomBytes(const QByteArray& archive, const QString& entry, qint64 length) {
    return readOne(
        [&](const Wanted& wanted) {
            return scan({-1, &archive}, wanted);
        },
        entry, length);
}
