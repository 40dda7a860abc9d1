#include "namepattern.h"

namespace {

// Only * and ? are special on DOS; brackets and the rest match themselves.
QRegularExpression dosPatternExpression(const QString& pattern) {
    QString re;
    re.reserve(pattern.size() * 2 + 4);
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            re += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            re += QLatin1Char('.');
        else
            re += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(re),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

NamePattern::NamePattern(const QStringList& alternatives) {
    for (const QString& one : alternatives) {
        const QString tail = one.mid(1);
        if (one.startsWith(QLatin1Char('*')) && !tail.contains(QLatin1Char('*')) &&
            !tail.contains(QLatin1Char('?')))
            m_alternatives.push_back({tail, {}});
        else
            m_alternatives.push_back({{}, dosPatternExpression(one)});
    }
}

bool NamePattern::matches(const QString& name) const {
    for (const Alternative& alternative : m_alternatives)
        if (alternative.expression.pattern().isEmpty()
                ? name.endsWith(alternative.tail, Qt::CaseInsensitive)
                : alternative.expression.match(name).hasMatch())
            return true;
    return false;
}
