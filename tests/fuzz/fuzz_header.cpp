// The cartridge header reader, on a file of any content and length.
#include "cartridgeinfo.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(QStringLiteral("rom.gb"), data, size);
    if (path.isEmpty())
        return 0;
    const CartridgeRead read = readCartridgeInfo(path);
    FUZZ_CHECK(bool(read.info) == (size >= size_t(kHeaderEnd)));
    FUZZ_CHECK(bool(read.info) == read.error.isEmpty());
    if (read.info) {
        FUZZ_CHECK(read.info->title.size() <= 16);
        for (const QChar c : read.info->title)
            FUZZ_CHECK(c.unicode() >= 32 && c.unicode() <= 126 && c != QLatin1Char('0'));
        FUZZ_CHECK(readCartridgeTitle(path) == read.info->title);
    }
    return 0;
}
