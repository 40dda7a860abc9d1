#pragma once

#include "namepattern.h"

#include <QString>

// True when at least one ordinary, non-hidden file matches the path. The last component may
// hold the DOS wildcards * and ?, matched regardless of letter case. A relative path is taken
// from baseDirectory, or from the current directory when that is empty.
bool FileExist(const QString& path, const QString& baseDirectory = QString());
