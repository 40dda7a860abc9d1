// The settings store: any INI text loads into settings that the window can show.
#include "fuzzinput.h"
#include "inisettingsstore.h"
#include "launchersettings.h"
#include "settingsio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(QStringLiteral("Zemplo97.ini"), data, size);
    if (path.isEmpty())
        return 0;
    const IniSettingsStore store(path);
    const LauncherSettings s = startupSettings(store);
    FUZZ_CHECK(s.volume >= 0 && s.volume <= kVolumeMax);
    FUZZ_CHECK(s.ifreq >= 0 && s.ifreq <= kIfreqMax);
    return 0;
}
