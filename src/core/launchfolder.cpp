#include "launchfolder.h"

#include "dosname.h"
#include "hostpath.h"
#include "textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <map>

namespace {

QString driveOf(const QString& folder) {
    return joinPath(folder, QStringLiteral("drive"));
}
QString romRecordOf(const QString& folder) {
    return joinPath(folder, QStringLiteral("rom"));
}
QString processRecordOf(const QString& folder) {
    return joinPath(folder, QStringLiteral("dosbox.pid"));
}

QString dosCharacters(const QString& text, int most) {
    QString kept;
    for (const QChar c : text) {
        if (kept.size() == most)
            break;
        const QChar upper = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? c.toUpper() : c;
        if (isDosNameCharacter(upper))
            kept += upper;
    }
    return kept;
}

// Base name and last extension, split at the last dot; a name without a dot has no extension.
std::pair<QString, QString> splitName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {fileName, QString()};
    return {fileName.left(dot), fileName.mid(dot + 1)};
}

bool processLives(qint64 pid) {
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

bool isEightThreeShaped(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return !fileName.isEmpty() && fileName.size() <= 8;
    return dot >= 1 && dot <= 8 && fileName.size() - dot - 1 <= 3 &&
           fileName.indexOf(QLatin1Char('.'), dot + 1) < 0;
}

bool isDosDeviceName(const QString& dosBase) {
    static const QStringList devices = {
        QStringLiteral("CON"),  QStringLiteral("PRN"),  QStringLiteral("AUX"),
        QStringLiteral("NUL"),  QStringLiteral("CLOCK$"), QStringLiteral("COM1"),
        QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4"),
        QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
        QStringLiteral("EMMXXXX0")};
    return devices.contains(dosBase.toUpper());
}

QString stableDosBase(const QString& romBaseName) {
    QString base = dosCharacters(romBaseName, 8);
    if (base.isEmpty())
        return QStringLiteral("ROM");
    if (isDosDeviceName(base))
        base = base.left(7) + QLatin1Char('_');
    return base;
}

QString dosExtension(const QString& extension) {
    return dosCharacters(extension, 3);
}

QString launchCacheRoot() {
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation),
                    QStringLiteral("Zemplo97"));
}

LaunchFolderPlan planLaunchFolder(const QString& romPath, const QString& cacheRoot) {
    const QFileInfo rom(romPath);
    LaunchFolderPlan plan;
    plan.romPath = rom.absoluteFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(plan.romPath.toUtf8(), QCryptographicHash::Sha1).toHex();
    plan.folder = joinPath(cacheRoot, QString::fromLatin1(hash.left(16)));
    plan.drive = driveOf(plan.folder);

    const auto [romBase, romExtension] = splitName(rom.fileName());
    const QString name = stableDosBase(romBase);
    QString extension = dosExtension(romExtension);
    if (extension.isEmpty())
        extension = QStringLiteral("GB");
    plan.romDosName = name + QLatin1Char('.') + extension;

    // One link per DOS extension; where files differ only in letter case, the lower-case one
    // wins, as it is the one the launcher itself writes.
    std::map<QString, QString> targets{{extension, plan.romPath}};
    const QString directory = rom.absolutePath();
    const auto offer = [&](const QString& dosExt, const QString& fileName) {
        if (dosExt.isEmpty() || dosExt == extension)
            return;
        auto it = targets.find(dosExt);
        if (it == targets.end() || fileName.endsWith(QLatin1Char('.') + dosExt.toLower()))
            targets[dosExt] = joinPath(directory, fileName);
    };
    const QStringList beside =
        QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& fileName : beside) {
        const auto [base, ext] = splitName(fileName);
        if (base == romBase && ext.size() <= 3)
            offer(dosExtension(ext), fileName);
    }
    // The palette the wizard writes and the save the emulator writes, before they exist.
    for (const char* wanted : {"cfg", "sav"}) {
        const QString dosExt = QString::fromLatin1(wanted).toUpper();
        if (targets.find(dosExt) == targets.end())
            targets[dosExt] = joinPath(directory, romBase + QLatin1Char('.') + QLatin1String(wanted));
    }
    for (const auto& [dosExt, target] : targets)
        plan.links.push_back({name + QLatin1Char('.') + dosExt, target});
    return plan;
}

QString makeLaunchFolder(const LaunchFolderPlan& plan) {
    if (!QDir().mkpath(plan.drive))
        return QStringLiteral("The folder %1 cannot be made.").arg(plan.drive);
    const QString written = writeTextLines(romRecordOf(plan.folder), {plan.romPath});
    if (!written.isEmpty())
        return QStringLiteral("%1: %2").arg(romRecordOf(plan.folder), written);
    // Links from an earlier launch go; files the emulator left are swept, never deleted.
    QDir drive(plan.drive);
    for (const QFileInfo& entry : drive.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isSymLink() && !QFile::remove(entry.filePath()))
            return QStringLiteral("The old link %1 cannot be removed.").arg(entry.filePath());
    }
    for (const LaunchLink& link : plan.links) {
        const QString at = joinPath(plan.drive, link.dosName);
        if (QFileInfo(at).exists() || QFileInfo(at).isSymLink())
            continue; // a file the emulator left, still to be swept: it is not replaced
        if (!QFile::link(link.target, at))
            return QStringLiteral("The link %1 cannot be made.").arg(at);
    }
    return {};
}

void recordLaunchProcess(const QString& folder, qint64 pid) {
    writeTextLines(processRecordOf(folder), {QString::number(pid)});
}

SweepResult sweepLaunchFolder(const QString& folder) {
    SweepResult result;
    const TextRead record = readTextLines(romRecordOf(folder));
    if (!record.ok() || record.lines.isEmpty())
        return result;
    const QFileInfo rom(record.lines.first());
    const QString romBase = splitName(rom.fileName()).first;
    const QDir drive(driveOf(folder));
    for (const QFileInfo& entry : drive.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.isSymLink())
            continue; // ours; what the emulator wrote through it is beside the ROM already
        const auto [base, ext] = splitName(entry.fileName());
        const QString name = ext.isEmpty() ? romBase : romBase + QLatin1Char('.') + ext.toLower();
        const QString target = joinPath(rom.absolutePath(), name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            result.kept << QStringLiteral("%1 was left where it is, because %2 already exists.")
                               .arg(entry.filePath(), target);
        } else if (!QFile::rename(entry.filePath(), target)) {
            result.kept << QStringLiteral("%1 could not be moved to %2.")
                               .arg(entry.filePath(), target);
        } else {
            result.moved << target;
        }
    }
    return result;
}

SweepResult sweepLaunchFolders(const QString& cacheRoot) {
    SweepResult all;
    for (const QFileInfo& folder :
         QDir(cacheRoot).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const TextRead pid = readTextLines(processRecordOf(folder.filePath()));
        if (pid.ok() && !pid.lines.isEmpty() && processLives(pid.lines.first().toLongLong()))
            continue; // its DOSBox is still running, perhaps from another launcher
        const SweepResult one = sweepLaunchFolder(folder.filePath());
        all.moved << one.moved;
        all.kept << one.kept;
    }
    return all;
}
