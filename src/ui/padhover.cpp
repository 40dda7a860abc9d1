// The main window's mouse-move behaviour: image buttons light up under the mouse and the
// status line names what the control under it does.
#include "pad.h"
#include "picturebox.h"
#include "statushints.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

void Pad::watchMouseMoves() {
    setMouseTracking(true);
    // Every named control is watched; moves over a control's inner parts come up to it.
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->objectName().isEmpty())
            continue;
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

// Qt hands a move that a control does not take on to the frame around it and up to the
// window, as a new event of the same moment and place: only the innermost control speaks.
bool Pad::answeredAlready(const QMouseEvent& move) {
    const HoverMove key{move.timestamp(), move.globalPosition()};
    if (m_lastHoverMove && m_lastHoverMove->time == key.time && m_lastHoverMove->at == key.at)
        return true;
    m_lastHoverMove = key;
    return false;
}

struct Pad::ButtonProcedures {
    const char* name;
    void (Pad::*mouseMove)();
    void (Pad::*off)();
};

const Pad::ButtonProcedures* Pad::proceduresOf(const QString& name) {
    static const ButtonProcedures table[] = {
        {"Picture2", &Pad::Picture2_MouseMove, &Pad::KeysOFF},
        {"Picture9", &Pad::Picture9_MouseMove, &Pad::LoadsOFF},
        {"Picture8", &Pad::Picture8_MouseMove, &Pad::SavesOFF},
        {"Picture5", &Pad::Picture5_MouseMove, &Pad::playOFF},
        {"Picture6", &Pad::Picture6_MouseMove, &Pad::QuitOFF},
        {"Picture7", &Pad::Picture7_MouseMove, &Pad::HelpOFF},
    };
    for (const ButtonProcedures& button : table)
        if (name == QLatin1String(button.name))
            return &button;
    return nullptr;
}

namespace {

bool movedByUser(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace

bool Pad::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched != this && !answeredAlready(*static_cast<QMouseEvent*>(event)))
            controlMouseMove(watched->objectName());
        break;
    case QEvent::FocusIn:
        // The user moving the focus onto a control does what the mouse arriving over it does;
        // the window opening, or a dialog closing and giving the focus back, leaves the status
        // line as it was ("Ready..." at start).
        if (movedByUser(static_cast<QFocusEvent*>(event)->reason()))
            controlMouseMove(watched->objectName());
        break;
    case QEvent::FocusOut:
        if (const ButtonProcedures* button = proceduresOf(watched->objectName()))
            (this->*button->off)();
        // A list's text is selected whole when Tab enters it, which scrolls to its end: its
        // beginning, where the digit is, comes back into view when the focus moves on.
        if (auto* list = qobject_cast<QComboBox*>(watched); list && list->lineEdit())
            list->lineEdit()->setCursorPosition(0);
        break;
    default:
        break;
    }
    // The control keeps its own mouse handling: a thumb drags, a text box selects.
    return QWidget::eventFilter(watched, event);
}

void Pad::mouseMoveEvent(QMouseEvent* event) {
    if (!answeredAlready(*event))
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
    if (const ButtonProcedures* button = proceduresOf(name))
        (this->*button->mouseMove)();
    const QString hint = statusHint(name);
    if (!hint.isNull())
        Label9->setText(hint);
}

// Each hover rests only the buttons of its own row; the others keep their state until the
// mouse crosses bare window.
void Pad::Picture2_MouseMove() {
    LoadsOFF();
    KeysON();
}
void Pad::Picture9_MouseMove() {
    KeysOFF();
    LoadsON();
}
void Pad::Picture8_MouseMove() {
    savesON();
    playOFF();
    LoadsOFF();
}
void Pad::Picture5_MouseMove() {
    SavesOFF();
    QuitOFF();
    PLayON();
}
void Pad::Picture6_MouseMove() {
    HelpOFF();
    playOFF();
    QuitON();
}
void Pad::Picture7_MouseMove() {
    playOFF();
    QuitOFF();
    m_about.bevel->setLook(Bevel::Look::Raised);
    setImage(m_about, true);
}

void Pad::setImage(ImageButton& button, bool on) {
    button.on = on;
    if (on && button.onStore->pixmap().isNull())
        button.onStore->setPixmap(button.drawOnImage());
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
