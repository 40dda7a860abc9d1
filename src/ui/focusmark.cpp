#include "focusmark.h"

#include <QPainter>

void drawFocusMark(QPainter& painter, const QRect& area) {
    const QRect inside = area.adjusted(0, 0, -1, -1);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(inside);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(inside);
    painter.restore();
}
