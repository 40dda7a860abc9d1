#pragma once

#include <QString>

class FileSelector;
class Pad;
class Prompter;

// The Save and Load buttons of the game configuration windows.
class GameConfigActions {
public:
    GameConfigActions(Pad& pad, Prompter& prompter);

    // Writes the main window's values into the file named by the window's folder and name
    // box. True when written; on any failure the window stays open with what was typed.
    bool save(FileSelector& saver);
    // Reads the file named in the load window's name box over the main window.
    bool load(const QString& path);

private:
    Pad& m_pad;
    Prompter& m_prompter;
};
