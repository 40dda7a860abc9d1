#pragma once

#include <QRect>

class QPainter;

// The dotted frame that shows which control the keyboard is on, drawn inside the control's own
// rectangle so that it never changes its size. Black dots on a white line: seen on any picture.
void drawFocusMark(QPainter& painter, const QRect& area);
