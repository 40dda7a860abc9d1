#include "romarchive.h"

#include "archivepath.h"

#include "printable.h"
#include "regularfile.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
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

// Where an archive comes from, a descriptor of a regular file or bytes in memory, handed to
// libarchive a kilobyte at a time at first: its decoders then unpack no more than the little
// they are given for a header, where a larger block would have them unpack the whole ROM. What
// is handed out grows as a run of reads without a seek goes on, for a whole ROM or a solid
// block's files. The file is
// read in larger windows, so that a small zip costs a read or two. (bench_archive's list of
// 10,000 zips and its solid 7z keep these sizes.)
class Source {
public:
    explicit Source(int fd) : m_fd(fd) {}
    explicit Source(const QByteArray& bytes) : m_window(bytes), m_size(bytes.size()) {}

    qint64 size() {
        if (m_size < 0) {
            struct stat status {};
            m_size = ::fstat(m_fd, &status) == 0 ? status.st_size : 0;
        }
        return m_size;
    }

    static la_ssize_t read(archive*, void* self, const void** block) {
        auto* source = static_cast<Source*>(self);
        return source->next(block);
    }
    static la_int64_t seek(archive*, void* self, la_int64_t offset, int whence) {
        auto* source = static_cast<Source*>(self);
        const qint64 base = whence == SEEK_SET   ? 0
                            : whence == SEEK_CUR ? source->m_at
                                                 : source->size();
        if (base + offset < 0)
            return ARCHIVE_FATAL;
        if (base + offset != source->m_at)
            source->m_handed = 0; // a new run of reads starts small again
        source->m_at = base + offset;
        return source->m_at;
    }
    static la_int64_t skip(archive* a, void* self, la_int64_t request) {
        return seek(a, self, request, SEEK_CUR) < 0 ? 0 : request;
    }

private:
    static constexpr qint64 kFirstHandedOut = 1024;
    static constexpr qint64 kFirstWindow = 32 * 1024;
    static constexpr qint64 kLargestWindow = 1024 * 1024;

    la_ssize_t next(const void** block) {
        if (m_at < m_windowStart || m_at >= m_windowStart + m_window.size()) {
            if (m_fd < 0) // the bytes in memory are the one window
                return 0;
            const qint64 window = std::clamp(m_handed, kFirstWindow, kLargestWindow);
            m_window.resize(window);
            la_ssize_t got;
            do
                got = ::pread(m_fd, m_window.data(), size_t(window), m_at);
            while (got < 0 && errno == EINTR);
            if (got <= 0) {
                m_window.clear();
                return got < 0 ? ARCHIVE_FATAL : 0;
            }
            m_window.truncate(got);
            m_windowStart = m_at;
        }
        const qint64 offset = m_at - m_windowStart;
        const qint64 handed =
            std::min(std::max(kFirstHandedOut, m_handed / 8), m_window.size() - offset);
        *block = m_window.constData() + offset;
        m_at += handed;
        m_handed += handed;
        return la_ssize_t(handed);
    }

    int m_fd = -1;
    QByteArray m_window;
    qint64 m_windowStart = 0;
    qint64 m_at = 0;
    qint64 m_handed = 0;
    qint64 m_size = -1;
};

QString libarchiveReason(archive* a) {
    const char* text = archive_error_string(a);
    return text ? printable(QString::fromUtf8(text)) : QStringLiteral("unknown error");
}

QString damaged(const QString& reason) {
    return QStringLiteral("it is not a zip or 7z archive, or it is damaged (%1)").arg(reason);
}

