#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {

namespace {

const QColor kShell(0xC0, 0xC0, 0xC0);
const QColor kScreenDark(0x0F, 0x38, 0x0F);
const QColor kScreenMid(0x30, 0x62, 0x30);
const QColor kScreenLight(0x8B, 0xAC, 0x0F);
const QColor kScreenPale(0x9B, 0xBC, 0x0F);

QFont pixelFont(int pixelSize, bool bold = true) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A raised, late-nineties face: light top-left edge, dark bottom-right edge.
void drawFace(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
    p.setPen(top.lighter(150));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottom.darker(170));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void drawCaption(QPainter& p, const QRect& r, const QString& text, int pixelSize,
                 const QColor& color) {
    p.setFont(pixelFont(pixelSize));
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(r.translated(1, 1), Qt::AlignCenter, text);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawKeysGlyph(QPainter& p, const QColor& ink) {
    // A small keyboard key with an F on it.
    p.setPen(ink);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRect(3, 4, 13, 11), 2, 2);
    p.setFont(pixelFont(9));
    p.drawText(QRect(3, 4, 13, 11), Qt::AlignCenter, QStringLiteral("F"));
}

void drawFolderGlyph(QPainter& p, const QColor& ink, bool arrowOut) {
    p.setPen(ink.darker(160));
    p.setBrush(ink);
    QPainterPath folder;
    folder.moveTo(3, 6);
    folder.lineTo(8, 6);
    folder.lineTo(9, 8);
    folder.lineTo(16, 8);
    folder.lineTo(16, 16);
    folder.lineTo(3, 16);
    folder.closeSubpath();
    p.drawPath(folder);
    // The arrow tells load (into the folder) from save (out of it).
    p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF), 1.5));
    if (arrowOut) {
        p.drawLine(10, 14, 10, 3);
        p.drawLine(10, 3, 7, 6);
        p.drawLine(10, 3, 13, 6);
    } else {
        p.drawLine(10, 2, 10, 13);
        p.drawLine(10, 13, 7, 10);
        p.drawLine(10, 13, 13, 10);
    }
}

} // namespace

QSize buttonSize(Button which) {
    switch (which) {
    case Button::Keys:
    case Button::Load:
    case Button::Save:
        return {20, 20};
    case Button::Play:
    case Button::Quit:
        return {60, 31};
    case Button::About:
        return {29, 31};
    }
    return {};
}

namespace {

// A canvas of `size` pixels at `scale`, filled with the shell's grey: painters on it draw in
// pixels of the window, and the scale makes them finer.
QImage canvas(QSize size, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(kShell);
    return image;
}

// The handheld's screen band, framed, with the pen left dark for its text.
void drawScreenBand(QPainter& p, const QRect& screen) {
    p.fillRect(screen, kScreenPale);
    p.setPen(kScreenDark);
    p.drawRect(screen.adjusted(0, 0, -1, -1));
}

// The cartridge-label side: what the launcher drives.
void drawLabelSide(QPainter& p, const QRect& label) {
    drawFace(p, label, QColor(0x50, 0x50, 0x88), QColor(0x20, 0x20, 0x48));
}

} // namespace

QImage logo(int scale) {
    QImage image = canvas(logoSize(), scale);
    QPainter p(&image);
    const QRect screen(4, 4, 300, 43);
    drawScreenBand(p, screen);
    for (int y = screen.top() + 3; y < screen.bottom(); y += 3)
        p.fillRect(QRect(screen.left() + 1, y, screen.width() - 2, 1), kScreenLight);
    p.setFont(pixelFont(30));
    p.setPen(kScreenMid);
    p.drawText(screen.translated(2, 2), Qt::AlignCenter, QStringLiteral("ZEMPLO 97"));
    p.setPen(kScreenDark);
    p.drawText(screen, Qt::AlignCenter, QStringLiteral("ZEMPLO 97"));
    const QRect label(310, 4, 107, 43);
    drawLabelSide(p, label);
    p.setFont(pixelFont(11));
    p.setPen(QColor(0xE0, 0xE0, 0xFF));
    p.drawText(label.adjusted(0, 4, 0, -20), Qt::AlignCenter, QStringLiteral("front end for"));
    p.setFont(pixelFont(15));
    p.setPen(QColor(0xFF, 0xE0, 0x40));
    p.drawText(label.adjusted(0, 18, 0, 0), Qt::AlignCenter, QStringLiteral("VGB-DOS"));
    p.end();
    return image;
}

