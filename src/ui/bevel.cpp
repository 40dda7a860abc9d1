#include "bevel.h"

#include "accessibleinterfaces.h"

namespace {
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kLight(0xE0, 0xE0, 0xE0);
const QColor kDark(0x40, 0x40, 0x40);
enum { Top, Left, Bottom, Right };
} // namespace

Bevel::Bevel(QWidget* parent, const QRect& around, const char* const names[4]) : m_around(around) {
    for (int i = 0; i < 4; ++i) {
        m_lines[i] = new QFrame(parent);
        m_lines[i]->setObjectName(QString::fromLatin1(names[i]));
        m_lines[i]->setAutoFillBackground(true);
        m_lines[i]->setMouseTracking(true);
        markDecorative(m_lines[i]);
    }
    place(1);
    setLook(Look::Rest);
}

void Bevel::place(int t) {
    const QRect& r = m_around;
    m_lines[Top]->setGeometry(r.left() - t, r.top() - t, r.width() + 2 * t, t);
    m_lines[Left]->setGeometry(r.left() - t, r.top() - t, t, r.height() + 2 * t);
    m_lines[Bottom]->setGeometry(r.left() - t, r.bottom() + 1, r.width() + 2 * t, t);
    m_lines[Right]->setGeometry(r.right() + 1, r.top() - t, t, r.height() + 2 * t);
}

void Bevel::setLook(Look look) {
    const QColor topLeft = look == Look::Rest ? kBlack : look == Look::Raised ? kLight : kDark;
    const QColor bottomRight = look == Look::Rest ? kBlack : look == Look::Raised ? kDark : kLight;
    const QColor colors[4] = {topLeft, topLeft, bottomRight, bottomRight};
    for (int i = 0; i < 4; ++i) {
        QPalette palette = m_lines[i]->palette();
        palette.setColor(QPalette::Window, colors[i]);
        m_lines[i]->setPalette(palette);
    }
    place(look == Look::Pressed ? 2 : 1);
}

void Bevel::setThin() {
    place(1);
}

QColor Bevel::color(int line) const {
    return m_lines[line]->palette().color(QPalette::Window);
}

int Bevel::width(int line) const {
    return line == Top || line == Bottom ? m_lines[line]->height() : m_lines[line]->width();
}
