#pragma once

// Zips made byte by byte, so that a test can make the broken ones too: a wrong checksum, a size
// that lies, an encrypted entry, any name.
#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <zlib.h>

struct ZipEntry {
    QByteArray name;
    QByteArray data;
    bool deflate = false;
    bool encrypted = false; // only the flag: the reader must refuse it unread
    bool wrongChecksum = false;
    qint64 claimedSize = -1; // the inflated size the headers claim, when not the real one
    qint64 hole = 0;         // bytes after `data` left unwritten (see writeZip)
};

inline void putLe(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// What a zip entry holds for `data`: raw deflate (zlib's stream without header and trailer).
inline QByteArray rawDeflate(const QByteArray& data) {
    const QByteArray zlib = qCompress(data).mid(4); // past Qt's size prefix
    return zlib.mid(2, zlib.size() - 6);
}

// Writes the zip to `out` from its current position. An entry with a `hole` stores that many
// bytes it never writes: a file gets a sparse zip of any size, read only where asked.
inline void writeZip(QIODevice& out, const QList<ZipEntry>& entries) {
    QByteArray central;
    for (const ZipEntry& e : entries) {
        const QByteArray stored = e.deflate ? rawDeflate(e.data) : e.data;
        quint32 crc = quint32(
            crc32(0, reinterpret_cast<const Bytef*>(e.data.constData()), uInt(e.data.size())));
        if (e.wrongChecksum)
            crc ^= 1;
        const quint32 size = quint32(e.claimedSize >= 0 ? e.claimedSize : e.data.size() + e.hole);
        QByteArray common;
        putLe(common, 20, 2);                            // version needed
        putLe(common, (e.encrypted ? 1 : 0) | 0x800, 2); // flags: encrypted, UTF-8 name
        putLe(common, e.deflate ? 8 : 0, 2);             // method
        putLe(common, 0, 4);                             // time and date
        putLe(common, crc, 4);
        putLe(common, quint32(stored.size() + e.hole), 4);
        putLe(common, size, 4);
        putLe(common, quint32(e.name.size()), 2);
        putLe(common, 0, 2); // extra field
        const quint32 offset = quint32(out.pos());
        QByteArray local;
        putLe(local, 0x04034b50, 4);
        out.write(local + common + e.name + stored);
        out.seek(out.pos() + e.hole);
        putLe(central, 0x02014b50, 4);
        putLe(central, 20, 2); // made by
        central += common;
        putLe(central, 0, 2); // comment
        putLe(central, 0, 2); // disk
        putLe(central, 0, 2); // internal attributes
        putLe(central, 0, 4); // external attributes
        putLe(central, offset, 4);
        central += e.name;
    }
    QByteArray end;
    putLe(end, 0x06054b50, 4);
    putLe(end, 0, 4);
    putLe(end, quint32(entries.size()), 2);
    putLe(end, quint32(entries.size()), 2);
    putLe(end, quint32(central.size()), 4);
    putLe(end, quint32(out.pos()), 4);
    putLe(end, 0, 2);
    out.write(central + end);
}

inline QByteArray buildZip(const QList<ZipEntry>& entries) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeZip(buffer, entries);
    return buffer.data();
}
