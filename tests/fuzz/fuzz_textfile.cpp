// The capped text reader on any file: a file over the limit is refused whole and one within it
// reads as its lines; the .cfg reader on the same file never fails otherwise.
#include "fuzzinput.h"
#include "romconfig.h"
#include "textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = fuzzFile(QStringLiteral("f.cfg"), data, size);
    if (path.isEmpty())
        return 0;
    // A limit around the input's own size, so that both sides of it are reached.
    const qint64 limit = size ? qint64(size) - 2 + data[0] % 5 : 0;
    const TextRead read = readTextLines(path, limit);
    FUZZ_CHECK(read.ok() == (qint64(size) <= limit));
    if (read.ok())
        FUZZ_CHECK(read.lines == splitTextLines(QByteArray(reinterpret_cast<const char*>(data),
                                                           qsizetype(size))));
    else
        FUZZ_CHECK(read.lines.isEmpty());
    const RomPalette palette = readRomConfig(path);
    FUZZ_CHECK(palette.error.isEmpty()); // a fuzz input is never over the .cfg limit
    return 0;
}
