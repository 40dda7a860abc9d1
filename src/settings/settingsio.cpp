#include "settingsio.h"

#include "storedkeys.h"

#include <algorithm>
#include <vector>

bool isFirstUse(const SettingsStore& store) {
    return store.read(QStringLiteral("Version")) != versionMarker();
}

LauncherSettings firstUseSettings() {
    std::vector<const StoredKey*> order;
    for (const StoredKey& key : storedKeys())
        if (key.firstUseValue)
            order.push_back(&key);
    std::sort(order.begin(), order.end(), [](const StoredKey* a, const StoredKey* b) {
        return a->firstUseOrder < b->firstUseOrder;
    });
    LauncherSettings settings;
    for (const StoredKey* key : order)
        applyStoredText(settings, *key, QString::fromUtf8(key->firstUseValue));
    return settings;
}

LauncherSettings loadStoredSettings(const SettingsStore& store) {
    LauncherSettings settings;
    for (const StoredKey& key : storedKeys())
        if (key.form != StoredForm::Marker)
            applyStoredText(settings, key, store.read(QString::fromLatin1(key.key)));
    return settings;
}

LauncherSettings startupSettings(const SettingsStore& store) {
    return isFirstUse(store) ? firstUseSettings() : loadStoredSettings(store);
}

bool saveSettings(SettingsStore& store, const LauncherSettings& settings) {
    for (const StoredKey& key : storedKeys())
        store.write(QString::fromLatin1(key.key), storedText(settings, key));
    return store.flush();
}
