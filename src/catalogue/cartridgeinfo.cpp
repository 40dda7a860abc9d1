#include "cartridgeinfo.h"

#include <QFile>
#include <QFileInfo>

QString cartridgeTitle(const QByteArray& titleBytes) {
    QString title;
    for (const char byte : titleBytes.left(16)) {
        const auto c = static_cast<unsigned char>(byte);
        if (c < 32 || c > 126 || c == '0')
            continue;
        title += QLatin1Char(char(c));
    }
    return title;
}

QString cartridgeTypeText(quint8 code) {
    switch (code) {
    case 0x00:
        return QStringLiteral("ROM ONLY");
    case 0x01:
        return QStringLiteral("ROM+MBC1");
    case 0x02:
        return QStringLiteral("ROM+MBC1+RAM");
    case 0x03:
        return QStringLiteral("ROM+MBC1+RAM+BATTERY");
    case 0x05:
        return QStringLiteral("ROM+MBC2");
    case 0x06:
        return QStringLiteral("ROM+MBC2+BATTERY");
    default:
        return QStringLiteral("?");
    }
}

QString romSizeText(quint8 code) {
    switch (code) {
    case 0x00:
        return QStringLiteral("256KBit");
    case 0x01:
        return QStringLiteral("512KBit");
    case 0x02:
        return QStringLiteral("1M-Bit");
    case 0x03:
        return QStringLiteral("2M-Bit");
    case 0x04:
        return QStringLiteral("4M-Bit");
    default:
        return QStringLiteral("...");
    }
}

std::optional<QString> readCartridgeTitle(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly) || !file.seek(kTitleOffset))
        return std::nullopt;
    const QByteArray bytes = file.read(16);
    if (bytes.size() < 16)
        return std::nullopt;
    return cartridgeTitle(bytes);
}

CartridgeRead readCartridgeInfo(const QString& path) {
    const QFileInfo fileInfo(path);
    if (path.isEmpty() || !fileInfo.exists())
        return {std::nullopt, QStringLiteral("no such file")};
    if (fileInfo.isDir())
        return {std::nullopt, QStringLiteral("a folder, not a ROM")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (!file.seek(kTitleOffset))
        return {std::nullopt, QStringLiteral("shorter than a cartridge header")};
    const QByteArray header = file.read(kHeaderEnd - kTitleOffset);
    if (header.size() < kHeaderEnd - kTitleOffset)
        return {std::nullopt, QStringLiteral("shorter than a cartridge header")};
    CartridgeInfo info;
    info.title = cartridgeTitle(header.left(16));
    info.typeText = cartridgeTypeText(quint8(header.at(0x147 - kTitleOffset)));
    info.sizeText = romSizeText(quint8(header.at(0x148 - kTitleOffset)));
    return {info, {}};
}
