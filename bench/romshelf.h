#pragma once

#include <QFile>
#include <QTemporaryDir>

// The folder the ROM benchmarks list: `files` cartridges of 32 KiB named "Game N (World).gb",
// each with the title TETRIS. False when one could not be written.
inline bool writeRomShelf(const QTemporaryDir& dir, int files) {
    QByteArray rom(0x8000, '\xFF');
    rom.replace(0x134, 6, "TETRIS");
    for (int i = 0; i < files; ++i) {
        QFile f(dir.filePath(QStringLiteral("Game %1 (World).gb").arg(i)));
        if (!f.open(QIODevice::WriteOnly) || f.write(rom) != rom.size())
            return false;
    }
    return true;
}
