#include "archivepath.h"
#include "launchfolder.h"

#include "launchfolderlayout.h"
#include "openfolder.h"
#include "regularfile.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace launchfolder;

namespace {

struct Entry {
    QString name;
    mode_t type;
};

// The entries of the launch folder's drive as they are, links not followed.
std::vector<Entry> entriesOf(const QString& drive) {
    std::vector<Entry> entries;
    OpenFolder folder(drive);
    if (!folder.isOpen())
        return entries;
    while (const dirent* entry = folder.next()) {
        if (!std::strcmp(entry->d_name, ".") || !std::strcmp(entry->d_name, ".."))
            continue;
        struct stat status {};
        if (::fstatat(folder.descriptor(), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
            entries.push_back({QFile::decodeName(entry->d_name), status.st_mode & S_IFMT});
    }
    return entries;
}

QString reasonOf(int error) {
    if (error == EEXIST || error == ENOTEMPTY)
        return QStringLiteral("a file of that name is already there");
    return systemReason(error);
}

// Moves a regular file or a folder. Without `replace`, never over anything that stands at
// `to`; a regular file goes by copy where `to` is on another file system. "" or the reason.
QString moveEntry(const QString& from, const QString& to, bool replace) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    int result = 0;
    if (replace) {
        result = ::rename(source.constData(), target.constData());
    } else {
        result = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                             RENAME_NOREPLACE);
        if (result != 0 && errno == EINVAL) { // a file system without it: look, then rename
            errno = EEXIST;
            result = somethingStandsAt(to) ? -1 : ::rename(source.constData(), target.constData());
        }
    }
    if (result == 0)
        return {};
    const int error = errno;
    if (error != EXDEV || QFileInfo(from).isDir() || somethingStandsAt(to))
        return reasonOf(error);
    if (!QFile::copy(from, to))
        return QStringLiteral("it could not be copied to the ROM's file system");
    ::unlink(source.constData());
    return {};
}

// A file under a linked name: the emulator replaced the link with its newest version.
QString replaceBeside(const QString& from, const QString& target) {
    const QFileInfo old(target);
    if (old.isSymLink() || (old.exists() && !old.isFile()))
        return QStringLiteral("%1 is not a regular file").arg(target);
    if (old.exists()) {
        const QString error = moveEntry(target, target + QStringLiteral(".bak"), true);
        if (!error.isEmpty())
            return QStringLiteral("the old %1 could not be kept as .bak: %2").arg(target, error);
    }
    return moveEntry(from, target, false);
}

// Why the launcher does not trust the folder: something it did not make stands in its place.
QString trustProblem(const QString& folder) {
    const QString drive = driveOf(folder), record = romRecordOf(folder);
    for (const QString& path : {folder, drive})
        if (!isOwnFolder(path))
            return QStringLiteral("%1 is not a folder the launcher made").arg(path);
    if (!isOwnRegularFile(record))
        return QStringLiteral("%1 is not a file the launcher wrote").arg(record);
    return {};
}

// Where an entry of the drive goes beside the ROM: a folder under its own name, a file as
// <ROM base name>.<extension in lower case>.
QString besideTheRom(const LaunchFolderPlan& plan, const Entry& entry) {
    const QFileInfo rom(plan.romPath);
    const QString romBase =
        plan.romEntry.isEmpty() ? splitName(rom.fileName()).first : entryBaseName(plan.romEntry);
    const QString ext = splitName(entry.name).second;
    return joinPath(rom.absolutePath(), entry.type == S_IFDIR ? entry.name
                                        : ext.isEmpty()       ? romBase
                                                              : romBase + '.' + ext.toLower());
}

void sweepEntry(const LaunchFolderPlan& plan, const QStringList& linked, const Entry& entry,
                SweepResult& result) {
    const QString from = joinPath(plan.drive, entry.name);
    QString to = besideTheRom(plan, entry);
    QString error;
    if (entry.type == S_IFREG && linked.contains(entry.name, Qt::CaseInsensitive)) {
        // Where the link pointed; the same file beside the ROM as it stands now.
        const auto link = std::find_if(plan.links.begin(), plan.links.end(), [&](auto& l) {
            return l.dosName.compare(entry.name, Qt::CaseInsensitive) == 0;
        });
        if (link != plan.links.end())
            to = link->target;
        error = replaceBeside(from, to);
    } else if (entry.type == S_IFREG || entry.type == S_IFDIR) {
        error = moveEntry(from, to, false);
    } else {
        to.clear();
        error = QStringLiteral("it is neither a file nor a folder");
    }
    if (error.isEmpty())
        result.moved << to;
    else
        result.kept << QStringLiteral("%1 was left where it is%2: %3.")
                           .arg(from, to.isEmpty() ? QString() : ", not moved to " + to, error);
}

} // namespace

SweepResult sweepLaunchFolder(const QString& folder) {
    SweepResult result;
    const auto skip = [&](const QString& why) {
        result.kept << QStringLiteral("The launch folder %1 was left alone: %2.").arg(folder, why);
        if (isOwnFolder(folder)) // said once, not at every start
            QFile::remove(processRecordOf(folder));
        return result;
    };
    if (const QString problem = trustProblem(folder); !problem.isEmpty())
        return skip(problem);
    // The record must name the ROM this folder was made for, or files would go elsewhere.
    const TextRead record = readTextLines(romRecordOf(folder));
    const QString romPath = record.lines.value(0);
    const QString cacheRoot = QFileInfo(folder).absolutePath();
    const LaunchFolderPlan plan = planLaunchFolder(romPath, cacheRoot, record.lines.value(1));
    if (!record.ok() || romPath.isEmpty() ||
        QDir::cleanPath(plan.folder) != QDir::cleanPath(folder))
        return skip(QStringLiteral("its record names another ROM"));

    const QStringList linked = isOwnRegularFile(linkRecordOf(folder))
                                   ? readTextLines(linkRecordOf(folder)).lines
                                   : QStringList();
    for (const Entry& entry : entriesOf(plan.drive)) {
        if (entry.type == S_IFLNK) // ours; what was written through it is beside the ROM
            continue;
        if (plan.romIsCopy && entry.type == S_IFREG &&
            entry.name.compare(plan.romDosName, Qt::CaseInsensitive) == 0) {
            ::unlink(QFile::encodeName(joinPath(plan.drive, entry.name)).constData());
            continue; // the copy of a ROM in an archive: the archive is the ROM
        }
        sweepEntry(plan, linked, entry, result);
    }
    QFile::remove(processRecordOf(folder)); // swept: left alone until the ROM is played again
    return result;
}

SweepResult sweepLaunchFolders(const QString& cacheRoot) {
    SweepResult all;
    for (const QFileInfo& folder :
         QDir(cacheRoot).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString record = processRecordOf(folder.filePath());
        if (!QFileInfo(record).isSymLink() && !QFileInfo::exists(record))
            continue; // swept already
        if (isOwnRegularFile(record)) {
            const std::optional<ProcessIdentity> process =
                parseIdentity(readTextLines(record).lines.value(0));
            if (process && stillRuns(*process))
                continue; // its DOSBox is still running, perhaps from another launcher
        }
        const SweepResult one = sweepLaunchFolder(folder.filePath());
        all.moved << one.moved;
        all.kept << one.kept;
    }
    return all;
}
