// The wizard's marker line of a .cfg file: any line reads into a palette in range, and the
// palette written again reads back the same.
#include "fuzzinput.h"
#include "palettewizardmodel.h"
#include "romconfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line = markerPrefix() + fuzzFields(data, size, 1).first();
    const RomPalette palette = parseMarkerLine(line);
    FUZZ_CHECK(palette.brightness >= -100 && palette.brightness <= 100);
    PaletteWizardModel model;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (const auto& rgb = palette.colors[slot]) {
            FUZZ_CHECK(rgb->red >= 0 && rgb->red <= 255 && rgb->green >= 0 && rgb->green <= 255 &&
                       rgb->blue >= 0 && rgb->blue <= 255);
            model.assign(slot, *rgb, rgbCode(*rgb));
        }
    }
    const QString tags = markerTags(model.content(palette.brightness));
    const RomPalette again = parseMarkerLine(markerPrefix() + tags);
    FUZZ_CHECK(again.brightness == palette.brightness);
    for (int slot = 0; slot < kSlotCount; ++slot)
        FUZZ_CHECK(again.colors[slot] == palette.colors[slot]);
    return 0;
}
