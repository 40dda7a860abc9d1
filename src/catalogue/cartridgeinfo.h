#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the launcher shows of a Game Boy cartridge header.
struct CartridgeInfo {
    QString title;    // printable ASCII of the 16 title bytes, the digit 0 dropped
    QString typeText; // from the code at 0x147
    QString sizeText; // from the code at 0x148
};

// A read either gives the whole CartridgeInfo or says why it could not.
struct CartridgeRead {
    std::optional<CartridgeInfo> info;
    QString error;
};

inline constexpr qint64 kTitleOffset = 0x134;
inline constexpr qint64 kHeaderEnd = 0x149; // one past the ROM size code
inline constexpr qint64 kHeaderLength = kHeaderEnd - kTitleOffset;

QString cartridgeTitle(QByteArrayView titleBytes);
QString cartridgeTypeText(quint8 code);
QString romSizeText(quint8 code);

// The header read from the title on: kHeaderLength bytes.
CartridgeInfo cartridgeInfoOf(const QByteArray& header);

// Reads the 16 title bytes alone; nothing when the file holds no title.
std::optional<QString> readCartridgeTitle(const QString& path);

// Reads the 21 bytes from the title to the size code; nothing else of the file.
CartridgeRead readCartridgeInfo(const QString& path);
