// Renders the program's icon into a hicolor icon theme folder at build time:
// zemplo97-icons OUTDIR writes OUTDIR/hicolor/NxN/apps/zemplo97.png.
// zemplo97-icons --badge-header FILE writes the ROM list page's banner as a C++ header with a
// data: address, which the list writer (no windows, no painting) includes.
#include "artwork.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int writeBadgeHeader(const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    artwork::badge().save(&buffer, "PNG");
    QFile header(path);
    if (png.isEmpty() || !header.open(QIODevice::WriteOnly)) {
        QTextStream(stderr) << "zemplo97-icons: cannot write " << path << "\n";
        return 1;
    }
    QByteArray text =
        "#pragma once\n\n"
        "// The 88 x 31 banner of the ROM list page, drawn by the program's artwork\n"
        "// (zemplo97-icons --badge-header writes this file anew), so the page needs\n"
        "// nothing from outside itself.\n"
        "inline constexpr char kBadgeDataAddress[] =\n    \"data:image/png;base64,\"";
    const QByteArray base64 = png.toBase64();
    for (qsizetype at = 0; at < base64.size(); at += 88)
        text += "\n    \"" + base64.mid(at, 88) + '"';
    text += ";\n";
    return header.write(text) == text.size() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        QTextStream(stderr) << "usage: zemplo97-icons OUTDIR\n";
        return 2;
    }
    if (argc == 3 && QByteArray(argv[1]) == "--badge-header")
        return writeBadgeHeader(QString::fromLocal8Bit(argv[2]));
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) ||
            !artwork::appIcon(size).save(dir + QStringLiteral("/zemplo97.png"))) {
            QTextStream(stderr) << "zemplo97-icons: cannot write " << dir << "\n";
            return 1;
        }
    }
    return 0;
}
