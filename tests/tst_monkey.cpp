// Random clicks, drags, keys and frame closes on every named control of every window, with
// message boxes answered at random and nothing really started. Mouse buttons go where Qt takes
// them (a list's viewport, not the list). It fails on a crash (the sanitizers abort), an event
// that takes too long, a mouse event no widget accepted, a moment when no window is left to
// click, or a run that never reached PLAY and the command-line preview.
// ZEMPLO_MONKEY_EVENTS sets the number of events per seed (scripts/monkey).
#include "fileselector.h"
#include "launcherwindows.h"
#include "padfixture.h"
#include "picturebox.h"
#include "previewwindow.h"
#include "recordingopener.h"
#include "romimage.h"
#include "settingsio.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers every box at random, as an impatient user would.
class RandomPrompter : public RecordingPrompter {
public:
    explicit RandomPrompter(QRandomGenerator& random) : m_random(random) {}
    Answer ask(QWidget* parent, const QString& title, const QString& text, Icon icon,
               Buttons buttons) override {
        RecordingPrompter::ask(parent, title, text, icon, buttons);
        m_prompts.clear();
        static const Answer answers[] = {Answer::Ok, Answer::Cancel, Answer::Retry};
        return answers[m_random.bounded(3)];
    }

private:
    QRandomGenerator& m_random;
};

QList<QWidget*> visibleWindows() {
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip))
            windows << w;
    return windows;
}

QList<QWidget*> namedControls(QWidget* window) {
    QList<QWidget*> controls{window};
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            w->isVisible())
            controls << w;
    return controls;
}

// One mouse event straight to a widget, outside QTest's own idea of which buttons are down.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    static quint64 moment = 1000000;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    event.setTimestamp(++moment);
    QCoreApplication::sendEvent(widget, &event);
}

// Press, release, double-click, release, as a real double-click arrives.
void doubleClick(QWidget* widget, QPoint at) {
    const QPointer<QWidget> target(widget);
    const std::pair<QEvent::Type, Qt::MouseButtons> steps[] = {
        {QEvent::MouseButtonPress, Qt::LeftButton},
        {QEvent::MouseButtonRelease, Qt::NoButton},
        {QEvent::MouseButtonDblClick, Qt::LeftButton},
        {QEvent::MouseButtonRelease, Qt::NoButton}};
    for (const auto& [type, held] : steps)
        if (target) // a click can end the window it was made on
            sendMouse(target, type, at, held);
}

// Where a user's mouse button does something: an enabled control made to be clicked, or the
// viewport of a list.
bool takesMouseButtons(QWidget* w) {
    if (!w->isEnabled())
        return false;
    return (w->focusPolicy() & Qt::ClickFocus) || qobject_cast<PictureBox*>(w) ||
           qobject_cast<QScrollBar*>(w) || qobject_cast<QAbstractItemView*>(w->parentWidget());
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void randomUse_data();
    void randomUse();

private:
    QString act(QRandomGenerator& random, Pad& pad);
    QString m_emulator;
};

void MonkeyTest::randomUse_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u})
        QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
}

