#pragma once

#include <QStringList>

class QTextStream;

// The launcher's own --options that work without a display.
enum class Verb { None, Help, Version, PrintCommand, Header, ExportList };

Verb verbOf(const QStringList& wordsAfterProgram);

int printHelp(QTextStream& out);
int printVersion(QTextStream& out);

// Prints the command line that play would start with the stored settings and the given
// argument, or the message that would stop the launch (exit status 1).
int printCommand(const QStringList& wordsAfterProgram, QTextStream& out, QTextStream& err);

// One line per ROM: path, title, cartridge type and ROM size, separated by tabs. A file that
// cannot be read gets a line on the error stream and makes the exit status 1.
int printHeaders(const QStringList& wordsAfterProgram, QTextStream& out, QTextStream& err);

// Writes the ROM list of a folder (GB_Roms.txt, or GB_Roms.html with --html) and prints its
// path; starts no viewer. Exit status 1 with the reason when nothing could be written.
int exportList(const QStringList& wordsAfterProgram, QTextStream& out, QTextStream& err);
