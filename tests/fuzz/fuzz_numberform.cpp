// The number form: any stored text reads back without a fault, and what is written reads back
// as the same number.
#include "fuzzinput.h"
#include "numberform.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzFields(data, size, 1).first();
    const double value = parseNumber(text);
    FUZZ_CHECK(std::isfinite(value));
    const int whole = roundHalfEven(value);
    FUZZ_CHECK(parseNumber(formatNumber(whole)) == double(whole));
    const QString written = formatNumber(value);
    FUZZ_CHECK(written.startsWith(QLatin1Char(' ')) || written.startsWith(QLatin1Char('-')));
    const float single = float(value);
    FUZZ_CHECK(!std::isfinite(single) || float(parseNumber(formatNumber(single))) == single);
    return 0;
}
