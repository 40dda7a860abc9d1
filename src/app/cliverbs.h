#pragma once

#include <QStringList>

class QTextStream;

// The launcher's own --options that work without a display.
enum class Verb { None, Help, Version, PrintCommand, Header, ExportList, Wrong };

// What the words ask for: at most one verb, with only its own modifiers. Wrong, with the
// problem named, for an option the launcher lacks (-x, -version, --x), a modifier without its
// verb, or two verbs.
struct VerbRequest {
    Verb verb = Verb::None;
    QString problem;
};
VerbRequest verbOf(const QStringList& wordsAfterProgram);

// An unknown option or a verb without what it needs: the usage on the error stream, status 2.
int usageError(const QString& problem, QTextStream& err);

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
