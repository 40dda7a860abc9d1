#include "storedkeys.h"

#include "scrollrange.h"

#include "numberform.h"

#include <algorithm>

namespace {
using S = LauncherSettings;
} // namespace

const std::array<StoredKey, kStoredKeyCount>& storedKeys() {
    static const std::array<StoredKey, kStoredKeyCount> keys{{
        {"Version", StoredForm::Marker, {}, nullptr, -1, 0},
        {"VGB-DOS", StoredForm::Text, &S::emulatorPath, "C:\\GAMEBOY\\VGB-DOS.EXE", 0, 0},
        {"Video", StoredForm::Text, &S::video, "0 - Video 320x200 Title screen", 1, 0},
        {"Sound", StoredForm::Text, &S::sound, "1 - Adlib", 2, 0},
        {"Stereo", StoredForm::Text, &S::stereo, "1 - Normal St\xC3\xA9r\xC3\xA9o", 3, 0},
        {"Buttons", StoredForm::Text, &S::buttons, "0 - No Buttons swap", 4, 0},
        {"Volume", StoredForm::Number, &S::volume, "10", 5, kVolumeMax},
        {"AutoA", StoredForm::Check, &S::autoA, "0", 6, 0},
        {"AutoB", StoredForm::Check, &S::autoB, "0", 7, 0},
        {"Joypad", StoredForm::Check, &S::joypadOff, "0", 15, 0},
        {"Ifreq", StoredForm::Number, &S::ifreq, "60", 8, kIfreqMax},
        {"VBlank", StoredForm::Text, &S::vblank, "100", 9, 0},
        {"Uperiod", StoredForm::Text, &S::uperiod, "2", 10, 0},
        {"KeyMap", StoredForm::Text, &S::keyMap, "", 11, 0},
        {"GIF", StoredForm::Text, &S::background, "VGB-DOS Default (vgb.gif)", 19, 0},
        {"CRC", StoredForm::Check, &S::noCrc, "0", 12, 0},
        {"SilentStart", StoredForm::Check, &S::silentStart, "1", 13, 0},
        {"NoDelay", StoredForm::Check, &S::noDelay, "0", 14, 0},
        {"Top", StoredForm::Number, &S::top, "100", 16, 0},
        {"Left", StoredForm::Number, &S::left, "100", 17, 0},
        {"ColorScheme", StoredForm::Text, &S::colorScheme, "0 - Gray ColorScheme", 18, 0},
    }};
    return keys;
}

QString storedText(const LauncherSettings& settings, const StoredKey& key) {
    return std::visit(
        [&](auto member) -> QString {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, std::monostate>) {
                return versionMarker();
            } else if constexpr (std::is_same_v<M, QString S::*>) {
                return settings.*member;
            } else if constexpr (std::is_same_v<M, bool S::*>) {
                return settings.*member ? QStringLiteral("1") : QStringLiteral("0");
            } else {
                return formatNumber(static_cast<double>(settings.*member));
            }
        },
        key.field);
}

void applyStoredText(LauncherSettings& settings, const StoredKey& key, const QString& text) {
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, QString S::*>) {
                settings.*member = text;
            } else if constexpr (std::is_same_v<M, bool S::*>) {
                settings.*member = text != QLatin1String("0");
            } else if constexpr (std::is_same_v<M, int S::*>) {
                // A scroll bar cannot show a value outside its range, so a hand-edited store
                // is brought into it here rather than wherever the value is next used.
                settings.*member = scrollBarValue(text, key.maxValue);
            } else if constexpr (std::is_same_v<M, double S::*>) {
                settings.*member = parseNumber(text);
            }
        },
        key.field);
}
