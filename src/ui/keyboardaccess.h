#pragma once

#include <QString>
#include <Qt>

#include <initializer_list>

class QWidget;

// Tab walks these controls of the window in this order, Shift+Tab backwards. The controls are
// the window's own members, so a name that is wrong does not compile.
void setReadingOrder(std::initializer_list<QWidget*> controls);

// The user moved the focus (Tab, a click, a shortcut), rather than a window opening or closing.
bool focusMovedByUser(Qt::FocusReason reason);

// Return presses the push button that has the focus, as Space does.
void pressButtonsOnReturn(QWidget* window);

// What a screen reader says of a control: what it does, and how it helps. An editable list's
// text box is named too, since that is where the focus sits.
void nameForScreenReaders(QWidget* control, const QString& name,
                          const QString& description = QString());

// A secondary window has closed: the keyboard goes back to the main window, where the user
// left it, also where no window manager would see to that.
void returnKeyboardTo(QWidget* mainWindow);
