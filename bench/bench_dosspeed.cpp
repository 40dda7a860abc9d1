// How fast a DOS program runs in the DOSBox a launch starts, against the best this machine
// gives (core=dynamic, cycles=max handed to DOSBox directly) and against DOSBox's defaults;
// and how long a launch takes to the program's first file write against a bare dosbox -c run.
// The variants alternate in one run; medians are printed with their ratios.
#include "dosboxinvocation.h"
#include "hostpath.h"
#include "median.h"

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
    QString dosbox = findDosBoxProgram();

    QProcess* start(const QStringList& arguments) {
        auto* process = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SDL_VIDEODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("HOME"), home);
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(emu);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start(dosbox, arguments);
        return process;
    }
    static void finish(QProcess* process) {
        if (!process->waitForFinished(120000))
            process->kill();
        process->waitForFinished();
        delete process;
    }
};

QStringList bareArguments(const QString& emu, const QString& command) {
    return {QStringLiteral("-c"), dosboxMountLine(QLatin1Char('c'), emu),
            QStringLiteral("-c"), QStringLiteral("c:"),
            QStringLiteral("-c"), command,
            QStringLiteral("-c"), QStringLiteral("exit")};
}

QByteArray loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("?");
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

// Milliseconds from the start of DOSBox to the stand-in's record file.
double firstWrite(Bench& bench, const QStringList& arguments) {
    const QString record = joinPath(bench.emu, QStringLiteral("RECORD.TXT"));
    QFile::remove(record);
    QElapsedTimer timer;
    timer.start();
    QProcess* process = bench.start(arguments);
    const QDeadlineTimer deadline(60000);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QThread::usleep(500);
    const double ms = timer.nsecsElapsed() / 1e6;
    Bench::finish(process);
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    Bench bench;
    if (bench.dosbox.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(dosboxNotFoundMessage()));
        return 1;
    }
    QDir().mkpath(bench.emu);
    QDir().mkpath(bench.home);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(joinPath(bench.home, QStringLiteral(".config"))));
    if (!QFile::copy(QStringLiteral(ZEMPLO_SPEED_COM), joinPath(bench.emu, "SPEED.COM")) ||
        !QFile::copy(QStringLiteral(ZEMPLO_STANDIN_EXE), joinPath(bench.emu, "VGB.EXE"))) {
        std::fprintf(stderr, "the DOS programs were not built (nasm missing?)\n");
        return 1;
    }
    const QString best = joinPath(bench.root.path(), QStringLiteral("best.conf"));
    QFile bestFile(best);
    if (!bestFile.open(QIODevice::WriteOnly) ||
        bestFile.write("[cpu]\ncore=dynamic\ncycles=max\n") < 0)
        return 1;
    bestFile.close();

    // Two seconds of warm-up: cycles=max raises the speed step by step.
    const QString speed = QStringLiteral("SPEED 18 36");
    DosSession session;
    session.cDirectory = bench.emu;
    session.commandLine = speed;
    const QStringList launch = dosboxArguments(session, provideDosBoxConfig(dosboxConfigPath()));
    const QStringList bestArgs =
        QStringList{QStringLiteral("-conf"), best} + bareArguments(bench.emu, speed);
    const QStringList defaults = bareArguments(bench.emu, speed);

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
    const QStringList launchStart =
        dosboxArguments(session, provideDosBoxConfig(dosboxConfigPath()));
    const QStringList bareStart = bareArguments(bench.emu, QStringLiteral("VGB.EXE"));
    std::vector<double> launchMs, bareMs;
    for (int round = 0; round < 3 * rounds; ++round) {
        launchMs.push_back(firstWrite(bench, launchStart));
        bareMs.push_back(firstWrite(bench, bareStart));
    }
    const double lm = median(launchMs), bm = median(bareMs);
    std::printf("start to the DOS program's first file write, median of %d:\n", 3 * rounds);
    std::printf("  launch                  %11.1f ms\n", lm);
    std::printf("  bare dosbox -c          %11.1f ms\n", bm);
    std::printf("  launch / bare           %14.2f   (goal: at most 1.1)\n", lm / bm);
    std::printf("load average after: %s\n", loadAverage().constData());
    return 0;
}
