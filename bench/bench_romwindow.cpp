// The ROM window listing a folder of 10,000 ROMs, and reading a header on a click, against a
// bare read of the same folder; run alternately in one process.
#include "bareread.h"
#include "filelistmodel.h"
#include "gamefileselector.h"
#include "median.h"
#include "qtprompter.h"
#include "romshelf.h"
#include "urlopener.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const int files = 10000;
    if (!writeRomShelf(dir, files))
        return 1;
    QDir(dir.path()).mkdir(QStringLiteral("empty"));

    QWidget mainWindow;
    QtPrompter prompter;
    DesktopUrlOpener opener;
    GameFileSelector window(
        &mainWindow, [](const QString&) { return true; }, opener, prompter);
    window.show();
    const QByteArray path = QFile::encodeName(dir.path());

    std::vector<double> bare, listing, click;
    const int rounds = 11;
    for (int r = 0; r < rounds; ++r) {
        window.setDirectoryPath(dir.filePath(QStringLiteral("empty")));
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        bareDirectoryRead(path);
        bare.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        window.setDirectoryPath(dir.path());
        window.repaint(); // the list is laid out and drawn, as a user sees it
        listing.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        window.File1_Click(window.fileModel()->index(r * 97));
        click.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("folder of %d ROMs, median of %d rounds:\n", files, rounds);
    std::printf("  bare directory read       %.2f ms\n", median(bare));
    std::printf("  ROM window lists and draws %.2f ms (ratio %.1f)\n", median(listing),
                median(listing) / median(bare));
    std::printf("  click: path and header     %.3f ms (%s)\n", median(click),
                qPrintable(window.findChild<QLineEdit*>(QStringLiteral("Text2"))->text()));
    return 0;
}
