// `zemplo97 --export-list` on a folder of 10,000 ROMs, text list and page, as whole processes,
// against the C floor (romlist_floor): run alternately in one run, medians compared.
//   bench_exportprocess [OTHER-LAUNCHER...]   other builds measured in the same rounds
#include "median.h"
#include "romshelf.h"
#include <QCoreApplication>
#include <QElapsedTimer>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

double run(const QString& program, const QStringList& args) {
    // Each run starts with nothing left to write back: a launcher's fsync would otherwise also
    // wait for the list the floor wrote just before it, which the floor itself never waits for.
    ::sync();
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    process.waitForFinished(60000);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (process.exitCode() != 0)
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString here = QCoreApplication::applicationDirPath();
    const QString launcher = here + QStringLiteral("/../src/app/zemplo97");
    const QString floor = here + QStringLiteral("/romlist_floor");
    QTemporaryDir dir;
    const int files = 10000;
    if (!writeRomShelf(dir, files))
        return 1;
    QStringList launchers{launcher};
    for (int i = 1; i < argc; ++i)
        launchers << QString::fromLocal8Bit(argv[i]);
    std::vector<double> bare, bareHtml;
    std::vector<std::vector<double>> text(launchers.size()), html(launchers.size());
    const int rounds = 15;
    for (int r = 0; r < rounds; ++r) {
        bare.push_back(run(floor, {dir.path()}));
        bareHtml.push_back(run(floor, {dir.path(), QStringLiteral("--html")}));
        for (int l = 0; l < launchers.size(); ++l) {
            text[l].push_back(run(launchers[l], {QStringLiteral("--export-list"), dir.path()}));
            html[l].push_back(
                run(launchers[l], {QStringLiteral("--export-list"), dir.path(),
                                   QStringLiteral("--html"), QStringLiteral("--zip-names")}));
        }
    }
    std::printf("folder of %d ROMs, whole processes, median of %d rounds:\n", files, rounds);
    std::printf("  C floor: read, sort, write  %.1f ms, page rows %.1f ms\n", median(bare),
                median(bareHtml));
    for (int l = 0; l < launchers.size(); ++l) {
        std::printf("  %s\n", qPrintable(launchers[l]));
        std::printf("    --export-list (text)      %.1f ms (ratio %.2f)\n", median(text[l]),
                    median(text[l]) / median(bare));
        std::printf("    --export-list --html      %.1f ms (ratio %.2f)\n", median(html[l]),
                    median(html[l]) / median(bareHtml));
    }
    return 0;
}
