// The ROM list export of a folder of 10,000 ROMs against the least any listing must do: open
// each ROM in directory order and read its first 0x149 bytes. Run alternately in one process.
#include "median.h"
#include "romlistexport.h"

#include "romshelf.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

template <typename F> double milliseconds(F work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The baseline: every ROM opened by its full path and its header bytes read.
int readEveryHeader(const QByteArray& folder) {
    int read = 0;
    DIR* dir = opendir(folder.constData());
    char header[0x149];
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY);
        if (fd < 0)
            continue;
        read += ::read(fd, header, sizeof header) == qint64(sizeof header);
        ::close(fd);
    }
    closedir(dir);
    return read;
}

} // namespace

int main() {
    const int files = 10000;
    QTemporaryDir dir;
    if (!writeRomShelf(dir, files))
        return 1;
    const QByteArray folder = QFile::encodeName(dir.path());

    std::vector<double> baseline, text, html;
    const int rounds = 11;
    for (int r = 0; r < rounds; ++r) {
        baseline.push_back(milliseconds([&] { readEveryHeader(folder); }));
        text.push_back(milliseconds(
            [&] { exportRomList(dir.path(), RomListKind::Text, false, QStringLiteral("d")); }));
        html.push_back(milliseconds(
            [&] { exportRomList(dir.path(), RomListKind::Html, true, QStringLiteral("d")); }));
    }
    std::printf("folder of %d ROMs, median of %d rounds:\n", files, rounds);
    std::printf("  open and read 0x149 bytes of each  %.1f ms\n", median(baseline));
    std::printf("  export GB_Roms.txt                 %.1f ms (ratio %.2f)\n", median(text),
                median(text) / median(baseline));
    std::printf("  export GB_Roms.html, zip names     %.1f ms (ratio %.2f)\n", median(html),
                median(html) / median(baseline));
    return 0;
}
