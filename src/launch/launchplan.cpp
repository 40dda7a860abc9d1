#include "launchplan.h"
#include "messagetitles.h"

#include "archivepath.h"
#include "commandline.h"
#include "fileexist.h"
#include "printable.h"
#include "romarchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <algorithm>

namespace {

struct Background {
    std::optional<QString> argument;
    QString mountDirectory;
    bool unopenable = false; // the file is there, but DOS cannot open it under that name
};

// A relative background lies under the emulator's directory, which is C: to the emulator; an
// absolute one is useless to a DOS program, so its directory is mounted as E:.
Background resolveBackground(const QString& path, const QString& emulatorDirectory) {
    if (!FileExist(path, emulatorDirectory))
        return {};
    if (QDir::isRelativePath(path)) {
        QString dosPath = path;
        dosPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
        // It reaches DOS as written, so every part must be a name DOS opens.
        const QStringList parts = dosPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        const bool openable = std::all_of(parts.begin(), parts.end(), [](const QString& part) {
            return part == QLatin1String("..") || isDosOpenableName(part.toUpper());
        });
        return {dosPath, {}, !openable};
    }
    const DosLocation location = locateForDos(path, QLatin1Char('E'));
    if (location.dosPath.isEmpty())
        return {};
    return {location.dosPath, location.hostDirectory, !isDosOpenableName(location.dosName)};
}

LaunchMessage unopenableBackgroundMessage(const QString& path) {
    return {QStringLiteral("DOS cannot open the GIF background under its file name:\n%1\n"
                           "Rename it using only letters, digits and - _ ! # $ & ' ( ) @ ^ { } ~ "
                           "(no blanks), or choose another picture.")
                .arg(path),
            messageTitle(MessageTitle::Oups)};
}

// The settings that reach the command line, as the main window names them.
QList<std::pair<QString, QString>> namedTexts(const LauncherSettings& s) {
    return {{QStringLiteral("VGB-DOS Location"), s.emulatorPath},
            {QStringLiteral("Cartridge Slot"), s.romPath},
            {QStringLiteral("Key mapping"), s.keyMap},
            {QStringLiteral("Game Genie Codes"), s.genie1 + s.genie2 + s.genie3},
            {QStringLiteral("VBlank period"), s.vblank},
            {QStringLiteral("Update period"), s.uperiod},
            {QStringLiteral("video mode"), s.video},
            {QStringLiteral("sound mode"), s.sound},
            {QStringLiteral("stereo mode"), s.stereo},
            {QStringLiteral("buttons swap"), s.buttons},
            {QStringLiteral("colour scheme"), s.colorScheme},
            {QStringLiteral("GIF Background Image"), s.background}};
}

LaunchMessage controlCharacterMessage(const QString& where) {
    return {QStringLiteral("%1 holds a line break or another control character.\n"
                           "DOSBox would run what follows it as a command of its own, so nothing "
                           "was started.\nRemove it and try again.")
                .arg(where),
            messageTitle(MessageTitle::Damn)};
}

struct Mount {
    QChar drive;
    QString directory;
    QString what;
};

// What DOSBox is given besides the command: each mounted folder must make one safe -c line.
std::optional<LaunchMessage> mountProblem(const Mount& mount) {
    if (mount.directory.isEmpty())
        return std::nullopt;
    if (holdsControlCharacter(mount.directory))
        return controlCharacterMessage(
            QStringLiteral("The folder of %1 (%2)").arg(mount.what, mount.directory.simplified()));
    if (mount.directory.contains(QLatin1Char('"')))
        return LaunchMessage{
            QStringLiteral("The folder of %1 holds a double quote (\"):\n%2\nDOSBox cannot "
                           "mount it, so nothing was started.\nRename the folder and try again.")
                .arg(mount.what, mount.directory),
            messageTitle(MessageTitle::Damn)};
    if (!fitsDosBoxLine(dosboxMountLine(mount.drive, mount.directory)))
        return LaunchMessage{
            QStringLiteral("The folder of %1 has a path too long for DOSBox:\n%2\nDOSBox would "
                           "stop at once, so nothing was started.\nMove it to a shorter path "
                           "and try again.")
                .arg(mount.what, mount.directory),
            messageTitle(MessageTitle::Damn)};
    return std::nullopt;
}

std::optional<LaunchMessage> mountsProblem(const QString& emulatorDirectory, const RomLocation& rom,
                                           const QString& background) {
    const Mount mounts[] = {
        {QLatin1Char('c'), emulatorDirectory, QStringLiteral("VGB-DOS")},
        {QLatin1Char('d'), rom.dos.hostDirectory,
         rom.launchFolder ? QStringLiteral("the ROM's launch folder") : QStringLiteral("the ROM")},
        {QLatin1Char('e'), background, QStringLiteral("the GIF background")}};
    for (const Mount& mount : mounts)
        if (std::optional<LaunchMessage> problem = mountProblem(mount))
            return problem;
    return std::nullopt;
}

} // namespace

