#include "colorslots.h"

#include <cstring>

const std::array<ColorSlot, kSlotCount>& colorSlots() {
    static const std::array<ColorSlot, kSlotCount> table{{
        {"-color0 ", "CC0", 1, 3, "Color 0", "Clear color 0"},
        {"-color1 ", "CC1", 2, 4, "Color 1", "Clear color 1"},
        {"-color2 ", "CC2", 3, 5, "Color 2", "Clear color 2"},
        {"-color3 ", "CC3", 4, 6, "Color 3", "Clear color 3"},
        {"-spritecolor0 ", "CS0", 5, 7, "Sprite color 0", "Clear spritecolor 0"},
        {"-spritecolor1 ", "CS1", 6, 8, "Sprite color 1", "Clear spritecolor 1"},
        {"-spritecolor2 ", "CS2", 7, 9, "Sprite color 2", "Clear spritecolor 2"},
        {"-spritecolor3 ", "CS3", 8, 10, "Sprite color 3", "Clear Spritecolor 3"},
        {"-windowcolor0 ", "CW0", 13, 15, "Window color 0", "Clear Windowcolor 0"},
        {"-windowcolor1 ", "CW1", 14, 16, "Window color 1", "Clear windowcolor 1"},
        {"-windowcolor2 ", "CW2", 15, 17, "Window color 2", "Clear windowcolor 2"},
        {"-windowcolor3 ", "CW3", 16, 18, "Window color 3", "Clear windowcolor 3"},
        {"-backgroundcolor0 ", "CB0", 9, 11, "BG color 0", "Clear Backgroundcolor 0"},
        {"-backgroundcolor1 ", "CB1", 10, 12, "BG color 1", "Clear Backgroundcolor 1"},
        {"-backgroundcolor2 ", "CB2", 11, 13, "BG color 2", "Clear Backgroundcolor 2"},
        {"-backgroundcolor3 ", "CB3", 12, 14, "BG color 3", "Clear Backgroundcolor 3"},
    }};
    return table;
}

int slotOfCode(const char* code3) {
    const auto& table = colorSlots();
    for (int i = 0; i < kSlotCount; ++i)
        if (std::strncmp(table[i].code, code3, 3) == 0)
            return i;
    return -1;
}
