#pragma once

#include <QString>

// The one way numbers become text wherever the launcher stores them or shows them in a
// caption: decimal, a leading blank for zero and positive values, a minus sign otherwise.
QString formatNumber(double value);

// Reads the leading decimal number of a text, blanks before it skipped. An empty or
// non-numeric text reads as 0, so a hand-edited store never stops the launcher; one with too
// many digits for a double reads as the largest double of its sign, so it clamps like any
// other number out of range.
double parseNumber(const QString& text);

// Rounds to the nearest whole number, a half to the even neighbour, and saturates at the
// limits of int so that a huge stored value cannot overflow.
int roundHalfEven(double value);
