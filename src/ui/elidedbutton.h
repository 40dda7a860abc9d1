#pragma once

#include <QPushButton>

// A push button whose caption, when it is wider than the button, is drawn cut in the middle
// with "…", so that both its ends stay readable ("Kill Super Mar…(World).cfg !"). Its text
// stays the whole caption, for screen readers and for whoever reads it back, and the whole
// caption is its tooltip while it is cut.
class ElidedButton : public QPushButton {
public:
    explicit ElidedButton(QWidget* parent = nullptr) : QPushButton(parent) {}

    // Hides QPushButton::setText, which is not virtual: the tooltip follows the caption.
    void setText(const QString& text);
    // What the button draws: its caption, cut in the middle when it does not fit.
    QString drawnText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int roomForText() const;
    void updateToolTip();
};
