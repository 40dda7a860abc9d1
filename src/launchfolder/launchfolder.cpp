#include "launchfolder.h"

#include "archivepath.h"
#include "dosname.h"
#include "launchfolderlayout.h"
#include "newfile.h"
#include "regularfile.h"
#include "textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace launchfolder;

namespace {

bool ownedAs(const QString& path, mode_t type) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 &&
           (status.st_mode & S_IFMT) == type && status.st_uid == ::geteuid();
}

QStringList filesBeside(const QString& directory) {
    return QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Another ROM (*.gb, *.zip or *.7z in any letter case) whose base name is `base` in another
// letter case.
bool hasTwinAmong(const QStringList& files, const QString& base) {
    return std::any_of(files.begin(), files.end(), [&](const QString& name) {
        const auto [other, ext] = splitName(name);
        return (isRomFileName(name) || isArchivePath(name)) && other != base &&
               other.compare(base, Qt::CaseInsensitive) == 0;
    });
}

// The copy of a ROM in an archive, written anew in place of whatever file or link stands there (a
// copy an earlier launch left); a folder there is not the launcher's to remove. A copy in the
// cache needs no flush to the disk: a lost one is made again at the next launch.
QString writeRomCopy(const QString& path, const QByteArray& bytes) {
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return QStringLiteral("%1 cannot be replaced: %2").arg(path, systemReason(errno));
    return createNewFile(path, bytes);
}

// Whatever else stands there (a link, a file, a folder of another user) goes first.
QString makeOwnFolder(const QString& path) {
    if (isOwnFolder(path))
        return {};
    if (somethingStandsAt(path)) {
        const bool gone = QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()
                              ? QDir(path).removeRecursively()
                              : ::unlink(QFile::encodeName(path).constData()) == 0;
        if (!gone)
            return QStringLiteral("%1 is not the launcher's and cannot be removed.").arg(path);
    }
    if (!QDir().mkpath(path))
        return QStringLiteral("The folder %1 cannot be made.").arg(path);
    return {};
}

// Ranks the files a link may reach, lowest first: the ROM's exact base name before another
// letter case, then the lower-case extension, the one the launcher itself writes.
int rankOf(bool exactBase, const QString& extension) {
    return (exactBase ? 0 : 2) + (extension == extension.toLower() ? 0 : 1);
}

} // namespace

bool launchfolder::isOwnFolder(const QString& path) {
    return ownedAs(path, S_IFDIR);
}

bool launchfolder::isOwnRegularFile(const QString& path) {
    return ownedAs(path, S_IFREG);
}

bool hasLetterCaseTwin(const QString& romPath) {
    const QFileInfo rom(romPath);
    return hasTwinAmong(filesBeside(rom.absolutePath()), splitName(rom.fileName()).first);
}

namespace {

// One link target per DOS extension, each the best-ranked file of the ROM's base name, with
// the rank it won by. One read of the folder serves both the twin check and the links.
using LinkTargets = std::map<QString, std::pair<int, QString>>;
LinkTargets linkTargets(const LaunchFolderPlan& plan, const QString& romBase,
                        const QString& romDosExtension) {
    const QString directory = QFileInfo(plan.romPath).absolutePath();
    const QStringList beside = filesBeside(directory);
    const bool exactOnly = hasTwinAmong(beside, romBase);
    LinkTargets targets;
    if (!plan.romIsCopy)
        targets[romDosExtension] = {-1, plan.romPath};
    for (const QString& fileName : beside) {
        const auto [base, ext] = splitName(fileName);
        const bool exact = base == romBase;
        if (ext.size() > 3 || (!exact && (exactOnly || base.compare(romBase, Qt::CaseInsensitive))))
            continue;
        const QString dosExt = dosExtension(ext);
        // An archive is never linked (DOS could write it), nor anything under a copy's name.
        if (isArchivePath(fileName) || (plan.romIsCopy && dosExt == romDosExtension))
            continue;
        const int rank = rankOf(exact, ext);
        auto it = targets.find(dosExt);
        if (!dosExt.isEmpty() && (it == targets.end() || rank < it->second.first))
            targets[dosExt] = {rank, joinPath(directory, fileName)};
    }
    // The palette the wizard writes and the save the emulator writes, before they exist.
    for (const char* wanted : {"cfg", "sav"}) {
        const QString dosExt = QString::fromLatin1(wanted).toUpper();
        if (targets.find(dosExt) == targets.end())
            targets[dosExt] = {
                0, joinPath(directory, romBase + QLatin1Char('.') + QLatin1String(wanted))};
    }
    return targets;
}

} // namespace

