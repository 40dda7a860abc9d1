#pragma once

#include <QColor>
#include <QFrame>
#include <QRect>

// The four lines that frame the play, quit and About buttons; their colours make the bevel.
class Bevel {
public:
    enum class Look { Rest, Raised, Pressed };

    // names: top, left, bottom and right line.
    Bevel(QWidget* parent, const QRect& around, const char* const names[4]);

    void setLook(Look look);
    // Mouse release on play: lines back to one pixel, colours kept.
    void setThin();

    QColor color(int line) const;
    int width(int line) const;

private:
    void place(int thickness);

    QFrame* m_lines[4];
    QRect m_around;
};
