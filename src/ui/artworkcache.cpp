#include "artworkcache.h"

#include "regularfile.h"
#include "replacefile.h"

#include <QDir>
#include <QStandardPaths>
#include <QtEndian>

QString artworkCacheFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    return cache + QStringLiteral("/Zemplo97/artwork-") + QStringLiteral(ZEMPLO_ARTWORK_KEY);
}

namespace {

// A kept picture: this mark, its width and height (little-endian), then its pixels as bytes
// R, G, B, A, row after row. No compression, so reading it back needs no image codec, whose
// first use costs more than the drawing it saves.
constexpr char kMark[8] = {'Z', '9', '7', 'P', 'I', 'C', 'T', '1'};
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
    QImage image(size, QImage::Format_RGBA8888);
    const QByteArray head = file.read(kHeaderSize);
    const qint64 rowBytes = qint64(size.width()) * 4;
    if (head != header(size))
        return {};
    for (int y = 0; y < size.height(); ++y)
        if (file.read(reinterpret_cast<char*>(image.scanLine(y)), rowBytes) != rowBytes)
            return {};
    return image;
}

QString ArtworkCache::pathOf(const QString& name) const {
    return m_folder + QLatin1Char('/') + name + QStringLiteral(".rgba");
}

QPixmap ArtworkCache::picture(const QString& name, QSize size,
                              const std::function<QPixmap()>& draw) {
    if (!m_folder.isEmpty()) {
        const QImage kept = readKeptPicture(pathOf(name), size);
        if (!kept.isNull())
            return QPixmap::fromImage(kept);
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
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGBA8888);
        QByteArray bytes = header(image.size());
        for (int y = 0; y < image.height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                         qsizetype(image.width()) * 4);
        const QString written = replaceFile(pathOf(name), bytes);
        if (!written.isEmpty())
            error = written;
    }
    return error;
}
