#pragma once

#include "romconfig.h"

#include <optional>

// What the colour wizard holds while it is open: a colour line and a tag a set slot, and the
// slot assigned last.
class PaletteWizardModel {
public:
    // Starts from what the file recorded; nothing selected.
    void startFrom(const RomPalette& palette);

    // A slot button: the slot takes the mixed colour and becomes the selected slot.
    void assign(int slot, const Rgb& rgb, const QString& rgbCodeText);
    // The Clear button: unsets the selected slot; returns it, or nothing when none was selected.
    std::optional<int> clearSelected();
    void resetAll();

    bool isSet(int slot) const { return !m_content.slotLines[slot].isEmpty(); }
    std::optional<int> selected() const { return m_selected; }
    const QString& line(int slot) const { return m_content.slotLines[slot]; }
    const QString& tag(int slot) const { return m_content.slotTags[slot]; }

    // What a save writes with this brightness.
    RomConfigContent content(int brightness) const;

private:
    RomConfigContent m_content;
    std::optional<int> m_selected;
};
