#pragma once

#include <QString>

#include <optional>

// The emulator's per-ROM configuration file: the ROM path without its last two characters,
// then "cfg" (PUZZLE.GB gives PUZZLE.cfg, GAME.GBC gives GAME.Gcfg); for a zipped ROM, the
// zip's path with "cfg" for its extension (Tetris.zip gives Tetris.cfg). None for a path
// shorter than two characters.
std::optional<QString> romConfigPath(const QString& romPath);

// The ROM's file name without its last three characters (a zip's without its extension), as
// the delete button names it.
QString romBaseName(const QString& romPath);

// The delete button's caption for a ROM whose configuration file does or does not exist.
QString deleteButtonCaption(const QString& romPath, bool configExists);
// The same, by whether the ROM's configuration file exists now.
QString deleteButtonCaption(const QString& romPath);
QString noConfigCaption();
