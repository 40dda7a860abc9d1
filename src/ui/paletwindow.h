#pragma once

#include "palettewizardmodel.h"

#include <QDialog>

#include <array>
#include <functional>

class Prompter;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The colour scheme wizard: mixes a colour, gives it to any of the ROM's sixteen palette slots,
// sets a brightness and saves them into the ROM's configuration file. Made afresh at each
// opening and discarded when it closes.
class PaletWindow : public QDialog {
    Q_OBJECT
public:
    // For the ROM at `romPath`, in the main window's font.
    PaletWindow(const QString& romPath, const QFont& font, Prompter& prompter,
                std::function<void()> showAbout);

    void Form_Load();
    void HScroll1_Change();          // the three colour sliders share one handler
    void slotButton_Click(int slot); // Command1_Click ... Command16_Click
    void Command20_Click();          // Clear
    void Command21_Click();          // "Reset all colors !"
    void HScroll4_Change();          // brightness, also while its thumb is dragged
    void Command17_Click();          // "Save .cfg and close"
    void Command18_Click();          // "Cancel"
    void Command19_Click();          // "About..."

    const PaletteWizardModel& model() const { return m_model; }
    QLineEdit* swatch(int slot) const { return m_swatches[slot]; }
    QPushButton* slotButton(int slot) const { return m_buttons[slot]; }

signals:
    // Saved or cancelled, and hidden: the main window may come back, and this window can go.
    void finished(bool saved);

protected:
    // Escape and the frame's close are a Cancel: the main window must come back.
    void reject() override { Command18_Click(); }

private:
    QGroupBox* Frame1 = nullptr;      // "RGB Color selector"
    QGroupBox* Frame2 = nullptr;      // "Sample"
    QGroupBox* Frame3 = nullptr;      // "RGB Code"
    QGroupBox* Frame4 = nullptr;      // brightness, its caption showing the value
    QLineEdit* Text1 = nullptr;       // sample
    QLineEdit* Text2 = nullptr;       // RGB code
    QScrollBar* HScroll1 = nullptr;   // red
    QScrollBar* HScroll2 = nullptr;   // green
    QScrollBar* HScroll3 = nullptr;   // blue
    QScrollBar* HScroll4 = nullptr;   // brightness
    QPushButton* Command17 = nullptr; // save and close
    QPushButton* Command18 = nullptr; // cancel
    QPushButton* Command19 = nullptr; // About
    QPushButton* Command20 = nullptr; // clear the selected slot
    QPushButton* Command21 = nullptr; // reset every slot

    void buildMixer();
    void buildSlots();
    void buildBottom();
    void setUpKeyboardAndNames();
    void paintSwatch(int slot, const QColor& color);
    // The wizard done with.
    void finish(bool saved);

    QString m_romPath;
    Prompter& m_prompter;
    std::function<void()> m_showAbout;
    PaletteWizardModel m_model;
    QString m_configPath;
    std::array<QPushButton*, kSlotCount> m_buttons{};
    std::array<QLineEdit*, kSlotCount> m_swatches{};
};
