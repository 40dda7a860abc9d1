#include "palettewizardmodel.h"

void PaletteWizardModel::startFrom(const RomPalette& palette) {
    m_content = {};
    m_selected.reset();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!palette.colors[slot])
            continue;
        const Rgb rgb = *palette.colors[slot];
        m_content.slotLines[slot] =
            QString::fromLatin1(colorSlots()[slot].optionWord) + rgbCode(rgb);
        m_content.slotTags[slot] = slotTag(slot, rgb);
    }
}

void PaletteWizardModel::assign(int slot, const Rgb& rgb, const QString& rgbCodeText) {
    m_content.slotLines[slot] = QString::fromLatin1(colorSlots()[slot].optionWord) + rgbCodeText;
    m_content.slotTags[slot] = slotTag(slot, rgb);
    m_selected = slot;
}

std::optional<int> PaletteWizardModel::clearSelected() {
    const std::optional<int> slot = m_selected;
    if (slot) {
        m_content.slotLines[*slot].clear();
        m_content.slotTags[*slot].clear();
    }
    m_selected.reset();
    return slot;
}

void PaletteWizardModel::resetAll() {
    m_content.slotLines = {};
    m_content.slotTags = {};
    m_selected.reset();
}

RomConfigContent PaletteWizardModel::content(int brightness) const {
    RomConfigContent content = m_content;
    content.brightness = brightness;
    return content;
}
