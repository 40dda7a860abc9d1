#include "appfolders.h"

#include "hostpath.h"

#include <QDir>
#include <QStandardPaths>

QString launcherConfigFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return joinPath(base, QStringLiteral("Zemplo97"));
}

QString launchCacheRoot() {
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
                    QStringLiteral("Zemplo97"));
}
