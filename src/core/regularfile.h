#pragma once

#include <QFile>
#include <QString>

// Opens `path` for reading when it is a regular file (a link to one counts). A named pipe,
// a device or a socket is refused without ever blocking on it. Returns "" on success, else
// why the file cannot be read; `file` is then left closed.
QString openRegularFile(QFile& file, const QString& path);
