#include "pictures.h"

#include <QResource>

#include <cstring>

namespace {

constexpr char kMark[8] = {'Z', '9', '7', 'P', 'I', 'C', 'T', '3'};
constexpr qsizetype kHeaderSize = sizeof kMark + 3 * sizeof(quint32);

} // namespace

// The pictures are raw pixels, not PNG: the first PNG read of a run makes Qt look through its
// image-format plugins, which costs start-up more than all the pixels (bench_startup keeps it).
QPixmap windowPicture(const QString& name, qreal devicePixelRatio) {
    const QString path =
        QStringLiteral(":/pictures/") + name +
        (devicePixelRatio > 1 ? QStringLiteral("@2x.pict") : QStringLiteral(".pict"));
    const QByteArray bytes = QResource(path).uncompressedData();
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.constData(), kMark, sizeof kMark) != 0)
        return {};
    quint32 numbers[3];
    std::memcpy(numbers, bytes.constData() + sizeof kMark, sizeof numbers);
    const auto [width, height, scale] = numbers;
    if (bytes.size() != kHeaderSize + qsizetype(width) * height * 4 || scale == 0)
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), bytes.constData() + kHeaderSize + qsizetype(y) * width * 4,
                    size_t(width) * 4);
    image.setDevicePixelRatio(scale);
    return QPixmap::fromImage(std::move(image));
}
