#include "appfolders.h"

#include "hostpath.h"

#include <QDir>

QString launcherConfigFolder() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return joinPath(base, QStringLiteral("Zemplo97"));
}
