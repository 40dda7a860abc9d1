#pragma once

#include <QRegularExpression>
#include <QString>

// A DOS name pattern as an expression: * and ? are wildcards, every other character matches
// itself, in any letter case.
QRegularExpression dosPatternExpression(const QString& pattern);

// A DOS name pattern matched against many names: "*.gb" and its like, a star and a tail without
// wildcards, by the tail alone; any other pattern by its expression.
class NamePattern {
public:
    explicit NamePattern(const QString& pattern);
    bool matches(const QString& name) const;

private:
    QString m_tail; // after the star, when the pattern is a star and a plain tail
    QRegularExpression m_expression;
};
