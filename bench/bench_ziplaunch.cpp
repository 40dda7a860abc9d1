// What a press on play does before DOSBox starts, for a zipped 1 MiB ROM against the same ROM
// unzipped (both long-named, so both play from a launch folder): the launch plan, the zip read
// and inflated, the launch folder made with its links and the ROM's copy. The two alternate in
// one process; each round ends with the sweep, which is not timed.
#include "launchfolder.h"
#include "launchplan.h"
#include "median.h"
#include "playwork.h"
#include "settingsio.h"

#include "zipbuilder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

int main() {
    QTemporaryDir dir;
    // A ROM as ROMs are: code and data that deflate to about half.
    QByteArray rom(1024 * 1024, '\0');
    for (qsizetype i = 0; i < rom.size(); i += 2)
        rom[i] = char(QRandomGenerator::global()->bounded(256));
    const QString plain = dir.filePath(QStringLiteral("Tetris (World).gb"));
    const QString zipped = dir.filePath(QStringLiteral("Tetris DX (World).zip"));
    const QByteArray zip = buildZip({{"Tetris (World).gb", rom, true}});
    if (!writeBenchFile(plain, rom) || !writeBenchFile(zipped, zip) ||
        !writeBenchFile(dir.filePath("VGB.EXE"), "MZ"))
        return 1;
    LauncherSettings settings = firstUseSettings();
    settings.emulatorPath = dir.filePath(QStringLiteral("VGB.EXE"));
    LauncherSettings zippedSettings = settings;
    settings.romPath = plain;
    zippedSettings.romPath = zipped;
    const QString cache = dir.filePath(QStringLiteral("cache"));

    const int rounds = 31;
    std::vector<double> plainMs, zippedMs;
    for (int round = 0; round < rounds; ++round) {
        plainMs.push_back(playWork(settings, cache));
        zippedMs.push_back(playWork(zippedSettings, cache));
    }
    const double p = median(plainMs), z = median(zippedMs);
    std::printf("play's work before DOSBox, 1 MiB ROM (zip of %lld bytes), median of %d:\n",
                static_cast<long long>(zip.size()), rounds);
    std::printf("  unzipped          %8.2f ms\n", p);
    std::printf("  zipped            %8.2f ms\n", z);
    std::printf("  zipped / unzipped %8.2f\n", z / p);
    return 0;
}
