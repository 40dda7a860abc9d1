#pragma once

#include <functional>

class Pad;
class Prompter;

// The main window's side of the per-ROM configuration file: the ROM path check, the wizard
// button's guard and the delete button.
class RomConfigActions {
public:
    RomConfigActions(Pad& pad, Prompter& prompter);

    // A new ROM path: its title into Text2 and the delete button's caption, or the
    // "File does not exist !" box.
    void Text1_Change();
    // The wizard button: opens the wizard for the current ROM, or says that none is selected.
    void Command2_Click(const std::function<void()>& openWizard);
    // The delete button: removes the ROM's configuration file.
    void Command5_Click();

private:
    Pad& m_pad;
    Prompter& m_prompter;
};
