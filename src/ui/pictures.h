#pragma once

#include <QPixmap>
#include <QString>

// One of the window's pictures, drawn when the program was built, by the name the build gave
// it. A screen of more than one device pixel per pixel gets the picture drawn at twice the
// scale, so that it is sharp there too. Null for a name the build did not draw.
QPixmap windowPicture(const QString& name, qreal devicePixelRatio);
