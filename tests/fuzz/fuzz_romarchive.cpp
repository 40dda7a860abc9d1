// The archive reader: any bytes give either the one ROM, never past the cap, or a reason; read
// from a file or from memory, the answer is the same.
#include "fuzzinput.h"
#include "printable.h"
#include "romarchive.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ArchivedRom read = readArchivedRomBytes(bytes, {}, kMaxRomSize);
    FUZZ_CHECK(read.error.isEmpty() || read.bytes.isEmpty());
    FUZZ_CHECK(read.bytes.size() <= kMaxRomSize);
    for (const QChar c : read.error)
        FUZZ_CHECK(c == QLatin1Char('\n') || !isControlCharacter(c)); // shown in a message
    const QString file = fuzzFile(QStringLiteral("rom.7z"), data, size);
    if (!file.isEmpty()) {
        const ArchivedRom again = readArchivedRom(file, {}, kMaxRomSize);
        FUZZ_CHECK(again.bytes == read.bytes && again.error.isEmpty() == read.error.isEmpty());
        // A list's pass over every ROM's header never reads past what it asked.
        const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY);
        for (const ArchivedRom& rom : readArchiveHeads(fd, 0x149).roms)
            FUZZ_CHECK(rom.bytes.size() <= 0x149);
        ::close(fd);
    }
    return 0;
}
