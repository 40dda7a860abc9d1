#pragma once

#include <QString>

#include <functional>

// What the main window opens or runs but does not own: the selection windows, the About window,
// the game configuration windows, the colour wizard and the ROM path check. The application
// fills these in; an empty one leaves its button without effect.
struct PadWindows {
    std::function<void()> showRomSelector;      // Picture3, main window disabled first
    std::function<void()> showEmulatorSelector; // Picture4 and a launch without an emulator path
    std::function<void()> showGifSelector;      // Picture22
    std::function<void()> showAbout;            // Picture7
    std::function<void()> showConfigSaver;      // Picture8
    std::function<void()> showConfigLoader;     // Picture9
    std::function<void()> callWizard;           // Command2
    std::function<void()> deleteRomConfig;      // Command5
    std::function<void()> romPathChanged;       // Text1_Change
};
