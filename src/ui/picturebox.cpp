#include "picturebox.h"
#include "focusmark.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

PictureBox::PictureBox(const QString& name, QWidget* parent) : QAbstractButton(parent) {
    setObjectName(name);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPixmap(const QPixmap& pixmap) {
    m_pixmap = pixmap;
    update();
}

QSize PictureBox::sizeHint() const {
    return m_pixmap.deviceIndependentSize().toSize();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (isEnabled()) {
        painter.drawPixmap(0, 0, m_pixmap);
    } else {
        // Greyed on a disabled window, as every other control there is.
        QStyleOption option;
        option.initFrom(this);
        painter.drawPixmap(0, 0, style()->generatedIconPixmap(QIcon::Disabled, m_pixmap, &option));
    }
    if (hasFocus())
        drawFocusMark(painter, rect());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    // A picture stays pressed while the mouse wanders off it with the button held; the release
    // decides whether it was a click. Moves go on to the window, which lights what is under them.
    event->ignore();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool endsPress = event->button() == Qt::LeftButton && isDown();
    QAbstractButton::mouseReleaseEvent(event);
    // Let go off the picture: no click, but the press has ended all the same.
    if (endsPress && !event->isAccepted()) {
        event->accept();
        emit released();
    }
}

// Return presses the picture as Space does: down while held, clicked on release.
QKeyEvent PictureBox::returnAsSpace(const QKeyEvent* event) {
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return QKeyEvent(event->type(), isReturn ? Qt::Key_Space : event->key(), event->modifiers(),
                     isReturn ? QStringLiteral(" ") : event->text(), event->isAutoRepeat());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    QKeyEvent key = returnAsSpace(event);
    QAbstractButton::keyPressEvent(&key);
    event->setAccepted(key.isAccepted());
}

void PictureBox::keyReleaseEvent(QKeyEvent* event) {
    QKeyEvent key = returnAsSpace(event);
    QAbstractButton::keyReleaseEvent(&key);
    event->setAccepted(key.isAccepted());
}