std::optional<LaunchMessage> saveNameNotice(const QString& romPath) {
    const QFileInfo rom(romPath);
    const qsizetype dot = rom.fileName().lastIndexOf(QLatin1Char('.'));
    const QString save = (dot > 0 ? rom.fileName().left(dot) : rom.fileName()) + ".sav";
    const long limit = ::pathconf(QFile::encodeName(rom.absolutePath()).constData(), _PC_NAME_MAX);
    const qsizetype most = limit > 0 ? limit : 255;
    if (QFile::encodeName(save).size() <= most)
        return std::nullopt;
    return LaunchMessage{
        QStringLiteral("VGB-DOS cannot keep this game's saves: their file would be named\n%1\n"
                       "which is longer than the %2 bytes a file name may have on its disk.\n"
                       "The game plays all the same; rename the ROM to a shorter name to keep "
                       "its saves.")
            .arg(save)
            .arg(most),
        messageTitle(MessageTitle::Info)};
}

namespace {

// A ROM in an archive plays from a copy of the ROM inside, in its launch folder; an archive
// that holds no playable ROM under that name is refused with the reason.
RomLocation locateArchivedRom(const ArchiveRomPath& rom, const QString& cacheRoot) {
    if (!FileExist(rom.archive))
        return {};
    ArchivedRom read = readArchivedRom(rom.archive, rom.entry, kMaxRomSize);
    const QString shown = joinArchiveRomPath(rom.archive, printable(rom.entry));
    if (!read.error.isEmpty())
        return {{},
                std::nullopt,
                std::nullopt,
                LaunchMessage{QStringLiteral("The ROM cannot be played from its archive:\n%1\n%2.")
                                  .arg(shown, read.error),
                              messageTitle(MessageTitle::Oups)}};
    LaunchFolderPlan folder = planLaunchFolder(rom.archive, cacheRoot, rom.entry);
    folder.romCopy = std::move(read.bytes);
    DosLocation stable{QStringLiteral("D:\\") + folder.romDosName, folder.romDosName, folder.drive};
    return {stable, std::move(folder), saveNameNotice(perRomFileStem(rom) + ".gb"), std::nullopt};
}

} // namespace

RomLocation locateRom(const QString& romPath, const QString& cacheRoot) {
    if (const std::optional<ArchiveRomPath> archived = archiveRomPath(romPath))
        return locateArchivedRom(*archived, cacheRoot);
    const DosLocation own = locateForDos(romPath, QLatin1Char('D'));
    if (own.dosPath.isEmpty())
        return {own, std::nullopt, std::nullopt, std::nullopt};
    const QString fileName = QFileInfo(romPath).fileName();
    const QString base = fileName.section(QLatin1Char('.'), 0, 0);
    if (isEightThreeShaped(fileName) && own.dosName == fileName.toUpper() &&
        isDosOpenableName(own.dosName) && !isDosDeviceName(base) && !hasLetterCaseTwin(romPath))
        return {own, std::nullopt, std::nullopt, std::nullopt};
    LaunchFolderPlan folder = planLaunchFolder(romPath, cacheRoot);
    DosLocation stable{QStringLiteral("D:\\") + folder.romDosName, folder.romDosName, folder.drive};
    return {stable, std::move(folder), saveNameNotice(romPath), std::nullopt};
}

