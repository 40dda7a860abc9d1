#pragma once

#include <QByteArray>

#include <dirent.h>

// The baseline of the folder benchmarks: every entry's name looked at once, as any listing must.
inline int bareDirectoryRead(const QByteArray& path) {
    DIR* dir = opendir(path.constData());
    int count = 0;
    while (const dirent* entry = readdir(dir))
        count += entry->d_name[0] != '.';
    closedir(dir);
    return count;
}
