#include "fileexist.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

bool isOrdinaryVisibleFile(const QFileInfo& info) {
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

bool hasWildcard(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace

// Only * and ? are special on DOS; brackets and the rest match themselves.
QRegularExpression dosPatternExpression(const QString& pattern) {
    QString re;
    re.reserve(pattern.size() * 2 + 4);
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            re += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            re += QLatin1Char('.');
        else
            re += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(re),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

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
    const QRegularExpression pattern = dosPatternExpression(name);
    QDirIterator it(whole.path(), QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (isOrdinaryVisibleFile(entry) && pattern.match(entry.fileName()).hasMatch())
            return true;
    }
    return false;
}
