#include "elidedbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void ElidedButton::setText(const QString& text) {
    QPushButton::setText(text);
    updateToolTip();
}

// The width the style leaves for the caption inside the button's frame and margins.
int ElidedButton::roomForText() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    return contents.width() - margin;
}

QString ElidedButton::drawnText() const {
    // A caption that fits comes back as it is.
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, roomForText());
}

void ElidedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = drawnText();
    painter.drawControl(QStyle::CE_PushButton, option);
}

void ElidedButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    updateToolTip();
}

void ElidedButton::updateToolTip() {
    setToolTip(drawnText() == text() ? QString() : text());
}
