#pragma once

#include <QString>

// The short titles of the launcher's message boxes, each written once.
enum class MessageTitle {
    Oups,          // a choice that cannot be carried out
    Info,          // a file that is not what it should be
    Ouch,          // a file that could not be written or deleted
    Where,         // the emulator is not where the settings say
    Damn,          // a command line that cannot be started
    Configuration, // the settings store
    Tips,          // the keys help
    Renamed,       // the emulator's file is not named VGB.EXE
    NotStarted,    // our own: DOSBox missing, a folder that cannot be entered, a failed start
};

QString messageTitle(MessageTitle title);
