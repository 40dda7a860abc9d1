// The launch plan on random settings and a ROM in a folder of a random name: it never crashes,
// and what it lets through is safe to give DOSBox.
#include "commandline.h"
#include "dossession.h"
#include "fuzzinput.h"
#include "launchplan.h"
#include "settingsio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

bool fitsEveryLine(const DosSession& s) {
    for (const QString& dir : {s.cDirectory, s.dDirectory, s.eDirectory}) {
        if (dir.isEmpty())
            continue;
        if (holdsControlCharacter(dir) || dir.contains(QLatin1Char('"')) ||
            !fitsDosBoxLine(dosboxMountLine(QLatin1Char('d'), dir)))
            return false;
    }
    return !holdsControlCharacter(s.commandLine) && !holdsRedirection(s.commandLine) &&
           fitsDosBoxLine(dosboxCommandLine(s.commandLine));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const bool ready = [] {
        QDir(dir.path()).mkpath(QStringLiteral("emu"));
        QFile(dir.filePath(QStringLiteral("emu/VGB.EXE"))).open(QIODevice::WriteOnly);
        return true;
    }();
    (void)ready;
    const QStringList f = fuzzFields(data, size, 12);
    LauncherSettings s = firstUseSettings();
    s.emulatorPath = dir.filePath(QStringLiteral("emu/VGB.EXE"));
    s.video = f[0];
    s.sound = f[1];
    s.keyMap = f[2];
    s.genie1 = f[3];
    s.vblank = f[4];
    s.uperiod = f[5];
    s.background = f[6];
    s.colorScheme = f[7];
    s.volume = int(size % (kVolumeMax + 1));

    // The ROM lives in a folder and under a name made of the input, where the system allows.
    QString folder = f[8];
    folder.replace(QLatin1Char('/'), QLatin1Char('_'));
    QString name = f[9];
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    folder = folder.left(200);
    name = name.left(120);
    const QString romFolder = dir.filePath(QStringLiteral("r/") + folder);
    const QString rom = romFolder + QLatin1Char('/') +
                        (name.isEmpty() ? QStringLiteral("x") : name) + QStringLiteral(".gb");
    QDir().mkpath(romFolder);
    QFile(rom).open(QIODevice::WriteOnly);
    s.romPath = f[10].isEmpty() ? rom : f[10];

    const LaunchPlan plan =
        planLaunch(s, locateRom(s.romPath, dir.filePath(QStringLiteral("cache"))));
    if (!plan.stop) {
        FUZZ_CHECK(s.emulatorPath.size() + plan.arguments.size() <= kMaxCommandLength);
        FUZZ_CHECK(fitsEveryLine(plan.session));
    }
    FUZZ_CHECK(!QFileInfo::exists(dir.filePath(QStringLiteral("cache")))); // planned, not made
    // A folder named ".." puts the ROM beside r/, so everything but the emulator goes: files
    // left there would pile up, and every later input would list them all.
    const QFileInfoList made =
        QDir(dir.path())
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : made)
        if (entry.fileName() != QLatin1String("emu"))
            entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                : QFile::remove(entry.filePath());
    return 0;
}
