#pragma once

#include <QScrollBar>

// A horizontal scroll bar the keyboard moves as it reads: Right, Up, Page Down and End towards
// the larger value, Left, Down, Page Up and Home towards the smaller one. (Qt's own scroll bar
// inverts its keys, made for vertical page scrolling.) Tab reaches it and a mark shows the focus.
class HorizontalScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit HorizontalScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
