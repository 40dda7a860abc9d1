// The main window's mouse-move behaviour: image buttons light up under the mouse and the
// status line names what the control under it does.
#include "pad.h"
#include "picturebox.h"
#include "statushints.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

void Pad::watchMouseMoves() {
    setMouseTracking(true);
    // Every named control takes its own moves, so a move over a control never reaches the
    // frame or window around it; moves over a control's inner parts come up to it.
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->objectName().isEmpty())
            continue;
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

bool Pad::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched != this) {
        controlMouseMove(watched->objectName());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Pad::mouseMoveEvent(QMouseEvent*) {
    Form_MouseMove();
}

void Pad::Form_MouseMove() {
    KeysOFF();
    playOFF();
    QuitOFF();
    HelpOFF();
    LoadsOFF();
    SavesOFF();
    Label9->setText(Text1->text().isEmpty() ? waitingForRomHint() : readyHint());
}

void Pad::controlMouseMove(const QString& name) {
    if (name == QLatin1String("Picture2")) {
        LoadsOFF();
        KeysON();
    } else if (name == QLatin1String("Picture9")) {
        KeysOFF();
        LoadsON();
    } else if (name == QLatin1String("Picture8")) {
        savesON();
        playOFF();
        LoadsOFF();
    } else if (name == QLatin1String("Picture5")) {
        SavesOFF();
        QuitOFF();
        PLayON();
    } else if (name == QLatin1String("Picture6")) {
        HelpOFF();
        playOFF();
        QuitON();
    } else if (name == QLatin1String("Picture7")) {
        playOFF();
        QuitOFF();
        m_about.bevel->setLook(Bevel::Look::Raised);
        setImage(m_about, true);
    }
    const QString hint = statusHint(name);
    if (!hint.isNull())
        Label9->setText(hint);
}

void Pad::setImage(ImageButton& button, bool on) {
    button.on = on;
    button.box->setPixmap((on ? button.onStore : button.offStore)->pixmap());
}

void Pad::KeysOFF() {
    setImage(m_keys, false);
}
void Pad::KeysON() {
    setImage(m_keys, true);
}
void Pad::LoadsOFF() {
    setImage(m_load, false);
}
void Pad::LoadsON() {
    setImage(m_load, true);
}
void Pad::SavesOFF() {
    setImage(m_save, false);
}
void Pad::savesON() {
    setImage(m_save, true);
}

void Pad::playOFF() {
    setImage(m_play, false);
    m_play.bevel->setLook(Bevel::Look::Rest);
}

void Pad::PLayON() {
    setImage(m_play, true);
    m_play.bevel->setLook(Bevel::Look::Raised);
}

void Pad::QuitOFF() {
    setImage(m_quit, false);
    m_quit.bevel->setLook(Bevel::Look::Rest);
}

void Pad::QuitON() {
    setImage(m_quit, true);
    m_quit.bevel->setLook(Bevel::Look::Raised);
}

void Pad::HelpOFF() {
    setImage(m_about, false);
    m_about.bevel->setLook(Bevel::Look::Rest);
}

void Pad::Picture5_MouseDown() {
    m_play.bevel->setLook(Bevel::Look::Pressed);
}
void Pad::Picture5_MouseUp() {
    m_play.bevel->setThin();
}

bool Pad::showsOnImage(const QString& pictureName) const {
    for (const ImageButton* b : {&m_keys, &m_load, &m_save, &m_play, &m_quit, &m_about})
        if (b->box->objectName() == pictureName)
            return b->on;
    return false;
}

Bevel* Pad::bevelOf(const QString& pictureName) const {
    for (const ImageButton* b : {&m_play, &m_quit, &m_about})
        if (b->box->objectName() == pictureName)
            return b->bevel.get();
    return nullptr;
}