LaunchFolderPlan planLaunchFolder(const QString& romPath, const QString& cacheRoot,
                                  const QString& entry) {
    const QFileInfo rom(romPath);
    LaunchFolderPlan plan;
    plan.romPath = rom.absoluteFilePath();
    plan.romEntry = entry;
    // Each ROM of an archive has a folder of its own.
    const QByteArray hash =
        QCryptographicHash::hash(joinArchiveRomPath(plan.romPath, entry).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex();
    plan.folder = joinPath(cacheRoot, QString::fromLatin1(hash.left(16)));
    plan.drive = driveOf(plan.folder);

    const auto [fileBase, romExtension] = splitName(rom.fileName());
    const QString romBase = entry.isEmpty() ? fileBase : entryBaseName(entry);
    const QString name = stableDosBase(romBase);
    plan.romIsCopy = isArchivePath(rom.fileName());
    QString extension = plan.romIsCopy ? QString() : dosExtension(romExtension);
    if (extension.isEmpty())
        extension = QStringLiteral("GB");
    plan.romDosName = name + QLatin1Char('.') + extension;
    for (const auto& [dosExt, target] : linkTargets(plan, romBase, extension))
        plan.links.push_back({name + QLatin1Char('.') + dosExt, target.second});
    return plan;
}

QString makeLaunchFolder(const LaunchFolderPlan& plan) {
    for (const QString& folder : {plan.folder, plan.drive}) {
        const QString error = makeOwnFolder(folder);
        if (!error.isEmpty())
            return error;
    }
    const QString record = romRecordOf(plan.folder);
    if (somethingStandsAt(record) && !isOwnRegularFile(record) && QFileInfo(record).isDir())
        QDir(record).removeRecursively(); // the writer replaces a link or file, not a folder
    QStringList recorded{plan.romPath};
    if (!plan.romEntry.isEmpty())
        recorded << plan.romEntry;
    const QString written = writeTextLines(record, recorded);
    if (!written.isEmpty())
        return QStringLiteral("%1: %2").arg(record, written);
    // Links from an earlier launch go; files the emulator left are swept, never deleted.
    QDir drive(plan.drive);
    for (const QFileInfo& entry : drive.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink() && !QFile::remove(entry.filePath()))
            return QStringLiteral("The old link %1 cannot be removed.").arg(entry.filePath());
    }
    QStringList linked;
    for (const LaunchLink& link : plan.links) {
        const QString at = joinPath(plan.drive, link.dosName);
        linked << link.dosName;
        if (somethingStandsAt(at))
            continue; // a file the emulator left, still to be swept: it is not replaced
        if (!QFile::link(link.target, at))
            return QStringLiteral("The link %1 cannot be made.").arg(at);
    }
    if (plan.romIsCopy) {
        if (plan.romCopy.isEmpty())
            return QStringLiteral("The ROM was not read from %1.").arg(plan.romPath);
        const QString error = writeRomCopy(joinPath(plan.drive, plan.romDosName), plan.romCopy);
        if (!error.isEmpty())
            return error;
    }
    const QString links = writeTextLines(linkRecordOf(plan.folder), linked);
    return links.isEmpty() ? QString()
                           : QStringLiteral("%1: %2").arg(linkRecordOf(plan.folder), links);
}

void recordLaunchProcess(const QString& folder, const ProcessIdentity& process) {
    writeTextLines(processRecordOf(folder), {identityText(process)});
}
