#pragma once

#include <QObject>
#include <QtGlobal>

// A window's control found by its object name, as a user finds it by its place; a missing one
// stops the test program with its name.
template <typename W> W* control(QObject* window, const char* name) {
    W* found = window->findChild<W*>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s of that kind", name);
    return found;
}
