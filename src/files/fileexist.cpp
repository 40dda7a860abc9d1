#include "fileexist.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

bool isOrdinaryVisibleFile(const QFileInfo& info) {
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

bool hasWildcard(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace

bool FileExist(const QString& path, const QString& baseDirectory) {
    if (path.isEmpty())
        return false;
    const QDir base(baseDirectory.isEmpty() ? QDir::currentPath() : baseDirectory);
    const QFileInfo whole(base, path);
    const QString name = whole.fileName();
    if (!hasWildcard(name))
        return isOrdinaryVisibleFile(whole);
    if (hasWildcard(whole.path()))
        return false; // wildcards stand only in the last component
    const NamePattern pattern(name);
    QDirIterator it(whole.path(), QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (isOrdinaryVisibleFile(entry) && pattern.matches(entry.fileName()))
            return true;
    }
    return false;
}
