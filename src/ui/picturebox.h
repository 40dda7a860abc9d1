#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture that is a button: the mouse clicks it, Tab reaches it, Space and Return press it.
// It paints only its picture, at its own size, and a dotted mark over it while it has the focus.
class PictureBox : public QAbstractButton {
    Q_OBJECT
public:
    PictureBox(const QString& name, QWidget* parent);

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return m_pixmap; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    static QKeyEvent returnAsSpace(const QKeyEvent* event);

    QPixmap m_pixmap;
};
