#include "statushints.h"

#include <QHash>

QString statusHint(const QString& controlName) {
    static const QHash<QString, QString> hints = {
        {"Text1", "Gameboy Rom to use..."},
        {"Text2", "Rom internal name..."},
        {"Text3", "Set the VBlank period..."},
        {"Text4", "VGB-DOS path..."},
        {"Text5", "Set the Update Period..."},
        {"Text7", "Set the Key mapping..."},
        {"Check3", "Enable/Disable CRC Check..."},
        {"Check4", "Enable/Disable Delay..."},
        {"Check5", "Enable/Disable start message..."},
        {"Command2", "Call the ColorScheme Wizard..."},
        {"Command5", "Delete the .CFG for this Rom..."},
        {"Frame3", "Joypad buttons Setup..."},
        {"Frame4", "Set the IFreq..."},
        {"Frame6", "Change the volume..."},
        {"Frame7", "Screen Update Setup..."},
        {"Frame9", "Custom GIF Background Setup..."},
        {"Frame10", "GameGenie codes..."},
        {"Label9", "Help panel..."},
        {"Picture1", "[By Korvid] [Korvid]"},
        {"Picture2", "Keys used in VGB-DOS..."},
        {"Picture3", "Select a Gameboy Rom..."},
        {"Picture4", "Configure VGB-DOS path..."},
        {"Picture22", "Select a GIF Background Image..."},
        {"Picture5", "Click here to play !"},
        {"Picture6", "Quit and save full config..."},
        {"Picture7", "About Zemplo 97..."},
        {"Picture8", "Save this config(.Zemplo)..."},
        {"Picture9", "Load a config(.Zemplo)..."},
    };
    return hints.value(controlName);
}

QString waitingForRomHint() {
    return QStringLiteral("Waiting for a ROM...");
}
QString readyHint() {
    return QStringLiteral("Ready...");
}
