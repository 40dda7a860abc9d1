// How fast a DOS program runs in the DOSBox a launch starts, against the best that DOSBox gives
// on this machine (core=dynamic and the whole processor, handed to it directly) and against its
// defaults; and how long a press on play takes to the program's first file write, against the
// quickest bare start of the same command in the same DOSBox. The DOSBox measured is the one
// play would use: ZEMPLO_DOSBOX names another. The variants alternate in one run; medians are
// printed with their ratios.
#include "dosboxarguments.h"
#include "dosboxchoice.h"
#include "dosboxconfig.h"
#include "dosboxenvironment.h"
#include "hostpath.h"
#include "median.h"
#include "processstarter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Bench {
    QTemporaryDir root;
    QString emu = joinPath(root.path(), QStringLiteral("emu"));
    QString home = joinPath(root.path(), QStringLiteral("home"));
    DosBoxChoice dosbox;

    QProcess* start(const QStringList& arguments) {
        auto* process = new QProcess;
        process->setWorkingDirectory(emu);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(dosbox.program, arguments);
        return process;
    }
    static void finish(QProcess* process) {
        if (!process->waitForFinished(120000))
            process->kill();
        process->waitForFinished();
        delete process;
    }
};

// The quickest start each flavour has for a command: DOSBox-X without its logo, Staging told
// to end with the command however soon.
QStringList bareArguments(DosBoxFlavour flavour, const QString& emu, const QString& command) {
    QStringList args;
    if (flavour == DosBoxFlavour::X)
        args << QStringLiteral("-fastlaunch");
    if (flavour == DosBoxFlavour::Staging)
        args << QStringLiteral("-exit");
    return args + QStringList{QStringLiteral("-c"), dosboxMountLine(QLatin1Char('c'), emu),
                              QStringLiteral("-c"), QStringLiteral("c:"),
                              QStringLiteral("-c"), command,
                              QStringLiteral("-c"), QStringLiteral("exit")};
}

QByteArray bestSettings(DosBoxFlavour flavour) {
    return flavour == DosBoxFlavour::Staging
               ? "[cpu]\ncore=dynamic\ncpu_cycles=max\ncpu_cycles_protected=max\n"
               : "[cpu]\ncore=dynamic\ncycles=max\n";
}

QByteArray loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Iterations the speed program counted in its counting ticks.
double count(Bench& bench, const QStringList& arguments) {
    const QString result = joinPath(bench.emu, QStringLiteral("SPEED.TXT"));
    QFile::remove(result);
    Bench::finish(bench.start(arguments));
    QFile file(result);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().mid(6).toDouble();
}

bool waitForFile(const QString& path) {
    const QDeadlineTimer deadline(60000);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::usleep(500);
    return QFile::exists(path);
}

// Milliseconds from the start of a bare DOSBox to the stand-in's record file.
double bareFirstWrite(Bench& bench, const QStringList& arguments) {
    const QString record = joinPath(bench.emu, QStringLiteral("RECORD.TXT"));
    QFile::remove(record);
    QElapsedTimer timer;
    timer.start();
    QProcess* process = bench.start(arguments);
    waitForFile(record);
    const double ms = timer.nsecsElapsed() / 1e6;
    Bench::finish(process);
    return ms;
}

