#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Splits a fuzz input into fields at NUL bytes, each read as UTF-8 (or Latin-1 when it is not),
// so one input can fill several settings.
inline QStringList fuzzFields(const uint8_t* data, size_t size, int count) {
    QStringList fields;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\0');
    for (int i = 0; i < count; ++i)
        fields << (i < parts.size() ? QString::fromUtf8(parts[i]) : QString());
    return fields;
}

// The input as the whole content of a file of that name in a folder kept for the run; "" when
// it cannot be written.
inline QString fuzzFile(const QString& name, const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return {};
    return path;
}

// A broken invariant: say which, then abort so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__,           \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