Reader openReader(Source& source, QString& error) {
    Reader reader(archive_read_new());
    archive* a = reader.get();
    archive_read_support_format_zip_seekable(a);
    archive_read_support_format_7zip(a);
    archive_read_set_seek_callback(a, &Source::seek);
    if (archive_read_open2(a, &source, nullptr, &Source::read, &Source::skip, nullptr) !=
        ARCHIVE_OK) {
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
    if (!isRomFileName(name))
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

// What a pass over an archive reads: `length` bytes of each ROM (0: none, the directory alone),
// or of the one ROM `only` when it is set, the pass ending there.
struct Pass {
    qint64 length = 0;
    int only = -1;
};

QString packedTooFar(const QString& name, qint64 before, const QString& largest) {
    return QStringLiteral("its ROM %1 is packed after %2 MiB of other files (%3 the largest), more "
                          "than is unpacked to reach one ROM; re-packing the archive without "
                          "solid blocks (7z a -ms=off) makes it readable")
        .arg(printable(name))
        .arg((before + (1 << 20) - 1) >> 20)
        .arg(printable(largest));
}

// A solid 7z unpacks every file before the one read, and libarchive 3.6 loses its place when
// it skips a file whose size is a multiple of 64 KiB (most ROMs) and then reads a later one
// ("Truncated 7-Zip file body"). So a pass that reads a 7z reads each file before its ROM to
// the end itself, as the skip would have; it stops where the files passed would exceed what a
// header may cost. Returns false there.
class SolidPassage {
public:
    bool passOver(archive* a, const QString& name, qint64 size) {
        if (size > kMaxRomSize || m_passed + std::max<qint64>(size, 0) > kMaxDecodedBefore) {
            m_largest = std::max(m_largest, size);
            if (size >= m_largest)
                m_largestName = name;
            m_passed += std::max<qint64>(size, 0);
            return false;
        }
        qint64 got = 0;
        const void* block = nullptr;
        size_t length = 0;
        la_int64_t offset = 0;
        while (archive_read_data_block(a, &block, &length, &offset) == ARCHIVE_OK)
            if ((got += qint64(length)) > kMaxRomSize)
                return false;
        m_passed += got;
        if (got >= m_largest)
            m_largest = got, m_largestName = name;
        return true;
    }
    QString tooFar(const QString& rom) const { return packedTooFar(rom, m_passed, m_largestName); }

private:
    qint64 m_passed = 0, m_largest = 0;
    QString m_largestName;
};

ArchiveContents scan(Source& source, const Pass& pass) {
    ArchiveContents contents;
    QString error;
    const Reader reader = openReader(source, error);
    if (!reader) {
        contents.error = error;
        return contents;
    }
    archive* a = reader.get();
    SolidPassage passage;
    bool stopped = false; // past what may be unpacked: ROMs are still listed, none read
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
        const bool sevenZip = (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_7ZIP;
        const bool drains = sevenZip && pass.length > 0 && !stopped;
        const QString name = entryName(entry);
        const qint64 size = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1;
        if (!isRomEntry(entry, name)) {
            if (archive_entry_filetype(entry) != AE_IFDIR && contents.otherCount++ < kNamed)
                contents.others << printable(name);
            if (drains && !passage.passOver(a, name, size))
                stopped = true;
            continue;
        }
        const int index = int(contents.roms.size());
        ArchivedRom rom{name, size, {}, {}};
        const bool wanted = pass.length > 0 && (pass.only < 0 || pass.only == index);
        if (wanted && stopped)
            rom.error = passage.tooFar(name);
        else if (wanted)
            readEntry(a, entry, pass.length, rom);
        contents.roms.push_back(std::move(rom));
        if (index == pass.only)
            break;
        if (drains && !stopped && !passage.passOver(a, name, size))
            stopped = true;
    }
    return contents;
}

ArchiveContents scanDescriptor(int fd, const Pass& pass) {
    // libarchive seeks and reads the descriptor itself: it must block, as a regular file does.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    Source source(fd);
    return scan(source, pass);
}

ArchiveContents scanFile(const QString& path, const Pass& pass) {
    const RegularFileOpen file = openRegularAt(AT_FDCWD, QFile::encodeName(path).constData());
    if (file.fd < 0) {
        ArchiveContents contents;
        contents.error = file.error;
        return contents;
    }
    ArchiveContents contents = scanDescriptor(file.fd, pass);
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
// then a second pass reads it alone and ends there. One pass would not do: the archive's only
// ROM is known to be the only one at the archive's end, and going on past a ROM read in a solid
// block decodes the rest of it.
ArchivedRom readOne(const std::function<ArchiveContents(const Pass&)>& scanned,
                    const QString& entry, qint64 length) {
    const ArchiveContents listed = scanned({});
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
    ArchiveContents read = scanned({length, index});
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
    return scanFile(path, {});
}

ArchiveContents readArchiveHeads(int fd, qint64 length) {
    return scanDescriptor(fd, {length, -1});
}

ArchivedRom readArchivedRom(const QString& path, const QString& entry, qint64 length) {
    return readOne([&](const Pass& pass) { return scanFile(path, pass); }, entry, length);
}

ArchivedRom readArchivedRomBytes(const QByteArray& archive, const QString& entry, qint64 length) {
    return readOne(
        [&](const Pass& pass) {
            Source source(archive);
            return scan(source, pass);
        },
        entry, length);
}
