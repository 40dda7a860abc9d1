#pragma once

#include <QRegularExpression>
#include <QString>

// A DOS name pattern: * and ? are wildcards, every other character matches itself, in any
// letter case. "*.gb" and its like, a star and a tail without wildcards, are matched by the tail
// alone, being matched against many names; any other pattern by an expression.
class NamePattern {
public:
    explicit NamePattern(const QString& pattern);
    bool matches(const QString& name) const;

private:
    QString m_tail; // after the star, when the pattern is a star and a plain tail
    QRegularExpression m_expression;
};
