#pragma once

#include <QString>
#include <QStringList>

// What the program's own argument text names, told by its last three characters (a ROM in an
// archive by its .zip or .7z, or by the .gb of its ARCHIVE#ENTRY name).
enum class ArgumentKind { None, GameConfiguration, Rom, Ignored };

ArgumentKind classifyArgument(const QString& argument);

// The words after the program name that are not the launcher's own --options.
QStringList operandWords(const QStringList& wordsAfterProgram);

// The words after the program name that are not the launcher's own --options, joined by
// single blanks into the one unsplit argument text.
QString argumentText(const QStringList& wordsAfterProgram);
