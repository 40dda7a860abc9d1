#include "pictures.h"

QPixmap windowPicture(const QString& name, qreal devicePixelRatio) {
    // Loading NAME@2x.png gives the pixmap a device pixel ratio of 2 by that name.
    const QString path = QStringLiteral(":/pictures/") + name;
    return QPixmap(devicePixelRatio > 1 ? path + QStringLiteral("@2x.png")
                                        : path + QStringLiteral(".png"));
}
