#pragma once

#include <QLabel>

// A picture that acts as a button: it reports clicks and the press and release of the mouse.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(const QString& name, QWidget* parent);

signals:
    void clicked();
    void pressed();
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
