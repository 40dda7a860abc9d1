#pragma once

#include <QString>

// Title of our own messages about a start that did not happen (DOSBox missing, a directory
// that cannot be entered, a start that failed).
inline QString launchFailureTitle() {
    return QStringLiteral("VGB-DOS not started");
}
