#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as a new regular file in `path`'s folder and renames it over `path`, so a
// failed write leaves the old file whole. Whatever stands at `path` is replaced, never
// written through: a symbolic link there (dangling or not) becomes the new file and its target
// stays untouched. An existing file's permissions are kept. Returns "" on success, else why not.
QString replaceFile(const QString& path, const QByteArray& bytes);
