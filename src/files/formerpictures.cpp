#include "formerpictures.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

std::optional<QFileInfoList> keptPicturesIn(const QFileInfo& folder) {
    if (folder.isSymLink() || !folder.isDir())
        return std::nullopt;
    QFileInfoList entries =
        QDir(folder.filePath())
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const bool onlyPictures = std::all_of(entries.begin(), entries.end(), [](const QFileInfo& e) {
        return !e.isSymLink() && e.isFile() && e.suffix() == QLatin1String("rgba");
    });
    return onlyPictures ? std::optional<QFileInfoList>(std::move(entries)) : std::nullopt;
}

} // namespace

void removeFormerPictureFolders(const QString& cacheRoot) {
    if (cacheRoot.isEmpty())
        return;
    const QDir root(cacheRoot);
    const QFileInfoList folders = root.entryInfoList(
        {QStringLiteral("artwork-*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QFileInfo& folder : folders) {
        const std::optional<QFileInfoList> pictures = keptPicturesIn(folder);
        if (!pictures)
            continue;
        for (const QFileInfo& picture : *pictures)
            QFile::remove(picture.filePath());
        root.rmdir(folder.fileName());
    }
}
