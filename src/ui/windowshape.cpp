#include "windowshape.h"

#include "accessibleinterfaces.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates kOversized = Qt::WindowMaximized | Qt::WindowFullScreen;

// A maximize or full-screen state that reaches a window anyway (a compositor or a window
// manager may send it) is undone at once. On Wayland the compositor decides a maximized
// window's size, and a window that kept its own would end the program with a protocol error:
// there the window has only a least size, so that it can take the state it is sent, and takes
// its own size back when it is next shown.
class BackToNormal : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window)
            return false;
        if (event->type() == QEvent::WindowStateChange && !m_restoring &&
            (window->windowState() & kOversized)) {
            m_restoring = true;
            window->setWindowState(window->windowState() & ~kOversized);
            m_restoring = false;
        } else if (event->type() == QEvent::Show && !platformPlacesWindows()) {
            window->resize(window->minimumSize());
        }
        return false;
    }

private:
    bool m_restoring = false;
};

// A click on the disabled main window activates it on most desktops: the keyboard then goes on
// to the secondary window that keeps it disabled, where Tab and Escape work.
class KeyboardToOwnWindow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* mainWindow = qobject_cast<QWidget*>(watched);
        if (mainWindow && event->type() == QEvent::WindowActivate && !mainWindow->isEnabled())
            QTimer::singleShot(0, mainWindow, [mainWindow] {
                if (QWidget* own = shownWindowOf(mainWindow))
                    own->activateWindow();
            });
        return false;
    }

private:
    static QWidget* shownWindowOf(QWidget* mainWindow) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != mainWindow && window->isVisible() && window->isEnabled() &&
                window->windowHandle() &&
                window->windowHandle()->transientParent() == mainWindow->windowHandle())
                return window;
        return nullptr;
    }
};

} // namespace

bool platformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void shapeFixedWindow(QWidget* window, QSize size, WindowKind kind) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags |= kind == WindowKind::Main ? Qt::Window | Qt::WindowMinimizeButtonHint : Qt::Dialog;
    window->setWindowFlags(flags);
    setAccessibleWindowRole(window, kind == WindowKind::Main ? AccessibleWindowRole::Frame
                                                             : AccessibleWindowRole::Dialog);
    if (platformPlacesWindows()) {
        window->setFixedSize(size);
    } else {
        window->setMinimumSize(size);
        window->resize(size);
    }
    window->installEventFilter(new BackToNormal(window));
    if (kind == WindowKind::Main)
        window->installEventFilter(new KeyboardToOwnWindow(window));
}

void belongToMainWindow(QWidget* window, QWidget* mainWindow) {
    window->winId(); // its platform window, to hang it on the main window's
    mainWindow->winId();
    window->windowHandle()->setTransientParent(mainWindow->windowHandle());
}
