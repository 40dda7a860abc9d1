#pragma once

// What a press on play does before DOSBox starts, timed: the launch plan, the ROM read (from
// its archive, if it is in one), the launch folder made with its links and copy. The sweep that
// ends each round is not timed.
#include "launchfolder.h"
#include "launchplan.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <cstdlib>

inline double playWork(const LauncherSettings& settings, const QString& cache) {
    QElapsedTimer timer;
    timer.start();
    const RomLocation rom = locateRom(settings.romPath, cache);
    const LaunchPlan plan = planLaunch(settings, rom);
    if (plan.stop || !plan.session.launchFolder ||
        !makeLaunchFolder(*plan.session.launchFolder).isEmpty()) {
        std::fprintf(stderr, "the launch was refused: %s\n",
                     plan.stop ? qPrintable(plan.stop->text) : "its folder");
        std::exit(1);
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    sweepLaunchFolder(plan.session.launchFolder->folder);
    return ms;
}

inline bool writeBenchFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
