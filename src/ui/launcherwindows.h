#pragma once

#include "fileselector.h"
#include "gameconfigactions.h"
#include "padwindows.h"

#include <memory>

class AboutWindow;
class PaletWindow;
class Prompter;
class RomConfigActions;
class GameFileSelector;
class GifSelector;
class Pad;
class UrlOpener;

// The secondary windows of the launcher. Each is created the first time it is shown and then
// only hidden and shown again, so it reopens as the user left it.
class LauncherWindows {
public:
    LauncherWindows(Pad& pad, UrlOpener& opener, Prompter& prompter);
    ~LauncherWindows();

    // The hooks the main window calls to open these windows.
    PadWindows padWindows();

    GameFileSelector& romSelector();
    FileSelector& emulatorSelector();
    GifSelector& gifSelector();
    FileSelector& configSaver();
    FileSelector& configLoader();
    AboutWindow& about();
    // The open colour wizard, or null.
    PaletWindow* wizard() const { return m_wizard; }
    RomConfigActions& romConfig() { return *m_romConfig; }

private:
    void openWizard();
    // Select hands text1 to the main window through one of its own methods.
    SelectorConfirm delivering(void (Pad::*hand)(const QString&));

    Pad& m_pad;
    UrlOpener& m_opener;
    Prompter& m_prompter;
    std::unique_ptr<RomConfigActions> m_romConfig;
    GameConfigActions m_gameConfig;
    PaletWindow* m_wizard = nullptr; // lives until it closes
    std::unique_ptr<GameFileSelector> m_rom;
    std::unique_ptr<FileSelector> m_emulator;
    std::unique_ptr<GifSelector> m_gif;
    std::unique_ptr<FileSelector> m_saver;
    std::unique_ptr<FileSelector> m_loader;
    std::unique_ptr<AboutWindow> m_about;
};
