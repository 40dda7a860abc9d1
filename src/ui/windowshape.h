#pragma once

#include <QSize>

class QWidget;

// Every window of the launcher has one size: none offers maximize or full screen, on X11 or on
// Wayland, and a request that reaches one anyway (a compositor may send it) leaves it as it was
// instead of ending the program.
enum class WindowKind { Main, Secondary };
void shapeFixedWindow(QWidget* window, QSize size, WindowKind kind);

// A secondary window is a dialog of the main window: it stays above it, the window manager
// places it over it, and a click on the disabled main window never hides it. It is no child of
// the main window, which would disable it with itself.
void belongToMainWindow(QWidget* window, QWidget* mainWindow);

// Whether the platform tells where a window stands and lets the program place it: X11 does,
// Wayland does neither.
bool platformPlacesWindows();
