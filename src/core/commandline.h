#pragma once

#include "launchersettings.h"

#include <QString>

#include <optional>

// The emulator's argument string: the ROM part, then one fragment per option row, each
// starting with one blank. `background` is the path that follows " -background ", or nothing
// when the background names no existing file.
QString buildArguments(const LauncherSettings& settings, const QString& romPart,
                       const std::optional<QString>& background);

inline constexpr int kMaxCommandLength = 128;

// The emulator path followed directly by the argument string may hold at most 128 characters.
bool isCommandTooLong(const QString& emulatorPath, const QString& arguments);
