#pragma once

#include <QString>

// The status line's hint for the control of this name, or a null text for controls without one.
QString statusHint(const QString& controlName);

QString waitingForRomHint();
QString readyHint();
