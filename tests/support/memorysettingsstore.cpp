#include "memorysettingsstore.h"

void MemorySettingsStore::write(const QString& key, const QString& value) {
    m_values.insert(key, value);
    m_writtenKeys << key;
}
