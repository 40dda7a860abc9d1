#pragma once

#include <QStringList>

// Runs the launcher window until the user quits; returns the exit status.
int runLauncherWindow(int& argc, char** argv, const QStringList& wordsAfterProgram);
