#include "imagebutton.h"

#include "keyboardaccess.h"
#include "pictures.h"

#include <QFocusEvent>
#include <QMouseEvent>

ImageButton::ImageButton(const Look& look, QWidget* window)
    : PictureBox(QString::fromLatin1(look.name), window), m_look(look) {
    m_offPixmap = windowPicture(QLatin1String(look.offImage), devicePixelRatioF());
    setGeometry(QRect(look.at, m_offPixmap.deviceIndependentSize().toSize()));
    setPixmap(m_offPixmap);
    setCursor(Qt::PointingHandCursor);
    if (look.lines[0])
        m_bevel = std::make_unique<Bevel>(window, geometry(), look.lines);
    nameForScreenReaders(this, QString::fromUtf8(look.spokenName), hint());
}

ImageButton::~ImageButton() = default;

QString ImageButton::hint() const {
    return QString::fromUtf8(m_look.hint);
}

void ImageButton::setOn(bool on) {
    m_on = on;
    if (on && m_onPixmap.isNull())
        m_onPixmap = windowPicture(QLatin1String(m_look.onImage), devicePixelRatioF());
    setPixmap(on ? m_onPixmap : m_offPixmap);
    if (m_bevel)
        m_bevel->setLook(on ? Bevel::Look::Raised : Bevel::Look::Rest);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    // Over the button it answers the move itself; a move off it while it is held down goes on
    // to the window, which rests what is no longer under the mouse.
    if (!rect().contains(event->position().toPoint())) {
        PictureBox::mouseMoveEvent(event);
        return;
    }
    event->accept();
    emit hovered();
}

void ImageButton::focusInEvent(QFocusEvent* event) {
    PictureBox::focusInEvent(event);
    if (focusMovedByUser(event->reason()))
        emit hovered();
}

void ImageButton::focusOutEvent(QFocusEvent* event) {
    PictureBox::focusOutEvent(event);
    setOn(false);
}
