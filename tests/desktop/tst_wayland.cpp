// The window under a real Wayland compositor (Weston): it starts without a protocol error or a
// warning, a secondary window belongs to it and gives it back enabled, a maximize request
// leaves the program running as it was, and quitting keeps the stored position it cannot know.
#include "control.h"
#include "gamefileselector.h"
#include "launcherwindows.h"
#include "padfixture.h"
#include "recordingopener.h"
#include "settingsio.h"

#include <QApplication>
#include <QWindow>
#include <QtTest>

namespace {
QStringList g_warnings;
void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << text;
}
} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowLivesOnWayland();
};

void WaylandTest::theWindowLivesOnWayland() {
    QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
    qInstallMessageHandler(keepWarnings);
    PadFixture f;
    RecordingOpener opener;
    LauncherWindows windows(*f.pad, opener, f.prompter);
    f.pad->setWindows(windows.padWindows());
    LauncherSettings stored = firstUseSettings();
    stored.top = 1234; // where a user kept it on X11, in twips
    stored.left = 2345;
    saveSettings(f.store, stored);
    QVERIFY(f.pad->Form_Load(QString()));
    f.pad->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.pad.get()));

    f.pad->Picture3_Click(); // the ROM window
    QWidget& rom = windows.romSelector();
    QVERIFY(QTest::qWaitForWindowExposed(&rom));
    QCOMPARE(rom.windowHandle()->transientParent(), f.pad->windowHandle());
    QVERIFY(!f.pad->isEnabled());
    rom.showMaximized(); // a request that reaches a dialog anyway
    QTest::qWait(500);
    QTest::mouseClick(control<QWidget>(&rom, "Command2"), Qt::LeftButton);
    QVERIFY(!rom.isVisible());
    QVERIFY(f.pad->isEnabled());

    f.pad->showMaximized();
    QTest::qWait(1000); // a protocol error would have ended the program by now
    QVERIFY(!(f.pad->windowState() & Qt::WindowMaximized));

    QSignalSpy quit(f.pad.get(), &Pad::quitRequested);
    QTest::mouseClick(control<QWidget>(f.pad.get(), "Picture6"), Qt::LeftButton);
    QCOMPARE(quit.size(), 1);
    QCOMPARE(f.store.read("Top"), QString(" 1234"));
    QCOMPARE(f.store.read("Left"), QString(" 2345"));
    qInstallMessageHandler(nullptr);
    QCOMPARE(g_warnings, QStringList());
}

QTEST_MAIN(WaylandTest)
#include "tst_wayland.moc"
