#include "romconfigpath.h"

#include "fileexist.h"
#include "zippedrom.h"

std::optional<QString> romConfigPath(const QString& romPath) {
    if (romPath.size() < 2)
        return std::nullopt;
    // A zipped ROM's palette lies beside the zip, under the zip's base name.
    return romPath.chopped(isZipPath(romPath) ? 3 : 2) + QStringLiteral("cfg");
}

QString romBaseName(const QString& romPath) {
    // Paths typed in the DOS way still name their file after the last backslash.
    const qsizetype separator =
        std::max(romPath.lastIndexOf(QLatin1Char('/')), romPath.lastIndexOf(QLatin1Char('\\')));
    const QString fileName = romPath.mid(separator + 1);
    const qsizetype extension = isZipPath(fileName) ? 4 : 3;
    return fileName.size() <= extension ? QString() : fileName.chopped(extension);
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
