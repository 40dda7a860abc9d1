#pragma once

#include <QString>

// A character that steers whatever reads the text instead of showing: C0 and C1 controls and
// the Unicode line and paragraph separators.
inline bool isControlCharacter(QChar c) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
        return false; // printable ASCII, the most, without a look-up
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// The text with each control character (a line end, an escape, ...) shown as "?": names and
// titles come from disks and ROMs, and raw control characters would split a list's rows or
// steer the terminal that shows them.
QString printable(const QString& text);
