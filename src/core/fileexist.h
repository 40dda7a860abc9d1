#pragma once

#include <QRegularExpression>
#include <QString>

// True when at least one ordinary, non-hidden file matches the path. The last component may
// hold the DOS wildcards * and ?, matched regardless of letter case. A relative path is taken
// from baseDirectory, or from the current directory when that is empty.
bool FileExist(const QString& path, const QString& baseDirectory = QString());

// A DOS name pattern as an expression: * and ? are wildcards, every other character matches
// itself, in any letter case.
QRegularExpression dosPatternExpression(const QString& pattern);
