#pragma once

#include "numberform.h"

#include <QString>

#include <algorithm>

// A stored or saved number as a scroll bar takes it: read in number form, rounded half to
// even, and brought into 0..maxValue, since a scroll bar cannot show a value outside its range.
inline int scrollBarValue(const QString& text, int maxValue) {
    return std::clamp(roundHalfEven(parseNumber(text)), 0, maxValue);
}
