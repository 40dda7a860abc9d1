// Shows the launcher's windows for a screen reader's walk (walk_atspi.py): the main window
// with the ROM window and the About window, or the colour scheme wizard. Says "ready" on
// standard output once they are on screen, and ends when standard input closes.
#include "aboutwindow.h"
#include "accessibleinterfaces.h"
#include "gamefileselector.h"
#include "launcherwindows.h"
#include "padfixture.h"
#include "recordingopener.h"
#include "settingsio.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installAccessibleInterfaces();
    const bool wizard = argc > 1 && QByteArray(argv[1]) == "wizard";
    PadFixture f;
    RecordingOpener opener;
    LauncherWindows windows(*f.pad, opener, f.prompter);
    f.pad->setWindows(windows.padWindows());
    saveSettings(f.store, firstUseSettings());
    f.pad->Form_Load(QString());
    f.pad->setRomPath(QStringLiteral("/nowhere/TETRIS.GB"));
    f.pad->show();
    if (wizard) {
        windows.padWindows().callWizard();
    } else {
        f.pad->Picture3_Click();
        windows.about().show();
    }
    QTimer::singleShot(1500, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char byte;
        if (::read(STDIN_FILENO, &byte, 1) <= 0)
            app.quit();
    });
    return app.exec();
}
