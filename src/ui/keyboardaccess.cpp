#include "keyboardaccess.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Return and Enter press the push button that has the focus, as Space does. Qt's own way, an
// auto-default button, would in a dialog also make the first button press on Return from any
// text box.
class ReturnPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        button->click();
        return true;
    }
};

} // namespace

void setReadingOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void pressButtonsOnReturn(QWidget* window) {
    auto* presses = new ReturnPresses(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->installEventFilter(presses);
    }
}

void nameForScreenReaders(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        nameForScreenReaders(combo->lineEdit(), name, description);
}

void returnKeyboardTo(QWidget* mainWindow) {
    if (mainWindow->isVisible())
        mainWindow->activateWindow();
}

bool focusMovedByUser(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
}
