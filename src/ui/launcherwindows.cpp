#include "launcherwindows.h"

#include "aboutwindow.h"
#include "gamefileselector.h"
#include "gifselector.h"
#include "keyboardaccess.h"
#include "pad.h"
#include "paletwindow.h"
#include "romconfigactions.h"
#include "windowshape.h"

#include <QLineEdit>

namespace {

void present(QWidget& window, QWidget& mainWindow) {
    belongToMainWindow(&window, &mainWindow);
    window.show();
    window.raise();
    window.activateWindow();
}

// Creates the window on first use, placed by its own rule.
template <typename W, typename Make> W& created(std::unique_ptr<W>& window, Make make) {
    if (!window)
        window = make();
    return *window;
}

} // namespace

LauncherWindows::LauncherWindows(Pad& pad, UrlOpener& opener, Prompter& prompter)
    : m_pad(pad), m_opener(opener), m_prompter(prompter),
      m_romConfig(std::make_unique<RomConfigActions>(pad, prompter)), m_gameConfig(pad, prompter) {}

SelectorConfirm LauncherWindows::delivering(void (Pad::*hand)(const QString&)) {
    return [this, hand](const QString& path) {
        (m_pad.*hand)(path);
        return true;
    };
}

LauncherWindows::~LauncherWindows() {
    delete m_wizard;
}

void LauncherWindows::openWizard() {
    if (m_wizard) { // one wizard at a time: a second click finds the open one
        present(*m_wizard, m_pad);
        return;
    }
    m_pad.hide();
    // Each opening starts afresh from the file; the window goes when it is done.
    auto* wizard = new PaletWindow(m_pad.romPath(), m_pad.font(), m_prompter,
                                   [this] { present(about(), m_pad); });
    m_wizard = wizard;
    QObject::connect(wizard, &PaletWindow::finished, wizard, [this, wizard](bool saved) {
        m_pad.show();
        returnKeyboardTo(&m_pad);
        // A save may have made or removed the file; a cancel leaves the caption as it was.
        if (saved && !m_pad.romPath().isEmpty())
            m_pad.refreshDeleteCaption();
        wizard->deleteLater();
        if (m_wizard == wizard)
            m_wizard = nullptr;
    });
    present(*wizard, m_pad);
}

GameFileSelector& LauncherWindows::romSelector() {
    return created(m_rom, [this] {
        auto w = std::make_unique<GameFileSelector>(&m_pad, delivering(&Pad::setRomPath), m_opener,
                                                    m_prompter);
        w->placeOnMainWindow();
        return w;
    });
}

FileSelector& LauncherWindows::emulatorSelector() {
    return created(m_emulator, [this] {
        auto w = std::make_unique<FileSelector>(
            SelectorSpec{"EXE_FileSelector", QStringLiteral("Find out the Emulator..."),
                         QStringLiteral("*.exe"), QStringLiteral("Select VGB-DOS.EXE here !"),
                         QStringLiteral("Select"), QStringLiteral("File selected")},
            &m_pad, delivering(&Pad::setEmulatorPath));
        w->placeOnMainWindow();
        return w;
    });
}

GifSelector& LauncherWindows::gifSelector() {
    return created(m_gif, [this] {
        auto w = std::make_unique<GifSelector>(&m_pad, delivering(&Pad::setBackground));
        w->placeOnMainWindow();
        return w;
    });
}

FileSelector& LauncherWindows::configSaver() {
    return created(m_saver, [this] {
        auto w = std::make_unique<FileSelector>(
            SelectorSpec{"ParamFileSaver", QStringLiteral("Save a Zemplo Game Configuration..."),
                         QStringLiteral("*.zemplo"), QString(), QStringLiteral("Save"),
                         QStringLiteral("Parameter File name"), false, true},
            &m_pad, nullptr);
        w->setConfirm(
            [this, saver = w.get()](const QString&) { return m_gameConfig.save(*saver); });
        w->placeOnMainWindow();
        // A new configuration is proposed under the game's own name.
        w->proposeName(m_pad.romName());
        return w;
    });
}

FileSelector& LauncherWindows::configLoader() {
    return created(m_loader, [this] {
        return std::make_unique<FileSelector>(
            SelectorSpec{"ParamFileLoader", QStringLiteral("Load a Zemplo Game Configuration..."),
                         QStringLiteral("*.zemplo"), QString(), QStringLiteral("Load"),
                         QStringLiteral("Parameter File name"), false, false},
            &m_pad, [this](const QString& path) { return m_gameConfig.load(path); });
    });
}

AboutWindow& LauncherWindows::about() {
    return created(m_about, [this] {
        auto w = std::make_unique<AboutWindow>(m_opener, &m_pad);
        w->placeOnMainWindow();
        return w;
    });
}

PadWindows LauncherWindows::padWindows() {
    PadWindows windows;
    windows.showRomSelector = [this] { present(romSelector(), m_pad); };
    windows.showEmulatorSelector = [this] { present(emulatorSelector(), m_pad); };
    windows.showGifSelector = [this] { present(gifSelector(), m_pad); };
    windows.showAbout = [this] { present(about(), m_pad); };
    windows.showConfigSaver = [this] { present(configSaver(), m_pad); };
    windows.showConfigLoader = [this] { present(configLoader(), m_pad); };
    windows.romPathChanged = [this] { m_romConfig->Text1_Change(); };
    windows.callWizard = [this] { m_romConfig->Command2_Click([this] { openWizard(); }); };
    windows.deleteRomConfig = [this] { m_romConfig->Command5_Click(); };
    return windows;
}