// Milliseconds from a press on play's DOSBox start, as a launcher that was just started does
// it (DOSBox found, its flavour read back from the cache file), to the record file; then waits
// for that DOSBox to end.
double playFirstWrite(Bench& bench, const DosSession& session) {
    const QString record = joinPath(bench.emu, QStringLiteral("RECORD.TXT"));
    QFile::remove(record);
    QtProcessStarter starter;
    QElapsedTimer timer;
    timer.start();
    DosBoxEnvironment dos(starter);
    if (!dos.start(session).isEmpty())
        return 0;
    waitForFile(record);
    const double ms = timer.nsecsElapsed() / 1e6;
    // The detached DOSBox is not our child: wait until no process runs it from this folder.
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QProcess pgrep;
        pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-f"), bench.emu});
        pgrep.waitForFinished();
        if (pgrep.exitCode() != 0)
            break;
        QThread::msleep(20);
    }
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    Bench bench;
    QDir().mkpath(bench.emu);
    QDir().mkpath(bench.home);
    qputenv("HOME", QFile::encodeName(bench.home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(joinPath(bench.home, QStringLiteral(".config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(joinPath(bench.home, QStringLiteral(".cache"))));
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    DosBoxFlavourCache flavours;
    bench.dosbox = chooseDosBox(flavours);
    if (!bench.dosbox.problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(bench.dosbox.problem));
        return 1;
    }
    const DosBoxFlavour flavour = bench.dosbox.flavour;
    // Staging without a display renders in software only when told so.
    if (flavour == DosBoxFlavour::Staging &&
        !writeFile(joinPath(bench.home, QStringLiteral(".config/dosbox/dosbox-staging.conf")),
                   "[sdl]\ntexture_renderer = software\n"))
        return 1;
    if (!QFile::copy(QStringLiteral(ZEMPLO_SPEED_COM), joinPath(bench.emu, "SPEED.COM")) ||
        !QFile::copy(QStringLiteral(ZEMPLO_STANDIN_EXE), joinPath(bench.emu, "VGB.EXE"))) {
        std::fprintf(stderr, "the DOS programs were not built (nasm missing?)\n");
        return 1;
    }
    const QString best = joinPath(bench.root.path(), QStringLiteral("best.conf"));
    if (!writeFile(best, bestSettings(flavour)))
        return 1;
    std::printf("%s: %s\n", qPrintable(flavourName(flavour)), qPrintable(bench.dosbox.program));

    // Two seconds of warm-up: the whole processor is reached step by step.
    const QString speed = QStringLiteral("SPEED 18 36");
    DosSession session;
    session.cDirectory = bench.emu;
    session.commandLine = speed;
    const QString config = provideDosBoxConfig(dosboxConfigPath(flavour), flavour);
    const QStringList launch = dosboxArguments(flavour, session, config);
    const QStringList bestArgs =
        QStringList{QStringLiteral("-conf"), best} + bareArguments(flavour, bench.emu, speed);
    const QStringList defaults = bareArguments(flavour, bench.emu, speed);

    std::printf("load average before: %s\n", loadAverage().constData());
    std::vector<double> launcher, fastest, plain;
    for (int round = 0; round < rounds; ++round) {
        launcher.push_back(count(bench, launch));
        fastest.push_back(count(bench, bestArgs));
        plain.push_back(count(bench, defaults));
    }
    const double l = median(launcher), b = median(fastest), d = median(plain);
    std::printf("loop iterations in 18 ticks, median of %d:\n", rounds);
    std::printf("  launch                  %14.0f\n", l);
    std::printf("  -conf dynamic/max       %14.0f\n", b);
    std::printf("  DOSBox defaults         %14.0f\n", d);
    std::printf("  launch / best           %14.2f   (goal: at least 0.9)\n", b > 0 ? l / b : 0);
    std::printf("  launch / defaults       %14.2f\n", d > 0 ? l / d : 0);

    session.commandLine = QStringLiteral("VGB.EXE");
    const QStringList bareStart = bareArguments(flavour, bench.emu, QStringLiteral("VGB.EXE"));
    // Play's own DOSBox arguments started directly: what the launcher's settings cost DOSBox
    // (the dynamic core), apart from what the launcher itself costs.
    const QStringList playArgs = dosboxArguments(flavour, session, config);
    std::vector<double> playMs, bareMs, argsMs;
    for (int round = 0; round < 3 * rounds; ++round) {
        playMs.push_back(playFirstWrite(bench, session));
        bareMs.push_back(bareFirstWrite(bench, bareStart));
        argsMs.push_back(bareFirstWrite(bench, playArgs));
    }
    const double pm = median(playMs), bm = median(bareMs), am = median(argsMs);
    std::printf("start to the DOS program's first file write, median of %d:\n", 3 * rounds);
    std::printf("  play                    %11.1f ms\n", pm);
    std::printf("  play's DOSBox arguments %11.1f ms\n", am);
    std::printf("  quickest bare start     %11.1f ms\n", bm);
    std::printf("  play / bare             %14.2f   (goal: at most 1.1)\n", pm / bm);
    std::printf("  play / its arguments    %14.2f\n", pm / am);
    std::printf("load average after: %s\n", loadAverage().constData());
    return 0;
}
