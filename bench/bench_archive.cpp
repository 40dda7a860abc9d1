// ROMs inside archives against the same ROMs as they would be without, in one process:
// - the ROM list of 10,000 one-ROM zips against the list of the same 10,000 ROMs unzipped;
// - the header of the last ROM of a solid 7z of 20 ROMs of 1 MiB against 7-Zip extracting
//   that ROM (7z e -so, when p7zip is there);
// - PLAY's work before DOSBox for that ROM against the same ROM zipped alone.
#include "archivebuilder.h"
#include "cartridgeinfo.h"
#include "launchfolder.h"
#include "launchplan.h"
#include "median.h"
#include "playwork.h"
#include "romfolder.h"
#include "settingsio.h"
#include "zipbuilder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

template <typename F> double ms(F work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void fail(const char* what) {
    std::fprintf(stderr, "bench_archive: %s\n", what);
    std::exit(1);
}

// A ROM as ROMs are: code and data that pack to about half, with a header.
QByteArray romOf(int size, const QByteArray& title) {
    QByteArray rom(size, '\0');
    for (qsizetype i = 0; i < rom.size(); i += 2)
        rom[i] = char(QRandomGenerator::global()->bounded(256));
    rom.replace(0x134, title.size(), title);
    return rom;
}

void listsOfTenThousand() {
    QTemporaryDir plain, zipped;
    const QByteArray rom = romOf(0x8000, "TETRIS");
    const QByteArray zip = buildZip({{"Game.gb", rom, true}});
    for (int i = 0; i < 10000; ++i)
        if (!writeBenchFile(plain.filePath(QStringLiteral("Game %1 (World).gb").arg(i)), rom) ||
            !writeBenchFile(zipped.filePath(QStringLiteral("Game %1 (World).zip").arg(i)), zip))
            fail("the shelves could not be written");
    std::vector<double> plainMs, zippedMs;
    for (int round = 0; round < 7; ++round) {
        plainMs.push_back(ms([&] {
            if (readRomFolder(plain.path()).rows.size() != 10000)
                fail("a plain ROM was not listed");
        }));
        zippedMs.push_back(ms([&] {
            const RomFolderRead read = readRomFolder(zipped.path());
            if (read.rows.size() != 10000 || !read.rows.back().info)
                fail("a zipped ROM was not listed");
        }));
    }
    const double p = median(plainMs), z = median(zippedMs);
    std::printf("ROM list of 10,000 ROMs, median of 7:\n");
    std::printf("  unzipped            %8.1f ms\n  one-ROM zips        %8.1f ms\n", p, z);
    std::printf("  zips / unzipped     %8.2f   (aim: at most 3)\n", z / p);
}

void theLastRomOfASolidSevenZip() {
    QTemporaryDir dir;
    QList<ArchiveEntry> roms;
    for (int i = 0; i < 20; ++i) {
        const QByteArray number = QByteArray::number(i);
        roms.append({"Game (V1." + number + ").gb", romOf(1 << 20, "GAME" + number)});
    }
    const QString set = dir.filePath("Game (GoodMerge).7z"), alone = dir.filePath("Game.zip");
    if (!writeBenchFile(set, buildArchive("7zip", "7zip:compression=lzma2", roms)) ||
        !writeBenchFile(alone, buildZip({{"Game.gb", roms.last().data, true}})) ||
        !writeBenchFile(dir.filePath("VGB.EXE"), "MZ"))
        fail("the archives could not be written");
    const QString last = set + "#Game (V1.19).gb";

    const QString sevenZip = QStandardPaths::findExecutable(QStringLiteral("7z"));
    std::vector<double> headerMs, extractMs;
    for (int round = 0; round < 9; ++round) {
        headerMs.push_back(ms([&] {
            if (!readCartridgeInfo(last).info)
                fail("the last ROM's header was not read");
        }));
        if (!sevenZip.isEmpty())
            extractMs.push_back(ms([&] {
                QProcess p;
                p.start(sevenZip, {"e", "-so", set, "Game (V1.19).gb"});
                if (!p.waitForFinished(60000) || p.readAllStandardOutput().size() != (1 << 20))
                    fail("7z e -so did not extract the ROM");
            }));
    }
    std::printf("the last ROM of a solid 7z of 20 ROMs of 1 MiB, median of 9:\n");
    std::printf("  its header                 %8.1f ms\n", median(headerMs));
    if (!extractMs.empty())
        std::printf("  7z e -so of the ROM        %8.1f ms\n  header / 7z e -so          "
                    "%8.2f   (aim: at most 1)\n",
                    median(extractMs), median(headerMs) / median(extractMs));
    else
        std::printf("  (7z not found: sudo apt install p7zip-full for the comparison)\n");

    LauncherSettings settings = firstUseSettings();
    settings.emulatorPath = dir.filePath(QStringLiteral("VGB.EXE"));
    LauncherSettings zipped = settings;
    settings.romPath = last;
    zipped.romPath = alone;
    const QString cache = dir.filePath(QStringLiteral("cache"));
    std::vector<double> setMs, zipMs;
    for (int round = 0; round < 9; ++round) {
        setMs.push_back(playWork(settings, cache));
        zipMs.push_back(playWork(zipped, cache));
    }
    std::printf("PLAY's work before DOSBox for that ROM, median of 9:\n");
    std::printf("  from the solid 7z          %8.1f ms\n  zipped alone               %8.1f ms\n",
                median(setMs), median(zipMs));
    std::printf("  7z / zip                   %8.2f\n", median(setMs) / median(zipMs));
}

} // namespace

int main() {
    listsOfTenThousand();
    theLastRomOfASolidSevenZip();
    return 0;
}
