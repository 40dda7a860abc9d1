#pragma once

#include "dosname.h"
#include "dossession.h"
#include "launchersettings.h"

#include <QString>

#include <optional>

struct LaunchMessage {
    QString text;
    QString title;
};

struct LaunchPlan {
    // The message that ends the launch; nothing is started when it is set.
    std::optional<LaunchMessage> stop;
    // Set once the launch got past the emulator checks: this directory becomes current even
    // when the launch is then refused.
    QString emulatorDirectory;
    bool changesDirectory() const { return !emulatorDirectory.isEmpty(); }
    QString programName; // the part of the path from "vgb.exe" on
    QString arguments;
    // The background named no file: the window shows the default label again.
    bool resetBackground = false;
    // Told to the user before the start, which then goes on.
    std::optional<LaunchMessage> notice;
    DosSession session;
};

// Where the emulator finds the ROM: its own folder when DOS sees the ROM under its own name
// and no letter-case twin shares it, else the ROM's launch folder under its stable DOS name.
// A ROM in an archive always plays from its launch folder, from a copy of the ROM inside, which is
// read here. Taken at the click, before the current directory changes; nothing is created.
struct RomLocation {
    DosLocation dos;
    std::optional<LaunchFolderPlan> launchFolder;
    std::optional<LaunchMessage> notice; // the ROM's saves cannot be kept under its name
    std::optional<LaunchMessage>
        problem; // a ROM in an archive that cannot be played: nothing starts
};
RomLocation locateRom(const QString& romPath, const QString& cacheRoot = launchCacheRoot());

// The checks, split and build of a press on play, without touching anything.
LaunchPlan planLaunch(const LauncherSettings& settings, const RomLocation& rom);

// Said when the save file of the ROM would have a name longer than its file system allows.
std::optional<LaunchMessage> saveNameNotice(const QString& romPath);

// What stops a command line from reaching DOSBox safely: <, > or |, a control character (the
// setting that holds it is named when `settings` is given), a line too long for DOSBox.
std::optional<LaunchMessage> commandLineProblem(const QString& commandLine,
                                                const LauncherSettings* settings = nullptr);

// The program as the emulator path names it: its file name from "vgb.exe" on, in any letter
// case; empty when the file name holds no "vgb.exe".
QString programNameOf(const QString& emulatorPath);

// DOSBox's shell would take these as redirections and pipes.
bool holdsRedirection(const QString& commandLine);
LaunchMessage redirectionMessage();
