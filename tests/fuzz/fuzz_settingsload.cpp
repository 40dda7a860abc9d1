// The settings store: any INI text loads into settings that the window can show.
#include "fuzzinput.h"
#include "inisettingsstore.h"
#include "launchersettings.h"
#include "settingsio.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zemplo97.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const IniSettingsStore store(path);
    const LauncherSettings s = startupSettings(store);
    FUZZ_CHECK(s.volume >= 0 && s.volume <= kVolumeMax);
    FUZZ_CHECK(s.ifreq >= 0 && s.ifreq <= kIfreqMax);
    return 0;
}
