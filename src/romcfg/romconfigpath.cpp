#include "romconfigpath.h"

#include "archivepath.h"
#include "fileexist.h"

std::optional<QString> romConfigPath(const QString& romPath) {
    if (romPath.size() < 2)
        return std::nullopt;
    // A ROM in an archive has its palette beside the archive: under the archive's base name
    // when it is the archive's one ROM, under its own when it is one of several.
    if (const std::optional<ArchiveRomPath> archived = archiveRomPath(romPath))
        return perRomFileStem(*archived) + QStringLiteral(".cfg");
    return romPath.chopped(2) + QStringLiteral("cfg");
}

QString romBaseName(const QString& romPath) {
    if (const std::optional<ArchiveRomPath> archived = archiveRomPath(romPath)) {
        const QString stem = perRomFileStem(*archived);
        return stem.mid(stem.lastIndexOf(QLatin1Char('/')) + 1);
    }
    // Paths typed in the DOS way still name their file after the last backslash.
    const qsizetype separator =
        std::max(romPath.lastIndexOf(QLatin1Char('/')), romPath.lastIndexOf(QLatin1Char('\\')));
    const QString fileName = romPath.mid(separator + 1);
    return fileName.size() <= 3 ? QString() : fileName.chopped(3);
}

QString noConfigCaption() {
    return QStringLiteral("No .cfg file !");
}

QString deleteButtonCaption(const QString& romPath, bool configExists) {
    return configExists ? QStringLiteral("Kill ") + romBaseName(romPath) + QStringLiteral(".cfg !")
                        : noConfigCaption();
}

QString deleteButtonCaption(const QString& romPath) {
    const std::optional<QString> config = romConfigPath(romPath);
    return deleteButtonCaption(romPath, config && FileExist(*config));
}
