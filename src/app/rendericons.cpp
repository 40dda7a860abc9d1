// Renders the program's icon into a hicolor icon theme folder at build time:
// zemplo97-icons OUTDIR writes OUTDIR/hicolor/NxN/apps/zemplo97.png.
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: zemplo97-icons OUTDIR\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !artwork::appIcon(size).save(dir + QStringLiteral("/zemplo97.png"))) {
            QTextStream(stderr) << "zemplo97-icons: cannot write " << dir << "\n";
            return 1;
        }
    }
    return 0;
}
