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

NamePattern::NamePattern(const QString& pattern) {
    const QString tail = pattern.mid(1);
    if (pattern.startsWith(QLatin1Char('*')) && !tail.contains(QLatin1Char('*')) &&
        !tail.contains(QLatin1Char('?')))
        m_tail = tail;
    else
        m_expression = dosPatternExpression(pattern);
}

bool NamePattern::matches(const QString& name) const {
    if (m_expression.pattern().isEmpty())
        return name.endsWith(m_tail, Qt::CaseInsensitive);
    return m_expression.match(name).hasMatch();
}
