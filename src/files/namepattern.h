#pragma once

#include <QRegularExpression>
#include <QString>

// A DOS name pattern as an expression: * and ? are wildcards, every other character matches
// itself, in any letter case.
QRegularExpression dosPatternExpression(const QString& pattern);
