#pragma once

#include "launchersettings.h"
#include "storedkeys.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// How one line of a game configuration file holds its member.
enum class GameLineForm {
    Fixed,  // a heading line that names no member
    Text,   // verbatim
    OnOff,  // "on" / "off"; reading "on" checks the box, anything else leaves it alone
    Number, // number form, read back clamped to the scroll bar's range
};

struct GameConfigLine {
    GameLineForm form;
    SettingField field;
    const char* fixedText; // Fixed lines only
    int maxValue;          // Number lines only
};

inline constexpr int kGameConfigLineCount = 23;

// The twenty-three lines in file order; the writer and the reader both follow it.
const std::array<GameConfigLine, kGameConfigLineCount>& gameConfigLines();

inline QString gameConfigHeader() {
    return QStringLiteral("[Zemplo Gameboy Game Setting]");
}

// The file's lines for the window's values now.
QStringList renderGameConfig(const LauncherSettings& settings);

enum class GameConfigError { None, Unreadable, WrongHeader, TooShort };

struct GameConfigRead {
    std::optional<LauncherSettings> settings; // `current` with the file applied
    GameConfigError error = GameConfigError::None;
    QString reason; // why an unreadable file could not be read
};

// Applies the lines over `current` when line 1 is exactly the header and all 23 lines are
// there; otherwise nothing is applied. The ROM path is carried in the result like every
// other member: whoever shows it sets it last.
GameConfigRead applyGameConfig(const QStringList& lines, const LauncherSettings& current);
GameConfigRead readGameConfig(const QString& path, const LauncherSettings& current);

struct GameConfigMessage {
    QString title;
    QString text;
};
// What the user is told when a read fails.
GameConfigMessage gameConfigMessage(const QString& path, const GameConfigRead& read);

// Where Save writes: the folder and the name, with ".Zemplo" added unless the name already
// ends in "zemplo" in any letter case.
QString gameConfigSavePath(const QString& directory, const QString& name);

// Why a name typed into the save window cannot be a file name in that folder, or "".
QString gameConfigNameProblem(const QString& name);

// Writes the file anew through a temporary file; "" on success, else why not.
QString writeGameConfig(const QString& path, const LauncherSettings& settings);
