#pragma once

#include <QFile>
#include <QString>

// A regular file opened for reading, or why not. The type is looked up before the open, so no
// device, pipe or socket is ever opened (opening some devices has effects), and checked again
// on what was opened, for a file swapped meanwhile; a link to a regular file counts.
struct RegularFileOpen {
    int fd = -1;            // to be closed by the caller; -1 when not opened
    qint64 size = 0;        // known also when only the open failed
    bool wrongType = false; // a folder, pipe, device or socket stands there
    QString error;          // why it was not opened
};
// `folder` is a descriptor for openat (AT_FDCWD: `name` is a path). `listedType` is the type a
// folder listing gave the entry (a dirent's d_type): a regular file is opened at once, without
// a look-up; anything else (unknown, a link) is looked up first. The descriptor is opened
// non-blocking, which a regular file ignores.
RegularFileOpen openRegularAt(int folder, const char* name, unsigned char listedType = 0);

// Opens `path` for reading when it is a regular file. Returns "" on success, else why the
// file cannot be read; `file` is then left closed.
QString openRegularFile(QFile& file, const QString& path);

// Whether anything stands at `path` itself, a dangling link included (a link is not followed).
bool somethingStandsAt(const QString& path);

// The system's words for an error number.
QString systemReason(int error);
