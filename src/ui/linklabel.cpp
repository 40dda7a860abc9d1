#include "linklabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    QPalette link = palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    setPalette(link);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

// The keyboard on the link shows as a frame drawn inside its own area.
void LinkLabel::focusInEvent(QFocusEvent* event) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QLabel::focusInEvent(event);
}

void LinkLabel::focusOutEvent(QFocusEvent* event) {
    setFrameStyle(QFrame::NoFrame);
    QLabel::focusOutEvent(event);
}
