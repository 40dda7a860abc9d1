#include "cartridgeinfo.h"

#include "archivepath.h"
#include "regularfile.h"
#include "romarchive.h"

#include <QFile>

#include <algorithm>

QString cartridgeTitle(QByteArrayView titleBytes) {
    char kept[16];
    int length = 0;
    for (const char byte : titleBytes.first(std::min<qsizetype>(16, titleBytes.size()))) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 32 && c <= 126 && c != '0')
            kept[length++] = char(c);
    }
    return QString::fromLatin1(kept, length);
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

namespace {

// The header bytes from the title on, `length` of them, or why they cannot be had.
struct HeaderBytes {
    QByteArray bytes;
    QString error;
};

HeaderBytes readHeaderBytes(const QString& path, qint64 length) {
    if (const std::optional<ArchiveRomPath> archived = archiveRomPath(path)) {
        // The header of the ROM inside: the archive's directory and the ROM's first bytes.
        const ArchivedRom rom = readArchivedRom(archived->archive, archived->entry, kHeaderEnd);
        if (!rom.error.isEmpty())
            return {{}, rom.error};
        if (rom.bytes.size() < kTitleOffset + length)
            return {{}, QStringLiteral("shorter than a cartridge header")};
        return {rom.bytes.mid(kTitleOffset, length), {}};
    }
    QFile file;
    const QString error = openRegularFile(file, path);
    if (!error.isEmpty())
        return {{}, error};
    QByteArray bytes;
    if (file.seek(kTitleOffset))
        bytes = file.read(length);
    if (bytes.size() < length)
        return {{}, QStringLiteral("shorter than a cartridge header")};
    return {bytes, {}};
}

} // namespace

std::optional<QString> readCartridgeTitle(const QString& path) {
    const HeaderBytes header = readHeaderBytes(path, 16);
    if (!header.error.isEmpty())
        return std::nullopt;
    return cartridgeTitle(header.bytes);
}

CartridgeInfo cartridgeInfoOf(const QByteArray& header) {
    CartridgeInfo info;
    info.title = cartridgeTitle(QByteArrayView(header).first(16));
    info.typeText = cartridgeTypeText(quint8(header.at(0x147 - kTitleOffset)));
    info.sizeText = romSizeText(quint8(header.at(0x148 - kTitleOffset)));
    return info;
}

CartridgeRead readCartridgeInfo(const QString& path) {
    const HeaderBytes header = readHeaderBytes(path, kHeaderLength);
    if (!header.error.isEmpty())
        return {std::nullopt, header.error};
    return {cartridgeInfoOf(header.bytes), {}};
}
