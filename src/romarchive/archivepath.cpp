#include "archivepath.h"

#include "printable.h"
#include "regularfile.h"

#include <QFileInfo>

namespace {

const QLatin1String kArchiveEndings[] = {QLatin1String(".zip"), QLatin1String(".7z")};

// Where the first ".zip#" or ".7z#" at or after `from` ends (the index just past "#"), or -1.
qsizetype nextSplit(const QString& path, qsizetype from) {
    qsizetype best = -1;
    for (const QLatin1String ending : kArchiveEndings) {
        const QString marker = ending + QLatin1Char('#');
        const qsizetype at = path.indexOf(marker, from, Qt::CaseInsensitive);
        if (at >= 0 && (best < 0 || at + marker.size() < best))
            best = at + marker.size();
    }
    return best;
}

QString directoryOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

} // namespace

std::optional<ArchiveRomPath> archiveRomPath(const QString& path) {
    if (path.isEmpty())
        return std::nullopt;
    if (somethingStandsAt(path))
        return isArchivePath(path) ? std::optional(ArchiveRomPath{path, {}}) : std::nullopt;
    for (qsizetype cut = nextSplit(path, 0); cut >= 0; cut = nextSplit(path, cut)) {
        const QString archive = path.left(cut - 1);
        if (QFileInfo(archive).isFile())
            return ArchiveRomPath{archive, path.mid(cut)};
    }
    return isArchivePath(path) ? std::optional(ArchiveRomPath{path, {}}) : std::nullopt;
}

QString romFilePath(const QString& romPath) {
    const std::optional<ArchiveRomPath> archived = archiveRomPath(romPath);
    return archived ? archived->archive : romPath;
}

QString joinArchiveRomPath(const QString& archive, const QString& entry) {
    return entry.isEmpty() ? archive : archive + QLatin1Char('#') + entry;
}

QString entryBaseName(const QString& entry) {
    const qsizetype folder =
        std::max(entry.lastIndexOf(QLatin1Char('/')), entry.lastIndexOf(QLatin1Char('\\')));
    const QString name = entry.mid(folder + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return printable(dot > 0 ? name.left(dot) : name);
}

QString perRomFileStem(const ArchiveRomPath& rom) {
    if (!rom.entry.isEmpty())
        return directoryOf(rom.archive) + entryBaseName(rom.entry);
    return rom.archive.left(rom.archive.lastIndexOf(QLatin1Char('.')));
}

QString perRomFileStem(const QString& romPath) {
    if (const std::optional<ArchiveRomPath> archived = archiveRomPath(romPath))
        return perRomFileStem(*archived);
    const qsizetype dot = romPath.lastIndexOf(QLatin1Char('.'));
    return dot > romPath.lastIndexOf(QLatin1Char('/')) ? romPath.left(dot) : romPath;
}