QString MonkeyTest::act(QRandomGenerator& random, Pad& pad) {
    const QList<QWidget*> windows = visibleWindows();
    QWidget* window = windows.at(random.bounded(int(windows.size())));
    const QList<QWidget*> controls = namedControls(window);
    QWidget* control = controls.at(random.bounded(int(controls.size())));
    const QString where = window->objectName() + "/" + control->objectName();
    QPoint at(random.bounded(std::max(1, control->width())),
              random.bounded(std::max(1, control->height())));
    // The innermost widget under the point gets the buttons, as under a real mouse.
    QWidget* target = control;
    if (QWidget* inner = control->childAt(at)) {
        at = inner->mapFrom(control, at);
        target = inner;
    }
    const int action = random.bounded(11);
    if (action <= 2 && !takesMouseButtons(target)) {
        QTest::mouseMove(control, at);
        return "hover " + where;
    }
    switch (action) {
    case 0:
    case 1:
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        return "click " + where;
    case 2:
        doubleClick(target, at);
        return "double-click " + where;
    case 3: {
        // Keys go where a keyboard sends them, to the control with the focus, or to the one
        // picked; Shift+Tab is Tab with Shift held.
        static const Qt::Key keys[] = {
            Qt::Key_Return, Qt::Key_Escape,   Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Backspace,
            Qt::Key_Delete, Qt::Key_Up,       Qt::Key_Down, Qt::Key_Left,    Qt::Key_Right,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_Space,   Qt::Key_End};
        const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
        QWidget* focus = QApplication::focusWidget();
        QWidget* receiver = focus && random.bounded(2) ? focus : control;
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::keyClick(receiver, key == Qt::Key_Backtab ? Qt::Key_Tab : key, modifiers);
        return QString("key %1 on %2").arg(key).arg(receiver == focus ? "the focus" : where);
    }
    case 4: {
        static const QStringList texts = {"a", "zelda.gb", "/",    "..",     " ",
                                          "é", "1e 1f",    "x\"y", "Puzzle", "99999"};
        const QString text = texts.at(random.bounded(int(texts.size())));
        for (const QChar c : text) { // as a keyboard delivers it, accents included
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(control, &press);
            QCoreApplication::sendEvent(control, &release);
        }
        return "type " + text + " into " + where;
    }
    case 5:
        if (window != &pad) { // closing the main window ends the program: nothing to test after
            window->close();
            return "frame close " + window->objectName();
        }
        return "nothing";
    case 6:
        if (auto* view = qobject_cast<QAbstractItemView*>(control); view && view->isEnabled()) {
            const int rows = view->model() ? view->model()->rowCount() : 0;
            if (rows > 0) {
                const QModelIndex index = view->model()->index(random.bounded(rows), 0);
                view->scrollTo(index);
                const QPoint row = view->visualRect(index).center();
                if (random.bounded(2)) {
                    doubleClick(view->viewport(), row);
                    return QString("double-click row %1 of %2").arg(index.row()).arg(where);
                }
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
                return QString("row %1 of %2").arg(index.row()).arg(where);
            }
        }
        if (auto* combo = qobject_cast<QComboBox*>(control)) {
            if (combo->count() > 0)
                combo->setCurrentIndex(random.bounded(combo->count()));
            return "choose in " + where;
        }
        if (auto* bar = qobject_cast<QScrollBar*>(control)) {
            bar->setValue(bar->minimum() + random.bounded(bar->maximum() - bar->minimum() + 1));
            return "scroll " + where;
        }
        return "nothing";
    case 7:
        QTest::mouseMove(control, at);
        return "hover " + where;
    case 8:
    case 9: {
        if (!takesMouseButtons(target))
            return "nothing";
        // Press, moves with the button held, release: a thumb dragged, a text selected.
        const QPoint to(random.bounded(std::max(1, target->width())),
                        random.bounded(std::max(1, target->height())));
        const QPointer<QWidget> held(target);
        sendMouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton);
        for (int step = 1; step <= 4 && held; ++step)
            sendMouse(held, QEvent::MouseMove, at + (to - at) * step / 4, Qt::LeftButton);
        if (held)
            sendMouse(held, QEvent::MouseButtonRelease, to, Qt::NoButton);
        return "drag on " + where;
    }
    default: {
        // A user who found VGB.EXE again presses PLAY, now and then in preview mode.
        pad.setEmulatorPath(m_emulator);
        if (!pad.isVisible() || !pad.isEnabled())
            return "emulator path set";
        if (random.bounded(2))
            QTest::mouseClick(pad.findChild<QWidget*>("Check6"), Qt::LeftButton);
        QTest::mouseClick(pad.findChild<QWidget*>("Picture5"), Qt::LeftButton);
        return "emulator path set, PLAY";
    }
    }
}

