#pragma once

#include "launchersettings.h"
#include "padwindows.h"
#include "settingbindings.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class DosEnvironment;
class ImageButton;
class PictureBox;
class PreviewWindow;
class Prompter;
class SettingsStore;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ElidedButton;
class QScrollBar;

struct PadServices {
    Prompter& prompter;
    SettingsStore& store;
    DosEnvironment& dos;
};

// The main window: every launcher setting in one control each, the image buttons and the
// status line.
class Pad : public QWidget {
    Q_OBJECT
public:
    explicit Pad(PadServices services, QWidget* parent = nullptr);
    ~Pad() override;

    void setWindows(PadWindows windows) { m_windows = std::move(windows); }

    // Start-up: rests the buttons, fills the settings from the store or the first-use values,
    // then takes the program's own argument. False when the user declined the first use.
    bool Form_Load(const QString& argument);

    LauncherSettings settings() const;
    void applySettings(const LauncherSettings& settings);

    // What other windows hand over or ask for; they never reach into the controls.
    QString romPath() const;
    QString romName() const;
    void setRomPath(const QString& path); // runs the ROM path check as typing would
    void setEmulatorPath(const QString& path);
    void setBackground(const QString& path);
    void showRomTitle(const QString& title);
    // Says in the status line that the archive at `path` holds several ROMs, so is no ROM
    // itself, and where one of them is picked; false, saying nothing, for any other path.
    bool tellArchiveOfSeveral(const QString& path);
    // The delete button's caption by whether the current ROM's .cfg exists now.
    void refreshDeleteCaption();

    // Reads a game configuration file over the window: every member in the file, then the ROM
    // path last. A file that is refused or cannot be read changes nothing and gets a message.
    bool loadGameConfiguration(const QString& path);

    // The command-line preview; null until a launch in preview mode first shows it.
    PreviewWindow* previewWindow() const { return m_preview.get(); }

    // Each setting with the control that shows it.
    const SettingBindings& settingBindings() const { return m_bindings; }
    // What the status line says with the mouse over `control`; null for a control that leaves
    // it as it is.
    QString statusHintOf(const QWidget* control) const;

    // The program's argument, or a file dropped on the window: a game configuration file is
    // read, a ROM path taken. False for anything else.
    bool takeArgument(const QString& argument);

    // Click handlers.
    void Picture2_Click();
    void Picture3_Click();
    void Picture4_Click();
    void Picture5_Click();
    void Picture6_Click();
    void Picture7_Click();
    void Picture8_Click();
    void Picture9_Click();
    void Picture22_Click();
    void Command2_Click();
    void Command5_Click();
    void Text1_Change();

signals:
    // Quit through the quit button: the settings are saved, the program ends now.
    void quitRequested();
    // The window was closed another way: the program ends without saving.
    void closedWithoutSaving();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One mouse move, known by its moment and place wherever Qt hands it.
    struct HoverMove {
        quint64 time = 0;
        QPointF at;
    };
    bool answeredAlready(const QMouseEvent& move);
    std::optional<HoverMove> m_lastHoverMove;

    // Construction, one group of controls at a time.
    void buildLogo();
    void buildCartridgeRow();
    void buildOptionLists();
    void buildLeftFrames();
    void buildRightFrames();
    void buildButtonRow();
    void bindSettings();
    void setUpStatusHints();
    void watchMouseMoves();
    // Tab in reading order, and what a screen reader says of each control.
    void setUpKeyboardAndNames();

    // Image-button procedures.
    void KeysOFF();
    void KeysON();
    void LoadsOFF();
    void LoadsON();
    void SavesOFF();
    void savesON();
    void playOFF();
    void PLayON();
    void QuitOFF();
    void QuitON();
    void HelpOFF();

    void Form_MouseMove();
    void controlMouseMove(const QWidget* control);
    void Picture2_MouseMove();
    void Picture9_MouseMove();
    void Picture8_MouseMove();
    void Picture5_MouseMove();
    void Picture6_MouseMove();
    void Picture7_MouseMove();
    void Picture5_MouseDown();
    void Picture5_MouseUp();
    void ifreq_Change();
    void volume_Change();

