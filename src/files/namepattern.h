#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

// A DOS name pattern: * and ? are wildcards, every other character matches itself, in any
// letter case. "*.gb" and its like, a star and a tail without wildcards, are matched by the tail
// alone, being matched against many names; any other pattern by an expression.
class NamePattern {
public:
    explicit NamePattern(const QString& pattern) : NamePattern(QStringList{pattern}) {}
    // A name matches when it matches any of them.
    explicit NamePattern(const QStringList& alternatives);
    bool matches(const QString& name) const;

private:
    struct Alternative {
        QString tail; // after the star, when the pattern is a star and a plain tail
        QRegularExpression expression;
    };
    std::vector<Alternative> m_alternatives;
};
