#pragma once

#include <QImage>
#include <QSize>

// The launcher's bitmaps, drawn in code rather than shipped: the logo, the OFF and ON images of
// the six image buttons, the select picture, the icon and the ROM list page's banner. They are
// drawn once, when the program is built (zemplo97-pictures), at each scale a screen asks for;
// the program only loads them.
namespace artwork {

enum class Button { Keys, Load, Save, Play, Quit, About };

// Each picture at `scale` device pixels per pixel: its size is the size given times the scale,
// and its device pixel ratio the scale.
QImage logo(int scale);                          // logoSize()
QImage button(Button which, bool on, int scale); // OFF image at rest, ON image under the mouse
QImage selectPicture(int scale);                 // 16 x 13
QImage badge();                                  // 88 x 31, for the banner of the ROM list page
QImage appIcon(int size);                        // the program's icon, square, any size
QSize buttonSize(Button which);
inline QSize logoSize() {
    return {421, 51};
}

} // namespace artwork
