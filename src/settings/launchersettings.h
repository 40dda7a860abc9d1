#pragma once

#include <QString>

// The label that stands for the emulator's own background; it never names a file.
inline QString defaultBackgroundLabel() {
    return QStringLiteral("VGB-DOS Default (vgb.gif)");
}

// Everything the main window shows, one member per control. The window's controls are the
// live values; this record is what they are read into and written from.
struct LauncherSettings {
    // Kept in the settings store.
    QString emulatorPath;     // Text4
    QString video;            // Combo4
    QString sound;            // Combo5
    QString stereo;           // Combo6
    QString buttons;          // Combo3
    int volume = 0;           // volume, 0 to 15
    bool autoA = false;       // Check1
    bool autoB = false;       // Check2
    bool joypadOff = false;   // Check7
    int ifreq = 0;            // ifreq, 0 to 100
    QString vblank;           // Text3
    QString uperiod;          // Text5
    QString keyMap;           // Text7
    QString background;       // text10
    bool noCrc = false;       // Check3
    bool silentStart = false; // Check5
    bool noDelay = false;     // Check4
    double top = 0;           // window top, twips
    double left = 0;          // window left, twips
    QString colorScheme;      // Combo1

    // Never stored: empty at every start.
    QString romPath;          // Text1
    QString romName;          // Text2
    QString genie1;           // Text6
    QString genie2;           // Text8
    QString genie3;           // Text9
    bool previewMode = false; // Check6
};

inline constexpr int kVolumeMax = 15;
inline constexpr int kIfreqMax = 100;
