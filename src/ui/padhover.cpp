// The main window's mouse-move behaviour: image buttons light up under the mouse and the
// status line names what the control under it does, which is also what a screen reader adds
// after the control's name.
#include "elidedbutton.h"
#include "imagebutton.h"
#include "keyboardaccess.h"
#include "pad.h"
#include "picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

void Pad::setUpStatusHints() {
    const std::pair<QWidget*, const char*> hints[] = {
        {Text1, "Gameboy Rom to use..."},
        {Text2, "Rom internal name..."},
        {Text3, "Set the VBlank period..."},
        {Text4, "VGB-DOS path..."},
        {Text5, "Set the Update Period..."},
        {Text7, "Set the Key mapping..."},
        {Check3, "Enable/Disable CRC Check..."},
        {Check4, "Enable/Disable Delay..."},
        {Check5, "Enable/Disable start message..."},
        {Command2, "Call the ColorScheme Wizard..."},
        {Command5, "Delete the .CFG for this Rom..."},
        {Frame3, "Joypad buttons Setup..."},
        {Frame4, "Set the IFreq..."},
        {Frame6, "Change the volume..."},
        {Frame7, "Screen Update Setup..."},
        {Frame9, "Custom GIF Background Setup..."},
        {Frame10, "GameGenie codes..."},
        {Label9, "Help panel..."},
        {Picture1, "[By Korvid] [Korvid]"},
        {Picture3, "Select a Gameboy Rom..."},
        {Picture4, "Configure VGB-DOS path..."},
        {Picture22, "Select a GIF Background Image..."},
    };
    for (const auto& [control, text] : hints) {
        const QString hint = QString::fromUtf8(text);
        m_hints.insert(control, hint);
        control->setAccessibleDescription(hint);
    }
    // The image buttons carry their own.
    for (const ImageButton* button : {Picture2, Picture9, Picture8, Picture5, Picture6, Picture7})
        m_hints.insert(button, button->hint());
}

QString Pad::statusHintOf(const QWidget* control) const {
    return m_hints.value(control);
}

void Pad::watchMouseMoves() {
    setMouseTracking(true);
    // Every named control is watched; moves over a control's inner parts come up to it. The
    // image buttons answer their own.
    const auto children = findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->objectName().isEmpty() || qobject_cast<ImageButton*>(child))
            continue;
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
    const std::pair<ImageButton*, void (Pad::*)()> buttons[] = {
        {Picture2, &Pad::Picture2_MouseMove}, {Picture9, &Pad::Picture9_MouseMove},
        {Picture8, &Pad::Picture8_MouseMove}, {Picture5, &Pad::Picture5_MouseMove},
        {Picture6, &Pad::Picture6_MouseMove}, {Picture7, &Pad::Picture7_MouseMove},
    };
    for (const auto& [button, mouseMove] : buttons) {
        connect(button, &ImageButton::hovered, this, mouseMove);
        connect(button, &ImageButton::hovered, this,
                [this, button = button] { controlMouseMove(button); });
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

bool Pad::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseMove:
        if (control && control != this && !answeredAlready(*static_cast<QMouseEvent*>(event)))
            controlMouseMove(control);
        break;
    case QEvent::FocusIn:
        // The user moving the focus onto a control does what the mouse arriving over it does;
        // the window opening, or a dialog closing and giving the focus back, leaves the status
        // line as it was ("Ready..." at start).
        if (control && focusMovedByUser(static_cast<QFocusEvent*>(event)->reason()))
            controlMouseMove(control);
        break;
    case QEvent::FocusOut:
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
    Label9->setText(Text1->text().isEmpty() ? QStringLiteral("Waiting for a ROM...")
                                            : QStringLiteral("Ready..."));
}

void Pad::controlMouseMove(const QWidget* control) {
    const QString hint = statusHintOf(control);
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
    Picture7->setOn(true); // the About button has no ON procedure of its own
}

void Pad::KeysOFF() {
    Picture2->setOn(false);
}
void Pad::KeysON() {
    Picture2->setOn(true);
}
void Pad::LoadsOFF() {
    Picture9->setOn(false);
}
void Pad::LoadsON() {
    Picture9->setOn(true);
}
void Pad::SavesOFF() {
    Picture8->setOn(false);
}
void Pad::savesON() {
    Picture8->setOn(true);
}
void Pad::playOFF() {
    Picture5->setOn(false);
}
void Pad::PLayON() {
    Picture5->setOn(true);
}
void Pad::QuitOFF() {
    Picture6->setOn(false);
}
void Pad::QuitON() {
    Picture6->setOn(true);
}
void Pad::HelpOFF() {
    Picture7->setOn(false);
}

void Pad::Picture5_MouseDown() {
    Picture5->bevel()->setLook(Bevel::Look::Pressed);
}
void Pad::Picture5_MouseUp() {
    Picture5->bevel()->setThin();
}
