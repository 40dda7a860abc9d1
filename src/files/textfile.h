#pragma once

#include <QString>
#include <QStringList>

// The lines of a text file, or why it could not be read.
struct TextRead {
    QStringList lines;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};

// Text as the launcher reads it: UTF-8, or Latin-1 when the bytes are not valid UTF-8 (files
// written on an 8-bit system). CR LF, LF and a lone CR each end a line; the last line needs no
// line end.
QStringList splitTextLines(const QByteArray& bytes);

// Far more than any of the launcher's own text files holds (a .Zemplo file, a per-ROM .cfg, a
// launch folder's records): a larger one is refused before it is read.
inline constexpr qint64 kTextFileLimit = 64 * 1024;

// Reads a regular file's lines; a pipe, device or folder is refused, never waited on, and so
// is a file of more than `maxBytes` bytes, without reading it.
TextRead readTextLines(const QString& path, qint64 maxBytes = kTextFileLimit);

// Writes every line followed by CR LF through a temporary file renamed over the old one; a
// link in the file's place is replaced, never written through.
// Returns "" on success, else why not; the old file then stays whole.
QString writeTextLines(const QString& path, const QStringList& lines);
