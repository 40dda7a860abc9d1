#pragma once

#include <QStringList>

class QTextStream;

// The launcher's own --options that work without a display.
enum class Verb { None, Help, Version, PrintCommand };

Verb verbOf(const QStringList& wordsAfterProgram);

int printHelp(QTextStream& out);
int printVersion(QTextStream& out);

// Prints the command line that play would start with the stored settings and the given
// argument, or the message that would stop the launch (exit status 1).
int printCommand(const QStringList& wordsAfterProgram, QTextStream& out, QTextStream& err);
