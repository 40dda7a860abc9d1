#pragma once

#include <QImage>
#include <QPixmap>

// The launcher's bitmaps, drawn in code rather than shipped: the logo, the OFF and ON images of
// the six image buttons and the select picture. The main window keeps what it drew in an
// ArtworkCache, so that later starts read them back.
namespace artwork {

enum class Button { Keys, Load, Save, Play, Quit, About };

QPixmap logo();                        // logoSize()
QImage badge();                        // 88 x 31, for the banner of the ROM list page
QPixmap button(Button which, bool on); // OFF image at rest, ON image under the mouse
QPixmap selectPicture();               // 16 x 13
QImage appIcon(int size);              // the program's icon, square, any size
QSize buttonSize(Button which);
inline QSize logoSize() {
    return {421, 51};
}

} // namespace artwork
