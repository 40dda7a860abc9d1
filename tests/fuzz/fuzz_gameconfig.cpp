// The .Zemplo reader: any file is refused whole or applied within range, and what it applied
// is written and read back unchanged.
#include "fuzzinput.h"
#include "gameconfigfile.h"
#include "settingsio.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines =
        splitTextLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    static const LauncherSettings start = firstUseSettings();
    const GameConfigRead read = applyGameConfig(lines, start);
    FUZZ_CHECK(bool(read.settings) == (read.error == GameConfigError::None));
    // The same bytes as a file, through the capped reader that Load and start-up use.
    const QString file = fuzzFile(QStringLiteral("f.Zemplo"), data, size);
    if (!file.isEmpty())
        FUZZ_CHECK(bool(readGameConfig(file, start).settings) == bool(read.settings));
    if (!read.settings)
        return 0;
    const LauncherSettings& s = *read.settings;
    FUZZ_CHECK(s.volume >= 0 && s.volume <= kVolumeMax);
    FUZZ_CHECK(s.ifreq >= 0 && s.ifreq <= kIfreqMax);
    FUZZ_CHECK(s.emulatorPath == start.emulatorPath && s.background == start.background);
    // Text lines that hold a line break cannot survive a round trip; every other one does.
    const QStringList written = renderGameConfig(s);
    const GameConfigRead again =
        applyGameConfig(splitTextLines(written.join(QStringLiteral("\r\n")).toUtf8()), s);
    FUZZ_CHECK(again.settings);
    FUZZ_CHECK(renderGameConfig(*again.settings) == written);
    return 0;
}
