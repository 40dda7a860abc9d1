#include "printable.h"

#include <algorithm>

QString printable(const QString& text) {
    if (std::none_of(text.begin(), text.end(), isControlCharacter))
        return text; // the usual case, without a copy
    QString shown = text;
    std::replace_if(shown.begin(), shown.end(), isControlCharacter, QLatin1Char('?'));
    return shown;
}
