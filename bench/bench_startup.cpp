// Process start to first paint, and peak memory at that moment, for the launcher's main window
// and for a minimal Qt Widgets window; the two run alternately in one run.
//   bench_startup [OTHER-LAUNCHER...]   other builds measured in the same rounds
#include "median.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double ms = 0;
    long peakKb = 0;
};

long peakMemoryKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

Sample run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    Sample sample;
    while (process.waitForReadyRead(10000)) {
        if (process.readAllStandardOutput().contains("first-paint")) {
            sample.ms = timer.nsecsElapsed() / 1e6;
            sample.peakKb = peakMemoryKb(process.processId());
            break;
        }
    }
    process.waitForFinished(10000);
    return sample;
}

template <typename F> double median(const std::vector<Sample>& v, F field) {
    std::vector<double> values;
    for (const Sample& s : v)
        values.push_back(field(s));
    return ::median(std::move(values));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString launcher = dir + QStringLiteral("/../src/app/zemplo97");
    const QString minimal = dir + QStringLiteral("/minimal_window");

    // A saved store, so the launcher starts without the first-use question.
    QTemporaryDir config;
    QDir(config.path()).mkpath(QStringLiteral("Zemplo97"));
    QFile ini(config.filePath(QStringLiteral("Zemplo97/Zemplo97.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("[Startup]\nVersion=262\nVGB-DOS=/bin/true\nVolume=\" 10\"\nIfreq=\" 60\"\n"
              "Top=\" 1500\"\nLeft=\" 1500\"\n");
    ini.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    // The pictures the launcher keeps are kept here; the warm-up run below draws them.
    QTemporaryDir cache;
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    env.insert(QStringLiteral("ZEMPLO_REPORT_FIRST_PAINT"), QStringLiteral("1"));

    QStringList launchers{launcher};
    for (int i = 1; i < argc; ++i)
        launchers << QString::fromLocal8Bit(argv[i]);
    const int rounds = 31;
    std::vector<std::vector<Sample>> ours(size_t(launchers.size()));
    std::vector<Sample> baseline, withText;
    for (const QString& l : launchers)
        run(l, {}, env); // warm the file cache for all
    run(minimal, {}, env);
    run(minimal, {QStringLiteral("--with-text")}, env);
    for (int i = 0; i < rounds; ++i) {
        for (qsizetype l = 0; l < launchers.size(); ++l)
            ours[size_t(l)].push_back(run(launchers[l], {}, env));
        baseline.push_back(run(minimal, {}, env));
        withText.push_back(run(minimal, {QStringLiteral("--with-text")}, env));
    }
    const auto ms = [](const Sample& s) { return s.ms; };
    const auto kb = [](const Sample& s) { return double(s.peakKb); };
    std::printf("median of %d runs, process start to first paint (offscreen):\n", rounds);
    std::printf("  minimal window %.1f ms, %0.f KiB peak\n", median(baseline, ms),
                median(baseline, kb));
    std::printf("  one label      %.1f ms, %0.f KiB peak\n", median(withText, ms),
                median(withText, kb));
    for (qsizetype l = 0; l < launchers.size(); ++l) {
        const std::vector<Sample>& o = ours[size_t(l)];
        std::printf("  %s: %.1f ms, %0.f KiB peak\n", qPrintable(launchers[l]), median(o, ms),
                    median(o, kb));
        std::printf("    / empty window: time %.2f, memory %.2f\n",
                    median(o, ms) / median(baseline, ms), median(o, kb) / median(baseline, kb));
        std::printf("    / one label:    time %.2f, memory %.2f\n",
                    median(o, ms) / median(withText, ms), median(o, kb) / median(withText, kb));
    }
    return 0;
}
