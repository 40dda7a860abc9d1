#pragma once

#include <QString>

// Per-user text values of section "Startup". A key that was never written reads as "".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& key) const = 0;
    virtual void write(const QString& key, const QString& value) = 0;
    // Makes the writes durable; false when they could not be written.
    virtual bool flush() = 0;
    // Where the values are kept, as the user is told when they cannot be written.
    virtual QString location() const = 0;
};
