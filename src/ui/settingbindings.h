#pragma once

#include "storedkeys.h"

#include <array>
#include <functional>

class QWidget;

// Each member of the settings record with the control that shows it, by the control's object
// name. Reading the window's settings, applying the stored ones and applying a game file are
// loops over this one table; the window position is the window's own and not in it.
struct SettingBinding {
    SettingField field;
    const char* control;
};
const std::array<SettingBinding, 24>& settingBindings();

// Reads every bound control of `window` into its member.
void readBoundControls(const QWidget& window, LauncherSettings& settings);

// Writes into its control each member that `which` takes, in the table's order.
void writeBoundControls(QWidget& window, const LauncherSettings& settings,
                        const std::function<bool(const SettingField&)>& which);

// The members the settings store keeps, and those a game file holds (the ROM path aside,
// which is shown last).
bool isStoredSetting(const SettingField& field);
bool isGameFileSetting(const SettingField& field);
