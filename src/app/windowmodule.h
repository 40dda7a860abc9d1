#pragma once

#include <QStringList>

// The launcher's window lives in a module of its own, loaded only when the window is shown:
// the command-line verbs then start without the graphical libraries, a fraction of the time.
// The module's one entry point, looked up by this name.
inline constexpr char kWindowEntryPoint[] = "zemplo97_run_window";
using WindowEntryPoint = int (*)(int* argc, char** argv, const QStringList* words);

// Loads the window module beside the program (a build tree) or where it is installed, and runs
// the window; tells on standard error and returns 1 when the module cannot be loaded.
int runWindowModule(int& argc, char** argv, const QStringList& words);
