#include "settingbindings.h"

#include "gameconfigfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace {
using S = LauncherSettings;

QString valueOf(const QLineEdit* c) {
    return c->text();
}
QString valueOf(const QComboBox* c) {
    return c->currentText();
}
bool valueOf(const QCheckBox* c) {
    return c->isChecked();
}
int valueOf(const QScrollBar* c) {
    return c->value();
}

void show(QLineEdit* c, const QString& text) {
    c->setText(text);
}
void show(QComboBox* c, const QString& text) {
    c->setEditText(text);
}
void show(QCheckBox* c, bool on) {
    c->setChecked(on);
}
void show(QScrollBar* c, int value) {
    c->setValue(value);
}

} // namespace

SettingBinding::SettingBinding(QString S::*member, QLineEdit* control)
    : m_pair(Pair<QString, QLineEdit>{member, control}) {}
SettingBinding::SettingBinding(QString S::*member, QComboBox* control)
    : m_pair(Pair<QString, QComboBox>{member, control}) {}
SettingBinding::SettingBinding(bool S::*member, QCheckBox* control)
    : m_pair(Pair<bool, QCheckBox>{member, control}) {}
SettingBinding::SettingBinding(int S::*member, QScrollBar* control)
    : m_pair(Pair<int, QScrollBar>{member, control}) {}

SettingField SettingBinding::field() const {
    return std::visit([](const auto& pair) { return SettingField(pair.member); }, m_pair);
}

QWidget* SettingBinding::control() const {
    return std::visit([](const auto& pair) -> QWidget* { return pair.control; }, m_pair);
}

void SettingBinding::read(LauncherSettings& settings) const {
    std::visit([&](const auto& pair) { settings.*pair.member = valueOf(pair.control); }, m_pair);
}

void SettingBinding::write(const LauncherSettings& settings) const {
    std::visit([&](const auto& pair) { show(pair.control, settings.*pair.member); }, m_pair);
}

void readBoundControls(const SettingBindings& bindings, LauncherSettings& settings) {
    for (const SettingBinding& binding : bindings)
        binding.read(settings);
}

void writeBoundControls(const SettingBindings& bindings, const LauncherSettings& settings,
                        const std::function<bool(const SettingField&)>& which) {
    for (const SettingBinding& binding : bindings)
        if (which(binding.field()))
            binding.write(settings);
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
