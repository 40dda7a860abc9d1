#pragma once

#include "launchersettings.h"

#include <QString>

#include <array>
#include <variant>

// How a member is written under its key.
enum class StoredForm {
    Marker, // the version marker, always "262"
    Text,   // verbatim
    Check,  // "0" unchecked, "1" checked; read back unchecked only for exactly "0"
    Number, // number form
};

using SettingField =
    std::variant<std::monostate, QString LauncherSettings::*, bool LauncherSettings::*,
                 int LauncherSettings::*, double LauncherSettings::*>;

struct StoredKey {
    const char* key;
    StoredForm form;
    SettingField field;
    const char* firstUseValue; // UTF-8; nullptr for the marker, which first use leaves alone
    int firstUseOrder;         // position in which first use fills the controls
    int maxValue;              // for whole numbers kept by a scroll bar, else 0
};

inline constexpr int kStoredKeyCount = 21;

// The twenty-one keys of section "Startup", in the order in which quit writes them; start-up
// reads them in the same order and first use fills them in firstUseOrder.
const std::array<StoredKey, kStoredKeyCount>& storedKeys();

inline QString versionMarker() {
    return QStringLiteral("262");
}

QString storedText(const LauncherSettings& settings, const StoredKey& key);
void applyStoredText(LauncherSettings& settings, const StoredKey& key, const QString& text);
