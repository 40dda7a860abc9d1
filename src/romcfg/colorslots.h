#pragma once

#include <array>

// One of the sixteen palette entries of a ROM, in the order they stand in the file.
struct ColorSlot {
    const char* optionWord;   // "-color0 " ... each ending in one blank
    const char* code;         // "CC0" ... in the marker line
    int button;               // the wizard's CommandN
    int swatch;               // the wizard's TextN
    const char* caption;      // the slot button's caption
    const char* clearCaption; // the Clear button's caption once the slot is selected
};

inline constexpr int kSlotCount = 16;

// In file order: colours, sprite colours, window colours, background colours. The wizard numbers
// its buttons with background colours before window colours.
const std::array<ColorSlot, kSlotCount>& colorSlots();

// The slot whose code this is, or -1.
int slotOfCode(const char* code3);
