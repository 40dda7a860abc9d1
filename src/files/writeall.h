#pragma once

#include <QByteArray>
#include <QString>

// Writes all of `bytes` to `fd`, again after a short write or an interrupted one. Returns "" on
// success, else why not: the system's words, or how much a full disk let through.
QString writeAll(int fd, const QByteArray& bytes);
