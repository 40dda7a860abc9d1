#include "settingbindings.h"

#include "gameconfigfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace {
using S = LauncherSettings;

// Text boxes and drop-down lists show texts, check boxes flags, scroll bars whole numbers.
QString textOf(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return static_cast<const QLineEdit*>(control)->text();
}

void setTextOf(QWidget* control, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setEditText(text);
    else
        static_cast<QLineEdit*>(control)->setText(text);
}

} // namespace

const std::array<SettingBinding, 24>& settingBindings() {
    static const std::array<SettingBinding, 24> bindings{{
        {&S::emulatorPath, "Text4"}, {&S::video, "Combo4"},      {&S::sound, "Combo5"},
        {&S::stereo, "Combo6"},      {&S::buttons, "Combo3"},    {&S::volume, "volume"},
        {&S::autoA, "Check1"},       {&S::autoB, "Check2"},      {&S::joypadOff, "Check7"},
        {&S::ifreq, "ifreq"},        {&S::vblank, "Text3"},      {&S::uperiod, "Text5"},
        {&S::keyMap, "Text7"},       {&S::background, "text10"}, {&S::noCrc, "Check3"},
        {&S::silentStart, "Check5"}, {&S::noDelay, "Check4"},    {&S::colorScheme, "Combo1"},
        {&S::romPath, "Text1"},      {&S::romName, "Text2"},     {&S::genie1, "Text6"},
        {&S::genie2, "Text8"},       {&S::genie3, "Text9"},      {&S::previewMode, "Check6"},
    }};
    return bindings;
}

void readBoundControls(const QWidget& window, LauncherSettings& settings) {
    for (const SettingBinding& binding : settingBindings()) {
        const QWidget* control = window.findChild<QWidget*>(QLatin1String(binding.control));
        if (!control)
            continue;
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, QString S::*>)
                    settings.*member = textOf(control);
                else if constexpr (std::is_same_v<M, bool S::*>)
                    settings.*member = static_cast<const QCheckBox*>(control)->isChecked();
                else if constexpr (std::is_same_v<M, int S::*>)
                    settings.*member = static_cast<const QScrollBar*>(control)->value();
            },
            binding.field);
    }
}

void writeBoundControls(QWidget& window, const LauncherSettings& settings,
                        const std::function<bool(const SettingField&)>& which) {
    for (const SettingBinding& binding : settingBindings()) {
        QWidget* control = window.findChild<QWidget*>(QLatin1String(binding.control));
        if (!control || !which(binding.field))
            continue;
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, QString S::*>)
                    setTextOf(control, settings.*member);
                else if constexpr (std::is_same_v<M, bool S::*>)
                    static_cast<QCheckBox*>(control)->setChecked(settings.*member);
                else if constexpr (std::is_same_v<M, int S::*>)
                    static_cast<QScrollBar*>(control)->setValue(settings.*member);
            },
            binding.field);
    }
}

bool isStoredSetting(const SettingField& field) {
    const auto& keys = storedKeys();
    return std::any_of(keys.begin(), keys.end(),
                       [&](const StoredKey& k) { return k.field == field; });
}

bool isGameFileSetting(const SettingField& field) {
    const auto& lines = gameConfigLines();
    return field != SettingField(&S::romPath) &&
           std::any_of(lines.begin(), lines.end(),
                       [&](const GameConfigLine& line) { return line.field == field; });
}
