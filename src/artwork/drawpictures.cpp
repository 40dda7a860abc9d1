// Draws the program's pictures when it is built, so that starting it costs no drawing:
// zemplo97-pictures --icons OUTDIR writes the icon into OUTDIR/hicolor/NxN/apps/zemplo97.png;
// zemplo97-pictures --window OUTDIR writes the main window's pictures, NAME.pict and
// NAME@2x.pict for screens of two device pixels per pixel, which the window takes as resources;
// zemplo97-pictures --badge-header FILE writes the ROM list page's banner as a C++ header with a
// data: address, which the list writer (no windows, no painting) includes.
#include "artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>

namespace {

int writeBadgeHeader(const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    artwork::badge().save(&buffer, "PNG");
    QFile header(path);
    if (png.isEmpty() || !header.open(QIODevice::WriteOnly)) {
        QTextStream(stderr) << "zemplo97-pictures: cannot write " << path << "\n";
        return 1;
    }
    QByteArray text =
        "#pragma once\n\n"
        "// The 88 x 31 banner of the ROM list page, drawn by the program's artwork\n"
        "// (zemplo97-pictures --badge-header writes this file anew), so the page needs\n"
        "// nothing from outside itself.\n"
        "inline constexpr char kBadgeDataAddress[] =\n    \"data:image/png;base64,\"";
    const QByteArray base64 = png.toBase64();
    for (qsizetype at = 0; at < base64.size(); at += 88)
        text += "\n    \"" + base64.mid(at, 88) + '"';
    text += ";\n";
    return header.write(text) == text.size() ? 0 : 1;
}

bool saved(const QImage& image, const QString& path) {
    if (image.save(path))
        return true;
    QTextStream(stderr) << "zemplo97-pictures: cannot write " << path << "\n";
    return false;
}

// A window picture as the program reads it back: the mark, then width, height and scale, then
// the opaque pixels row after row as 32-bit words 0xffRRGGBB, in this machine's byte order (the
// program is built here too). No codec to load, which at start-up costs more than the pixels.
bool savedAsPixels(const QImage& drawn, const QString& path) {
    const QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes("Z97PICT3");
    for (quint32 number :
         {quint32(image.width()), quint32(image.height()), quint32(image.devicePixelRatio())})
        bytes.append(reinterpret_cast<const char*>(&number), sizeof number);
    for (int y = 0; y < image.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    QTextStream(stderr) << "zemplo97-pictures: cannot write " << path << "\n";
    return false;
}

int writeIcons(const QString& out) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !saved(artwork::appIcon(size), dir + "/zemplo97.png"))
            return 1;
    }
    return 0;
}

// The window's pictures are named for the picture boxes that held them on the original design:
// Picture1 the logo, the image store Picture10 ... Picture21, and the select picture.
int writeWindowPictures(const QString& out) {
    using artwork::Button;
    struct Picture {
        const char* name;
        std::function<QImage(int scale)> draw;
    };
    const auto image = [](Button which, bool on) {
        return [which, on](int scale) { return artwork::button(which, on, scale); };
    };
    const Picture pictures[] = {
        {"Picture1", artwork::logo},
        {"Picture17", image(Button::Keys, false)},
        {"Picture16", image(Button::Keys, true)},
        {"Picture19", image(Button::Load, false)},
        {"Picture18", image(Button::Load, true)},
        {"Picture21", image(Button::Save, false)},
        {"Picture20", image(Button::Save, true)},
        {"Picture11", image(Button::Play, false)},
        {"Picture10", image(Button::Play, true)},
        {"Picture13", image(Button::Quit, false)},
        {"Picture12", image(Button::Quit, true)},
        {"Picture14", image(Button::About, false)},
        {"Picture15", image(Button::About, true)},
        {"select", artwork::selectPicture},
    };
    if (!QDir().mkpath(out))
        return 1;
    for (const Picture& picture : pictures) {
        const QString path = out + QLatin1Char('/') + QLatin1String(picture.name);
        if (!savedAsPixels(picture.draw(1), path + ".pict") ||
            !savedAsPixels(picture.draw(2), path + "@2x.pict"))
            return 1;
    }
    // The window's icon, set after the first paint.
    return saved(artwork::appIcon(64), out + "/icon.png") &&
                   saved(artwork::appIcon(128), out + "/icon@2x.png")
               ? 0
               : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QByteArray mode = argc == 3 ? QByteArray(argv[1]) : QByteArray();
    const QString out = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == "--icons")
        return writeIcons(out);
    if (mode == "--window")
        return writeWindowPictures(out);
    if (mode == "--badge-header")
        return writeBadgeHeader(out);
    QTextStream(stderr) << "usage: zemplo97-pictures --icons|--window OUTDIR\n"
                           "       zemplo97-pictures --badge-header FILE\n";
    return 2;
}
