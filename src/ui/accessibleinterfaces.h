#pragma once

class QWidget;

// What screen readers hear of the launcher, through the accessibility bus (AT-SPI on Linux),
// where Qt's own interfaces say less than a user needs: an option list is named by what it
// sets (Qt names it by its value there), the windows are frames and dialogs (a plain window is
// a "filler" to Qt), a link is a link that can be followed, and decorative lines are left out.
// Installed once, before the first window shows.
void installAccessibleInterfaces();

// A line drawn only to be looked at: screen readers do not walk it.
void markDecorative(QWidget* widget);

// Which kind of window a screen reader is told `window` is.
enum class AccessibleWindowRole { Frame, Dialog };
void setAccessibleWindowRole(QWidget* window, AccessibleWindowRole role);
