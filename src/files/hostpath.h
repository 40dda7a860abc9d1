#pragma once

#include <QString>

// A path built from a folder and a name: a folder that already ends in "/" (the root) takes
// no second one.
inline QString joinPath(const QString& directory, const QString& name) {
    return directory.endsWith(QLatin1Char('/')) ? directory + name
                                                : directory + QLatin1Char('/') + name;
}
