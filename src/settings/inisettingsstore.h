#pragma once

#include "settingsstore.h"

#include <QSettings>

#include <optional>

// The launcher's store: an INI file, group "Startup", every value as text.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath = defaultFilePath());

    // $XDG_CONFIG_HOME/Zemplo97/Zemplo97.ini, ~/.config when the variable is unset.
    static QString defaultFilePath();

    QString read(const QString& key) const override;
    void write(const QString& key, const QString& value) override;
    bool flush() override;
    QString location() const override { return m_path; }

private:
    QString m_path;
    // None when the path names a pipe, device or folder: reading one could block start-up
    // for ever, so the store then reads as empty and every save fails with a message.
    mutable std::optional<QSettings> m_settings;
};
