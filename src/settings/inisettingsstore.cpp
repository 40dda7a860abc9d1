#include "inisettingsstore.h"

#include "appfolders.h"
#include "hostpath.h"

#include <QFileInfo>

namespace {
QString qualified(const QString& key) {
    return QStringLiteral("Startup/") + key;
}
} // namespace

IniSettingsStore::IniSettingsStore(const QString& filePath) : m_path(filePath) {
    const QFileInfo info(filePath);
    if (!info.exists() || info.isFile())
        m_settings.emplace(filePath, QSettings::IniFormat);
}

QString IniSettingsStore::defaultFilePath() {
    return joinPath(launcherConfigFolder(), QStringLiteral("Zemplo97.ini"));
}

QString IniSettingsStore::read(const QString& key) const {
    return m_settings ? m_settings->value(qualified(key), QString()).toString() : QString();
}

void IniSettingsStore::write(const QString& key, const QString& value) {
    if (m_settings)
        m_settings->setValue(qualified(key), value);
}

bool IniSettingsStore::flush() {
    if (!m_settings)
        return false;
    m_settings->sync();
    // A format error only says the old file could not be read; the new one is written all the
    // same. Only an access error is a failed write.
    return m_settings->status() != QSettings::AccessError;
}
