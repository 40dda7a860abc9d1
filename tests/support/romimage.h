#pragma once

#include <QByteArray>
#include <QFile>

#include <algorithm>

// A synthesized cartridge image: `size` bytes of filler with the given header fields.
inline QByteArray romImage(const QByteArray& title, quint8 type, quint8 size, int length = 0x8000) {
    QByteArray image(std::max(length, 0x150), char(0xFF));
    QByteArray field = title.left(16);
    field.append(QByteArray(16 - field.size(), '\0'));
    image.replace(0x134, 16, field);
    image[0x147] = char(type);
    image[0x148] = char(size);
    return image.left(length);
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A small file whose content does not matter.
inline void touch(const QString& path) {
    writeFile(path, "x");
}

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
