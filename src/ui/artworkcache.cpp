#include "artworkcache.h"

#include "regularfile.h"
#include "replacefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <optional>

QString artworkCacheFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    return cache + QStringLiteral("/Zemplo97/artwork-") + QStringLiteral(ZEMPLO_ARTWORK_KEY);
}

namespace {

// A kept picture: this mark, its width and height, then its pixels row after row, each a
// 32-bit word 0xffRRGGBB, all numbers little-endian. No compression, so reading it back needs
// no image codec, whose first use costs more than the drawing it saves; and the pixels are
// those of an opaque pixmap, which takes them without converting.
constexpr char kMark[8] = {'Z', '9', '7', 'P', 'I', 'C', 'T', '2'};
constexpr qint64 kHeaderSize = sizeof kMark + 8;

qint64 keptSize(QSize size) {
    return kHeaderSize + qint64(size.width()) * size.height() * 4;
}

QByteArray header(QSize size) {
    QByteArray bytes(kMark, sizeof kMark);
    char numbers[8];
    qToLittleEndian<quint32>(quint32(size.width()), numbers);
    qToLittleEndian<quint32>(quint32(size.height()), numbers + 4);
    bytes.append(numbers, sizeof numbers);
    return bytes;
}

} // namespace

QImage readKeptPicture(const QString& path, QSize size) {
    QFile file;
    if (size.isEmpty() || !openRegularFile(file, path).isEmpty() || file.size() != keptSize(size))
        return {};
    QImage image(size, QImage::Format_RGB32);
    const QByteArray head = file.read(kHeaderSize);
    const qint64 rowBytes = qint64(size.width()) * 4;
    if (head != header(size))
        return {};
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        if (file.read(reinterpret_cast<char*>(row), rowBytes) != rowBytes)
            return {};
        if constexpr (Q_BYTE_ORDER != Q_LITTLE_ENDIAN)
            qFromLittleEndian<quint32>(row, size.width(), row);
    }
    return image;
}

QString ArtworkCache::pathOf(const QString& name) const {
    return m_folder + QLatin1Char('/') + name + QStringLiteral(".rgba");
}

QPixmap ArtworkCache::picture(const QString& name, QSize size,
                              const std::function<QPixmap()>& draw) {
    if (!m_folder.isEmpty()) {
        QImage kept = readKeptPicture(pathOf(name), size);
        if (!kept.isNull())
            return QPixmap::fromImage(std::move(kept));
    }
    QPixmap drawn = draw();
    if (!m_folder.isEmpty())
        m_drawn.emplace_back(name, drawn);
    return drawn;
}

QString ArtworkCache::save() {
    if (m_drawn.empty())
        return {};
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("the folder %1 cannot be made").arg(m_folder);
    QString error;
    for (const auto& [name, pixmap] : std::exchange(m_drawn, {})) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        QByteArray bytes = header(image.size());
        for (int y = 0; y < image.height(); ++y) {
            const qsizetype at = bytes.size();
            bytes.resize(at + qsizetype(image.width()) * 4);
            qToLittleEndian<quint32>(image.constScanLine(y), image.width(), bytes.data() + at);
        }
        const QString written = replaceFile(pathOf(name), bytes);
        if (!written.isEmpty())
            error = written;
    }
    if (error.isEmpty())
        pruneOtherArtworkFolders(m_folder);
    return error;
}

namespace {

// The pictures of a folder as a build makes it: a real folder holding only picture files.
// Anything else (a link, a launch folder, a file the user put there) is not ours to remove.
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

void pruneOtherArtworkFolders(const QString& keep) {
    const QFileInfo own(keep);
    const QFileInfoList folders =
        QDir(own.path())
            .entryInfoList({QStringLiteral("artwork-*")},
                           QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QFileInfo& folder : folders) {
        if (folder.fileName() == own.fileName())
            continue;
        const std::optional<QFileInfoList> pictures = keptPicturesIn(folder);
        if (!pictures)
            continue;
        for (const QFileInfo& picture : *pictures)
            QFile::remove(picture.filePath());
        QDir(own.path()).rmdir(folder.fileName());
    }
}
