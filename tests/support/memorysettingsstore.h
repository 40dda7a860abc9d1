#pragma once

#include "settingsstore.h"

#include <QMap>
#include <QStringList>

// A store in memory that remembers the order of every write.
class MemorySettingsStore : public SettingsStore {
public:
    QString read(const QString& key) const override { return m_values.value(key); }
    void write(const QString& key, const QString& value) override;
    bool flush() override { return true; }

    QMap<QString, QString> m_values;
    QStringList m_writtenKeys;
};
