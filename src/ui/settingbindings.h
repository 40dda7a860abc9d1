#pragma once

#include "storedkeys.h"

#include <functional>
#include <variant>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QScrollBar;
class QWidget;

// A member of the settings record with the control that shows it. Text boxes and drop-down
// lists show texts, check boxes flags, scroll bars whole numbers: a member paired with a control
// of another kind does not compile. Reading the window's settings, applying the stored ones and
// applying a game file are loops over the window's bindings; the window position is the
// window's own and not among them.
class SettingBinding {
public:
    SettingBinding(QString LauncherSettings::*member, QLineEdit* control);
    SettingBinding(QString LauncherSettings::*member, QComboBox* control);
    SettingBinding(bool LauncherSettings::*member, QCheckBox* control);
    SettingBinding(int LauncherSettings::*member, QScrollBar* control);

    SettingField field() const;
    QWidget* control() const;
    void read(LauncherSettings& settings) const;
    void write(const LauncherSettings& settings) const;

private:
    template <typename M, typename C> struct Pair {
        M LauncherSettings::*member;
        C* control;
    };
    std::variant<Pair<QString, QLineEdit>, Pair<QString, QComboBox>, Pair<bool, QCheckBox>,
                 Pair<int, QScrollBar>>
        m_pair;
};
using SettingBindings = std::vector<SettingBinding>;

// Reads every bound control into its member.
void readBoundControls(const SettingBindings& bindings, LauncherSettings& settings);

// Writes into its control each member that `which` takes, in the bindings' order.
void writeBoundControls(const SettingBindings& bindings, const LauncherSettings& settings,
                        const std::function<bool(const SettingField&)>& which);

// The members the settings store keeps, and those a game file holds (the ROM path aside,
// which is shown last).
bool isStoredSetting(const SettingField& field);
bool isGameFileSetting(const SettingField& field);
