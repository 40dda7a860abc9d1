// The main window for keyboard and screen-reader users: Tab in reading order, and a name for
// every control that shows no text of its own.
#include "elidedbutton.h"
#include "keyboardaccess.h"
#include "pad.h"
#include "picturebox.h"
#include "statushints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace {

struct SpokenName {
    const char* control;
    const char* name;
    // What a screen reader adds: the hint of the control named here (its frame's, say), or
    // with null the control's own hint or tooltip.
    const char* hintOf = nullptr;
    const char* description = nullptr; // said instead, where the hint tells nothing apart
};

// Text boxes are named by their frame's caption or the label beside them.
const SpokenName kSpokenNames[] = {
    {"Picture1", "Zemplo 97"},
    {"Text1", "Cartridge Slot"},
    {"Picture3", "Select a ROM"},
    {"Text2", "Game real name"},
    {"Combo4", "Video mode"},
    {"Combo5", "Sound"},
    {"Combo6", "Stereo"},
    {"Combo3", "Button swap"},
    {"Combo1", "Colour scheme"},
    {"Text3", "Vblank period"},
    {"Text5", "Update period"},
    {"volume", "Sound volume", "Frame6"},
    {"Text7", "Key mapping"},
    {"Text6", "Game Genie Codes", nullptr, "Code 1 of 3"},
    {"Text8", "Game Genie Codes", nullptr, "Code 2 of 3"},
    {"Text9", "Game Genie Codes", nullptr, "Code 3 of 3"},
    {"ifreq", "Interrupt frequency", "Frame4"},
    {"text10", "GIF Background Image", "Frame9"},
    {"Picture22", "Select a GIF background"},
    {"Text4", "VGB-DOS Location"},
    {"Picture4", "Select VGB-DOS"},
    {"Picture2", "Keys used in VGB-DOS"},
    {"Picture9", "Load a game configuration"},
    {"Picture8", "Save a game configuration"},
    {"Picture5", "Play"},
    {"Picture6", "Quit and save settings"},
    {"Picture7", "About Zemplo 97"},
};

QString descriptionOf(const SpokenName& spoken, const QWidget* control) {
    if (spoken.description)
        return QString::fromUtf8(spoken.description);
    const QString hint =
        statusHint(QString::fromLatin1(spoken.hintOf ? spoken.hintOf : spoken.control));
    return hint.isNull() ? control->toolTip() : hint;
}

} // namespace

void Pad::setUpKeyboardAndNames() {
    // The top row, the left column top to bottom, the right column top to bottom, then the
    // bottom row left to right.
    setReadingOrder({Text1,      Picture3,   Text2,      Combo4,     Combo5,     Combo6,
                     Combo3,     Combo1,     Text3,      Text5,      volume,     Check1,
                     Check2,     Check7,     Text7,      Text6,      Text8,      Text9,
                     Check3,     Check5,     Check4,     ifreq,      Command2,   Command5,
                     text10,     Picture22,  Text4,      Picture4,   Check6,     m_keys.box,
                     m_load.box, m_save.box, m_play.box, m_quit.box, m_about.box});
    pressButtonsOnReturn(this);

    // Every control's status hint is also what a screen reader adds after its name.
    for (QWidget* control : findChildren<QWidget*>()) {
        const QString hint = statusHint(control->objectName());
        if (!hint.isNull())
            control->setAccessibleDescription(hint);
    }
    for (const SpokenName& spoken : kSpokenNames) {
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(spoken.control));
        nameForScreenReaders(control, QString::fromUtf8(spoken.name),
                             descriptionOf(spoken, control));
    }
}
