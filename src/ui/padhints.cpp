// What the status line says of each control under the mouse, which is also what a screen
// reader adds after the control's name. The image buttons carry their own.
#include "elidedbutton.h"
#include "imagebutton.h"
#include "pad.h"
#include "picturebox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
    for (const ImageButton* button : {Picture2, Picture9, Picture8, Picture5, Picture6, Picture7})
        m_hints.insert(button, button->hint());
}

QString Pad::statusHintOf(const QWidget* control) const {
    return m_hints.value(control);
}
