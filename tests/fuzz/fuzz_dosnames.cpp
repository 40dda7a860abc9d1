// The DOS name table: any directory listing gives every entry an upper-case name of at most
// eight characters before its first dot and three after it (DOSBox keeps "X..GB" as it is).
#include "dosname.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    DosNameTable table;
    for (const QByteArray& name : bytes.split('\n')) {
        if (name.isEmpty() || name == "." || name == ".." || name.contains('/') ||
            name.contains('\0'))
            continue; // never in a real listing
        const QByteArray dos = table.add(name);
        const qsizetype dot = dos.indexOf('.');
        const qsizetype base = dot < 0 ? dos.size() : dot;
        FUZZ_CHECK(base <= 8);
        FUZZ_CHECK(dot < 0 || dos.size() - dot - 1 <= 3);
        for (const char c : dos)
            FUZZ_CHECK(!(c >= 'a' && c <= 'z'));
    }
    return 0;
}
