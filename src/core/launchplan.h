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
    DosSession session;
};

// Where the ROM part comes from: taken at the click, before the current directory changes.
inline DosLocation locateRom(const QString& romPath) {
    return locateForDos(romPath, QLatin1Char('D'));
}

// The checks, split and build of a press on play, without touching anything.
LaunchPlan planLaunch(const LauncherSettings& settings, const DosLocation& rom);

// DOSBox's shell would take these as redirections and pipes.
bool holdsRedirection(const QString& commandLine);
LaunchMessage redirectionMessage();