void MonkeyTest::randomUse() {
    QFETCH(quint32, seed);
    const int events = qEnvironmentVariableIntValue("ZEMPLO_MONKEY_EVENTS") > 0
                           ? qEnvironmentVariableIntValue("ZEMPLO_MONKEY_EVENTS")
                           : 1000;
    // A sandbox of ROMs, game files and an emulator; every file window is kept inside it.
    QTemporaryDir sandbox;
    QDir(sandbox.path()).mkpath("emu");
    QDir(sandbox.path()).mkpath("roms/sub");
    touch(sandbox.filePath("emu/VGB.EXE"));
    m_emulator = sandbox.filePath("emu/VGB.EXE");
    QTest::failOnWarning(QRegularExpression("Mouse event .* not accepted"));
    QVERIFY(writeFile(sandbox.filePath("roms/TETRIS.GB"), romImage("TETRIS", 0, 0)));
    QVERIFY(writeFile(sandbox.filePath("roms/Super Mario Land (World).gb"),
                      romImage("MARIOLAND", 3, 2)));
    touch(sandbox.filePath("roms/sky.gif"));
    const QString home = QDir::currentPath();
    QDir::setCurrent(sandbox.filePath("roms"));

    QRandomGenerator random(seed);
    MemorySettingsStore store;
    LauncherSettings stored = firstUseSettings();
    stored.emulatorPath = sandbox.filePath("emu/VGB.EXE");
    saveSettings(store, stored);
    RandomPrompter prompter(random);
    RecordingDos dos;
    RecordingOpener opener;
    Pad pad({prompter, store, dos});
    LauncherWindows windows(pad, opener, prompter);
    pad.setWindows(windows.padWindows());
    QVERIFY(pad.Form_Load(sandbox.filePath("roms/TETRIS.GB")));
    pad.show();

    QStringList recent;
    QMap<QString, int> perWindow; // how often each window was acted on, for the record
    int previews = 0;
    for (int i = 0; i < events; ++i) {
        QElapsedTimer timer;
        timer.start();
        recent << act(random, pad);
        ++perWindow[recent.last().section(' ', -1).section('/', 0, 0)];
        if (recent.size() > 12)
            recent.removeFirst();
        QCoreApplication::processEvents();
        const QString trail =
            QString("seed %1, event %2:\n  ").arg(seed).arg(i) + recent.join("\n  ");
        QVERIFY2(timer.elapsed() < 5000, qPrintable("an event took too long, " + trail));
        const QList<QWidget*> shown = visibleWindows();
        const bool usable =
            std::any_of(shown.begin(), shown.end(), [](QWidget* w) { return w->isEnabled(); });
        QVERIFY2(usable, qPrintable("no enabled window is left, " + trail));
        // The fence: no file window may wander out of the sandbox, where Save and Make List
        // would write into real folders.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* selector = qobject_cast<FileSelector*>(w))
                if (!selector->directoryPath().startsWith(sandbox.path()))
                    selector->setDirectoryPath(sandbox.filePath("roms"));
        if (!QDir::currentPath().startsWith(sandbox.path()))
            QDir::setCurrent(sandbox.filePath("roms"));
        if (pad.previewWindow() && pad.previewWindow()->isVisible())
            ++previews;
    }
    qInfo("%lld launches, %d events with the preview shown", qlonglong(dos.m_sessions.size()),
          previews);
    if (events >= 1000) {
        QVERIFY2(!dos.m_sessions.isEmpty(), "PLAY never started anything");
        QVERIFY2(previews > 0, "the command-line preview was never reached");
    }
    QDir::setCurrent(home);
    QStringList visited;
    for (auto it = perWindow.cbegin(); it != perWindow.cend(); ++it)
        visited << QString("%1 %2").arg(it.key()).arg(it.value());
    qInfo("%d events: %s", events, qPrintable(visited.join(", ")));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
