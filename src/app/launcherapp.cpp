#include "launcherapp.h"
#include "messagetitles.h"

#include "accessibleinterfaces.h"
#include "dosboxenvironment.h"
#include "formerpictures.h"
#include "inisettingsstore.h"
#include "launcherwindows.h"
#include "launchfolder.h"
#include "pad.h"
#include "processstarter.h"
#include "programargument.h"
#include "qtprompter.h"
#include "urlopener.h"
#include "windowmodule.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <QTextStream>

#include <functional>
#include <type_traits>
#include <utility>

namespace {

// Runs `then` once the window has painted for the first time: what the first sight of the
// window does not need waits until after it.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> then) : m_then(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_then) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, std::exchange(m_then, {}), Qt::QueuedConnection);
            // For the start-up benchmark: the first paint, told as it happens; what waited for
            // it is done before the program ends.
            if (qEnvironmentVariableIsSet("ZEMPLO_REPORT_FIRST_PAINT")) {
                QTextStream(stdout) << "first-paint" << Qt::endl;
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

namespace {

bool hasDisplay() {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    QTextStream(stderr) << "zemplo97: there is no display to show the launcher on.\n"
                           "Start it from a desktop session, or use --print-command or "
                           "--header, which need none.\n";
    return false;
}

// The look the windows were drawn for, and how the desktop knows the program.
void setUpApplication() {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) {
        QApplication::setStyle(style);
        QApplication::setPalette(style->standardPalette());
    }
    // The installed desktop entry, so that the desktop shows the window under its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEMPLO_APP_ID));
    // Hidden secondary windows must not keep the program alive; the main window decides.
    QApplication::setQuitOnLastWindowClosed(false);
}

// What the user is told after a launch folder's sweep: files that could not go beside the ROM.
std::function<void(const SweepResult&)> sweepTeller(Prompter& prompter, QWidget* window) {
    return [&prompter, window](const SweepResult& swept) {
        if (!swept.kept.isEmpty())
            prompter.critical(window, messageTitle(MessageTitle::Info),
                              QStringLiteral("VGB-DOS left files that could not be put beside "
                                             "their ROM:\n") +
                                  swept.kept.join(QLatin1Char('\n')));
    };
}

} // namespace

int runLauncherWindow(int& argc, char** argv, const QStringList& words) {
    if (!hasDisplay())
        return 1;
    QApplication app(argc, argv);
    setUpApplication();
    installAccessibleInterfaces();

    QtPrompter prompter;
    IniSettingsStore store;
    QtProcessStarter starter;
    DosBoxEnvironment dos(starter);
    DesktopUrlOpener urlOpener;
    Pad pad({prompter, store, dos});
    LauncherWindows windows(pad, urlOpener, prompter);
    pad.setWindows(windows.padWindows());
    QObject::connect(&pad, &Pad::quitRequested, &app, &QCoreApplication::quit);
    QObject::connect(&pad, &Pad::closedWithoutSaving, &app, &QCoreApplication::quit);

    // Files the emulator left in a ROM's launch folder go back beside the ROM when its DOSBox
    // ends, or at the next start when the launcher was closed first.
    const auto tellSweep = sweepTeller(prompter, &pad);
    dos.setSweepReport(tellSweep);

    if (!pad.Form_Load(argumentText(words)))
        return 0;
    // The window's content comes first; then its icon, and the pictures older versions kept
    // in the cache go.
    const AfterFirstPaint afterFirstPaint(&pad, [] {
        QIcon icon(QStringLiteral(":/pictures/icon.png"));
        icon.addFile(QStringLiteral(":/pictures/icon@2x.png"));
        QApplication::setWindowIcon(icon);
        removeFormerPictureFolders(launchCacheRoot());
    });
    pad.show();
    tellSweep(sweepLaunchFolders(launchCacheRoot()));
    return app.exec();
}

extern "C" __attribute__((visibility("default"))) int
zemplo97_run_window(int* argc, char** argv, const QStringList* words) {
    return runLauncherWindow(*argc, argv, *words);
}
static_assert(std::is_same_v<decltype(&zemplo97_run_window), WindowEntryPoint>,
              "the program calls the module's entry point through this type");
