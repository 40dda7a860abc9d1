#pragma once

#include "bevel.h"
#include "picturebox.h"

#include <memory>

// One of the main window's image buttons: its OFF picture at rest, its ON picture while it is
// lit, and for play, quit and About the four lines of a bevel, raised while lit. The mouse
// arriving over it, or the user moving the focus onto it, is `hovered`; what that lights or
// rests elsewhere on the window is the window's business. Losing the focus rests it.
class ImageButton : public PictureBox {
    Q_OBJECT
public:
    struct Look {
        const char* name;
        // The pictures' names: those of the picture boxes that held them on the original design.
        const char* offImage;
        const char* onImage;
        QPoint at; // top left on the window
        // The bevel's lines (top, left, bottom, right), or none.
        const char* lines[4];
        const char* spokenName;
        const char* hint; // the status line's text, also what a screen reader adds
    };

    ImageButton(const Look& look, QWidget* window);
    ~ImageButton() override;

    // The ON procedure with `on`, the OFF procedure without.
    void setOn(bool on);
    bool isOn() const { return m_on; }
    Bevel* bevel() const { return m_bevel.get(); } // null for the three small buttons
    QString hint() const;

signals:
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const Look m_look;
    QPixmap m_offPixmap;
    QPixmap m_onPixmap; // loaded when the button first lights, not for the first paint
    std::unique_ptr<Bevel> m_bevel;
    bool m_on = false;
};
