#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

// The artwork's captions need a bold face at five sizes, which costs start-up more than all
// the rest of the window's pictures: pictures once drawn are kept as files in the user's
// cache folder and read back at the next start. (bench_startup keeps this.)
class ArtworkCache {
public:
    explicit ArtworkCache(QString folder) : m_folder(std::move(folder)) {}

    // The picture kept as `name` when it is there and of `size`; else `draw()`'s, which the
    // next save() keeps.
    QPixmap picture(const QString& name, QSize size, const std::function<QPixmap()>& draw);
    // Keeps the pictures drawn since the last save. Returns "" or why not; a picture that could
    // not be kept is drawn again at the next start, nothing worse.
    QString save();

private:
    QString pathOf(const QString& name) const;

    QString m_folder;
    std::vector<std::pair<QString, QPixmap>> m_drawn;
};

// Where this build keeps its pictures: a folder of the user's cache named for the code that
// draws them, so that a build that draws differently never shows another build's pictures.
QString artworkCacheFolder();

// Removes the kept pictures of other builds, the artwork-* folders beside `keep`, so that they
// do not pile up; a folder holding anything but picture files, or a link, is left alone.
void pruneOtherArtworkFolders(const QString& keep);

// The picture kept at `path` when a regular file stands there holding a picture of exactly
// `size`; a null image otherwise (nothing, another size, a damaged file).
QImage readKeptPicture(const QString& path, QSize size);
