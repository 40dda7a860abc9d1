#pragma once

#include <QString>

#include <optional>

// The emulator's per-ROM configuration file: the ROM path without its last two characters,
// then "cfg" (PUZZLE.GB gives PUZZLE.cfg, GAME.GBC gives GAME.Gcfg); for a ROM in an archive,
// the .cfg beside the archive under the archive's base name (Tetris.7z gives Tetris.cfg), or the
// entry's when the archive holds several (Set.7z#roms/Tetris (V1.1).gb gives Tetris (V1.1).cfg
// beside Set.7z). None for a path shorter than two characters.
std::optional<QString> romConfigPath(const QString& romPath);

// The ROM's file name without its last three characters (an archive's, or its entry's, as its
// .cfg is named), as the delete button names it.
QString romBaseName(const QString& romPath);

// The delete button's caption for a ROM whose configuration file does or does not exist.
QString deleteButtonCaption(const QString& romPath, bool configExists);
// The same, by whether the ROM's configuration file exists now.
QString deleteButtonCaption(const QString& romPath);
QString noConfigCaption();