std::optional<LaunchMessage> commandLineProblem(const QString& commandLine,
                                                const LauncherSettings* settings) {
    if (holdsRedirection(commandLine))
        return redirectionMessage();
    if (holdsControlCharacter(commandLine)) {
        if (settings)
            for (const auto& [name, text] : namedTexts(*settings))
                if (holdsControlCharacter(text))
                    return controlCharacterMessage(QStringLiteral("The ") + name);
        return controlCharacterMessage(QStringLiteral("The command line"));
    }
    if (!fitsDosBoxLine(dosboxCommandLine(commandLine)))
        return LaunchMessage{
            QStringLiteral("The command line is too long for DOSBox (at most %1 bytes).")
                .arg(kMaxDosBoxLine),
            messageTitle(MessageTitle::Damn)};
    return std::nullopt;
}

QString programNameOf(const QString& emulatorPath) {
    // From "vgb.exe" on within the file's own name: a folder named "my vgb.exe files" above it
    // must not become part of the program name. Compared in place: lower-casing the path first
    // can change its length ("İ" becomes two characters) and shift the cut.
    const QLatin1String program("vgb.exe");
    const qsizetype nameStart = emulatorPath.lastIndexOf(QLatin1Char('/')) + 1;
    for (qsizetype at = emulatorPath.size() - program.size(); at >= nameStart; --at)
        if (QStringView(emulatorPath)
                .mid(at, program.size())
                .compare(program, Qt::CaseInsensitive) == 0)
            return emulatorPath.mid(at);
    return {};
}

bool holdsRedirection(const QString& commandLine) {
    return commandLine.contains(QLatin1Char('<')) || commandLine.contains(QLatin1Char('>')) ||
           commandLine.contains(QLatin1Char('|'));
}

LaunchMessage redirectionMessage() {
    return {QStringLiteral("The VGB-DOS command line holds <, > or |.\n"
                           "DOSBox would take them as a redirection or a pipe, so nothing "
                           "was started.\nRemove them from the settings and try again."),
            messageTitle(MessageTitle::Damn)};
}

LaunchPlan planLaunch(const LauncherSettings& settings, const RomLocation& rom) {
    LaunchPlan plan;
    const QString& emulatorPath = settings.emulatorPath;
    if (!FileExist(emulatorPath)) {
        plan.stop =
            LaunchMessage{QStringLiteral("VGB DOS Not found ! Check your path !\n") + emulatorPath,
                          messageTitle(MessageTitle::Where)};
        return plan;
    }
    const QString programName = programNameOf(emulatorPath);
    if (programName.isEmpty()) {
        plan.stop = LaunchMessage{
            QStringLiteral("VGB.EXE Renamed ?! Don't do that ! Name it VGB.EXE !\n") + emulatorPath,
            messageTitle(MessageTitle::Renamed)};
        return plan;
    }
    plan.emulatorDirectory = QFileInfo(emulatorPath).absolutePath();
    plan.programName = programName;

    const Background background = resolveBackground(settings.background, plan.emulatorDirectory);
    plan.resetBackground = !background.argument.has_value();
    if (background.unopenable) {
        plan.stop = unopenableBackgroundMessage(settings.background);
        return plan;
    }
    plan.arguments = buildArguments(settings, rom.dos.dosPath, background.argument);

    if (isCommandTooLong(emulatorPath, plan.arguments)) {
        plan.stop = LaunchMessage{
            QStringLiteral("CRITICAL ERROR ! The VGB-DOS Command line is too large !"),
            messageTitle(MessageTitle::Damn)};
        return plan;
    }
    const QString commandLine = plan.programName + QLatin1Char(' ') + plan.arguments;
    plan.stop = rom.problem;
    if (!plan.stop)
        plan.stop = commandLineProblem(commandLine, &settings);
    if (!plan.stop)
        plan.stop = mountsProblem(plan.emulatorDirectory, rom, background.mountDirectory);
    if (plan.stop)
        return plan;
    plan.session.commandLine = commandLine;
    plan.session.cDirectory = plan.emulatorDirectory;
    plan.session.dDirectory = rom.dos.hostDirectory;
    plan.session.launchFolder = rom.launchFolder;
    plan.notice = rom.notice;
    plan.session.eDirectory = background.mountDirectory;
    return plan;
}
