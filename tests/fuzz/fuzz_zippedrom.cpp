// The zipped-ROM reader: any bytes give either the one ROM, never past the cap, or a reason;
// read from a file or from memory, the answer is the same.
#include "fuzzinput.h"
#include "printable.h"
#include "zippedrom.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ZippedRom read = readZippedRomBytes(bytes);
    FUZZ_CHECK(read.error.isEmpty() || read.rom.isEmpty());
    FUZZ_CHECK(read.rom.size() <= kMaxRomSize);
    for (const QChar c : read.entryName)
        FUZZ_CHECK(!isControlCharacter(c)); // shown in messages, one line
    const QString file = fuzzFile(QStringLiteral("rom.zip"), data, size);
    if (!file.isEmpty()) {
        const ZippedRom again = readZippedRom(file);
        FUZZ_CHECK(again.rom == read.rom && again.error.isEmpty() == read.error.isEmpty());
    }
    return 0;
}
