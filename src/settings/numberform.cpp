#include "numberform.h"

#include <QLocale>

#include <cmath>
#include <limits>

QString formatNumber(double value) {
    // Whole values (every scroll bar and window position in practice) print without a
    // fraction; others take the shortest plain decimal that reads back as the same number.
    // Never an exponent: the reader takes digits and one point only.
    QString digits = (std::floor(value) == value && std::abs(value) < 1e15)
                         ? QString::number(static_cast<qint64>(std::abs(value)))
                         : QString::number(std::abs(value), 'f', QLocale::FloatingPointShortest);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

double parseNumber(const QString& text) {
    const auto isAsciiDigit = [&](int i) {
        return i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
    };
    int i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const int start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        ++i;
    int digits = 0;
    for (; isAsciiDigit(i); ++i)
        ++digits;
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        ++i;
        for (; isAsciiDigit(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    if (ok && std::isfinite(value))
        return value;
    // Too many digits for a double: as large as a number gets, so that it clamps like any
    // other number out of range instead of reading as 0.
    const bool negative = text.at(start) == QLatin1Char('-');
    return negative ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
}

int roundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // default rounding mode is to nearest even
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}