    void showListStarts();
    void openDisabling(const std::function<void()>& show);
    void disableForDialog();
    void moveOntoScreen(double leftTwips, double topTwips);

    PadServices m_services;
    PadWindows m_windows;
    // Twips do not divide into whole pixels: while the window stays where the settings put it,
    // the stored position is written back unchanged.
    QPoint m_placedAt;
    double m_placedLeftTwips = 0;
    double m_placedTopTwips = 0;
    std::unique_ptr<PreviewWindow> m_preview;
    QPointer<QWidget> m_focusBeforeDialog;
    SettingBindings m_bindings;
    QHash<const QWidget*, QString> m_hints;

    // Controls, named as the user knows them from the window's hints and the settings file.
    // Tests and tools find them by these names.
    QLabel* Picture1 = nullptr;     // logo
    QFrame* Line6 = nullptr;        // decorative line
    QGroupBox* Frame1 = nullptr;    // "Cartridge Slot"
    QLineEdit* Text1 = nullptr;     // ROM path
    PictureBox* Picture3 = nullptr; // select a ROM
    QGroupBox* Frame2 = nullptr;    // "Game real name"
    QLineEdit* Text2 = nullptr;     // ROM internal name
    QComboBox* Combo4 = nullptr;    // video mode
    QComboBox* Combo5 = nullptr;    // sound
    QComboBox* Combo6 = nullptr;    // stereo
    QComboBox* Combo3 = nullptr;    // button swap
    QComboBox* Combo1 = nullptr;    // colour scheme
    QGroupBox* Frame7 = nullptr;    // "Screen refresh"
    QLabel* Label3 = nullptr;
    QLineEdit* Text3 = nullptr; // VBlank period
    QLabel* Label4 = nullptr;
    QLineEdit* Text5 = nullptr;  // update period
    QGroupBox* Frame6 = nullptr; // volume, its caption showing the value
    QScrollBar* volume = nullptr;
    QGroupBox* Frame3 = nullptr;  // "Joypad and Auto Fire"
    QCheckBox* Check1 = nullptr;  // auto fire A
    QCheckBox* Check2 = nullptr;  // auto fire B
    QCheckBox* Check7 = nullptr;  // disable joypad
    QGroupBox* Frame11 = nullptr; // "Key mapping"
    QLineEdit* Text7 = nullptr;   // key mapping
    QGroupBox* Frame10 = nullptr; // "Game Genie Codes"
    QLineEdit* Text6 = nullptr;   // Game Genie code 1
    QLineEdit* Text8 = nullptr;   // Game Genie code 2
    QLineEdit* Text9 = nullptr;   // Game Genie code 3
    QGroupBox* Frame12 = nullptr; // "Misc"
    QCheckBox* Check3 = nullptr;  // no CRC check
    QCheckBox* Check5 = nullptr;  // silent start
    QCheckBox* Check4 = nullptr;  // don't delay
    QGroupBox* Frame4 = nullptr;  // interrupt frequency, its caption showing the value
    QScrollBar* ifreq = nullptr;
    QGroupBox* Frame8 = nullptr;      // "Color scheme Wizard"
    QPushButton* Command2 = nullptr;  // colour wizard
    ElidedButton* Command5 = nullptr; // delete the per-ROM .cfg
    QGroupBox* Frame9 = nullptr;      // "GIF Background Image"
    QLineEdit* text10 = nullptr;      // GIF background
    PictureBox* Picture22 = nullptr;  // select a GIF
    QGroupBox* Frame5 = nullptr;      // "VGB-DOS Location"
    QLineEdit* Text4 = nullptr;       // emulator path
    PictureBox* Picture4 = nullptr;   // select the emulator
    QGroupBox* Frame13 = nullptr;     // "Command line"
    QCheckBox* Check6 = nullptr;      // preview mode
    ImageButton* Picture2 = nullptr;  // keys help
    ImageButton* Picture9 = nullptr;  // load a game file
    ImageButton* Picture8 = nullptr;  // save a game file
    ImageButton* Picture5 = nullptr;  // play
    ImageButton* Picture6 = nullptr;  // quit and save the settings
    ImageButton* Picture7 = nullptr;  // About
    QLabel* Label9 = nullptr;         // status line
};
