// The main window for keyboard and screen-reader users: Tab in reading order, and a name for
// every control that shows no text of its own.
#include "elidedbutton.h"
#include "imagebutton.h"
#include "keyboardaccess.h"
#include "pad.h"
#include "picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

void Pad::setUpKeyboardAndNames() {
    // The top row, the left column top to bottom, the right column top to bottom, then the
    // bottom row left to right.
    setReadingOrder({Text1,  Picture3, Text2,    Combo4,   Combo5,    Combo6,   Combo3,
                     Combo1, Text3,    Text5,    volume,   Check1,    Check2,   Check7,
                     Text7,  Text6,    Text8,    Text9,    Check3,    Check5,   Check4,
                     ifreq,  Command2, Command5, text10,   Picture22, Text4,    Picture4,
                     Check6, Picture2, Picture9, Picture8, Picture5,  Picture6, Picture7});
    pressButtonsOnReturn(this);

    // Text boxes are named by their frame's caption or the label beside them. What a screen
    // reader adds is the hint of the control named second (its frame's, say), or with none the
    // control's own hint or tooltip; or the description given, where the hint tells nothing
    // apart. The image buttons name themselves.
    struct SpokenName {
        QWidget* control;
        const char* name;
        const QWidget* hintOf = nullptr;
        const char* description = nullptr;
    };
    const SpokenName spokenNames[] = {
        {Picture1, "Zemplo 97"},
        {Text1, "Cartridge Slot"},
        {Picture3, "Select a ROM"},
        {Text2, "Game real name"},
        {Combo4, "Video mode"},
        {Combo5, "Sound"},
        {Combo6, "Stereo"},
        {Combo3, "Button swap"},
        {Combo1, "Colour scheme"},
        {Text3, "Vblank period"},
        {Text5, "Update period"},
        {volume, "Sound volume", Frame6},
        {Text7, "Key mapping"},
        {Text6, "Game Genie Codes", nullptr, "Code 1 of 3"},
        {Text8, "Game Genie Codes", nullptr, "Code 2 of 3"},
        {Text9, "Game Genie Codes", nullptr, "Code 3 of 3"},
        {ifreq, "Interrupt frequency", Frame4},
        {text10, "GIF Background Image", Frame9},
        {Picture22, "Select a GIF background"},
        {Text4, "VGB-DOS Location"},
        {Picture4, "Select VGB-DOS"},
    };
    for (const SpokenName& spoken : spokenNames) {
        const QString hint = statusHintOf(spoken.hintOf ? spoken.hintOf : spoken.control);
        const QString description = spoken.description ? QString::fromUtf8(spoken.description)
                                    : hint.isNull()    ? spoken.control->toolTip()
                                                       : hint;
        nameForScreenReaders(spoken.control, QString::fromUtf8(spoken.name), description);
    }
}
