#pragma once

#include "settingsstore.h"

#include <QMap>
#include <QStringList>

// A store in memory that remembers the order of every write.
class MemorySettingsStore : public SettingsStore {
public:
    QString read(const QString& key) const override { return m_values.value(key); }
    void write(const QString& key, const QString& value) override;
    bool flush() override { return m_failedFlushes-- <= 0; }
    QString location() const override { return QStringLiteral("/memory/Zemplo97.ini"); }

    int m_failedFlushes = 0; // how many flushes to fail before they succeed
    QMap<QString, QString> m_values;
    QStringList m_writtenKeys;
};