QImage badge() {
    QImage image = canvas(QSize(88, 31), 1);
    QPainter p(&image);
    const QRect screen(2, 2, 84, 17);
    drawScreenBand(p, screen);
    p.setFont(pixelFont(12));
    p.drawText(screen, Qt::AlignCenter, QStringLiteral("ZEMPLO 97"));
    const QRect label(2, 20, 84, 9);
    drawLabelSide(p, label);
    p.setFont(pixelFont(8));
    p.setPen(QColor(0xFF, 0xE0, 0x40));
    p.drawText(label, Qt::AlignCenter, QStringLiteral("VGB-DOS"));
    return image;
}

QImage button(Button which, bool on, int scale) {
    const QSize size = buttonSize(which);
    QImage image = canvas(size, scale);
    QPainter p(&image);
    const QRect r(QPoint(0, 0), size);
    const QColor ink = on ? QColor(0x00, 0x00, 0xA0) : QColor(0x40, 0x40, 0x40);
    switch (which) {
    case Button::Keys:
        if (on)
            p.fillRect(r, QColor(0xE8, 0xE8, 0xFF));
        drawKeysGlyph(p, ink);
        break;
    case Button::Load:
    case Button::Save:
        if (on)
            p.fillRect(r, QColor(0xE8, 0xE8, 0xFF));
        drawFolderGlyph(p, on ? QColor(0xF0, 0xC0, 0x30) : QColor(0xB0, 0x90, 0x40),
                        which == Button::Save);
        break;
    case Button::Play:
        drawFace(p, r, on ? QColor(0x40, 0xC0, 0x40) : QColor(0x30, 0x80, 0x30),
                 on ? QColor(0x10, 0x60, 0x10) : QColor(0x10, 0x40, 0x10));
        drawCaption(p, r, QStringLiteral("PLAY"), 15, on ? Qt::white : QColor(0xD0, 0xE0, 0xD0));
        break;
    case Button::Quit:
        drawFace(p, r, on ? QColor(0xE0, 0x40, 0x40) : QColor(0x90, 0x30, 0x30),
                 on ? QColor(0x70, 0x10, 0x10) : QColor(0x48, 0x10, 0x10));
        drawCaption(p, r, QStringLiteral("QUIT"), 15, on ? Qt::white : QColor(0xE0, 0xD0, 0xD0));
        break;
    case Button::About:
        drawFace(p, r, on ? QColor(0x50, 0x50, 0xE0) : QColor(0x38, 0x38, 0x90),
                 on ? QColor(0x10, 0x10, 0x70) : QColor(0x10, 0x10, 0x40));
        drawCaption(p, r, QStringLiteral("?"), 20, on ? QColor(0xFF, 0xE0, 0x40) : Qt::white);
        break;
    }
    p.end();
    return image;
}

QImage appIcon(int size) {
    // The handheld the logo's screen band comes from, seen whole: shell, screen, pad, buttons.
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const QRectF body(10, 2, 44, 60);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    p.setBrush(kShell);
    p.drawRoundedRect(body, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawRoundedRect(QRectF(14, 6, 36, 28), 3, 3);
    const QRectF screen(18, 9, 28, 22);
    p.setBrush(kScreenPale);
    p.drawRect(screen);
    p.setBrush(kScreenDark);
    // "Z" on the screen, drawn as strokes so that it reads at 16 pixels.
    p.setPen(QPen(kScreenDark, 3.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF z[] = {{24, 14}, {40, 14}, {24, 26}, {40, 26}};
    p.drawPolyline(z, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(QRectF(16, 43, 12, 4)); // the pad
    p.drawRect(QRectF(20, 39, 4, 12));
    p.setBrush(QColor(0x90, 0x20, 0x50));
    p.drawEllipse(QRectF(38, 44, 6, 6)); // B and A
    p.drawEllipse(QRectF(45, 40, 6, 6));
    return image;
}

QImage selectPicture(int scale) {
    QImage image = canvas(QSize(16, 13), scale);
    QPainter p(&image);
    drawFace(p, QRect(0, 0, 16, 13), QColor(0xE0, 0xE0, 0xE0), QColor(0x90, 0x90, 0x90));
    p.setPen(Qt::black);
    for (int i = 0; i < 3; ++i)
        p.drawPoint(4 + 3 * i, 8);
    p.end();
    return image;
}

} // namespace artwork
