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

// Reads a regular file's lines; a pipe, device or folder is refused, never waited on.
TextRead readTextLines(const QString& path);

// Writes every line followed by CR LF through a temporary file renamed over the old one.
// Returns "" on success, else why not; the old file then stays whole.
QString writeTextLines(const QString& path, const QStringList& lines);
