#pragma once

// Archives written by libarchive itself, in any format and method it writes: "zip" or "7zip",
// with options such as "7zip:compression=ppmd". A 7z it writes is solid: one block for all.
#include <QByteArray>
#include <QList>

#include <archive.h>
#include <archive_entry.h>

struct ArchiveEntry {
    QByteArray name;
    QByteArray data;
};

inline QByteArray buildArchive(const char* format, const char* options,
                               const QList<ArchiveEntry>& entries) {
    QByteArray out;
    archive* a = archive_write_new();
    archive_write_set_format_by_name(a, format);
    archive_write_set_options(a, options);
    const auto write = [](archive*, void* sink, const void* data, size_t size) -> la_ssize_t {
        static_cast<QByteArray*>(sink)->append(static_cast<const char*>(data), qsizetype(size));
        return la_ssize_t(size);
    };
    archive_write_open(a, &out, nullptr, write, nullptr);
    for (const ArchiveEntry& e : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.name.constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, e.data.size());
        archive_write_header(a, entry);
        archive_write_data(a, e.data.constData(), size_t(e.data.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    return out;
}
