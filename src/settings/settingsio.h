#pragma once

#include "launchersettings.h"
#include "settingsstore.h"

// A store whose version marker is not exactly "262" has never been saved by this version.
bool isFirstUse(const SettingsStore& store);

// The record as first use fills it: the built-in values, every unstored member empty.
LauncherSettings firstUseSettings();

// Reads the twenty members in store order; missing keys read as "".
LauncherSettings loadStoredSettings(const SettingsStore& store);

// What start-up puts on the window, leaving out the first-use question: the built-in values
// for a first use, else the stored ones.
LauncherSettings startupSettings(const SettingsStore& store);

// Writes the twenty-one keys in order, the marker first.
bool saveSettings(SettingsStore& store, const LauncherSettings& settings);
