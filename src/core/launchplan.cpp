#include "launchplan.h"

#include "commandline.h"
#include "fileexist.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Background {
    std::optional<QString> argument;
    QString mountDirectory;
};

// A relative background lies under the emulator's directory, which is C: to the emulator; an
// absolute one is useless to a DOS program, so its directory is mounted as E:.
Background resolveBackground(const QString& path, const QString& emulatorDirectory) {
    if (!FileExist(path, emulatorDirectory))
        return {};
    if (QDir::isRelativePath(path)) {
        QString dosPath = path;
        dosPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
        return {dosPath, {}};
    }
    const DosLocation location = locateForDos(path, QLatin1Char('E'));
    if (location.dosPath.isEmpty())
        return {};
    return {location.dosPath, location.hostDirectory};
}

} // namespace

RomLocation locateRom(const QString& romPath, const QString& cacheRoot) {
    const DosLocation own = locateForDos(romPath, QLatin1Char('D'));
    if (own.dosPath.isEmpty())
        return {own, std::nullopt};
    const QString fileName = QFileInfo(romPath).fileName();
    const QString base = fileName.section(QLatin1Char('.'), 0, 0);
    if (own.dosName == fileName.toUpper() && isDosOpenableName(own.dosName) &&
        !isDosDeviceName(base))
        return {own, std::nullopt};
    LaunchFolderPlan folder = planLaunchFolder(romPath, cacheRoot);
    DosLocation stable{QStringLiteral("D:\\") + folder.romDosName, folder.romDosName, folder.drive};
    return {stable, std::move(folder)};
}

bool holdsRedirection(const QString& commandLine) {
    return commandLine.contains(QLatin1Char('<')) || commandLine.contains(QLatin1Char('>')) ||
           commandLine.contains(QLatin1Char('|'));
}

LaunchMessage redirectionMessage() {
    return {QStringLiteral("The VGB-DOS command line holds <, > or |.\n"
                           "DOSBox would take them as a redirection or a pipe, so nothing "
                           "was started.\nRemove them from the settings and try again."),
            QStringLiteral("Damn :(")};
}

LaunchPlan planLaunch(const LauncherSettings& settings, const RomLocation& rom) {
    LaunchPlan plan;
    const QString& emulatorPath = settings.emulatorPath;
    if (!FileExist(emulatorPath)) {
        plan.stop =
            LaunchMessage{QStringLiteral("VGB DOS Not found ! Check your path !\n") + emulatorPath,
                          QStringLiteral("Where ?...")};
        return plan;
    }
    const int split = emulatorPath.toLower().indexOf(QLatin1String("vgb.exe"));
    if (split < 0) {
        plan.stop = LaunchMessage{
            QStringLiteral("VGB.EXE Renamed ?! Don't do that ! Name it VGB.EXE !\n") + emulatorPath,
            QStringLiteral("Fucking error :(~")};
        return plan;
    }
    plan.emulatorDirectory = QFileInfo(emulatorPath).absolutePath();
    plan.programName = emulatorPath.mid(split);

    const Background background = resolveBackground(settings.background, plan.emulatorDirectory);
    plan.resetBackground = !background.argument.has_value();
    plan.arguments = buildArguments(settings, rom.dos.dosPath, background.argument);

    if (isCommandTooLong(emulatorPath, plan.arguments)) {
        plan.stop = LaunchMessage{
            QStringLiteral("CRITICAL ERROR ! The VGB-DOS Command line is too large !"),
            QStringLiteral("Damn :(")};
        return plan;
    }
    plan.session.commandLine = plan.programName + QLatin1Char(' ') + plan.arguments;
    if (holdsRedirection(plan.session.commandLine)) {
        plan.stop = redirectionMessage();
        return plan;
    }
    plan.session.cDirectory = plan.emulatorDirectory;
    plan.session.dDirectory = rom.dos.hostDirectory;
    plan.session.launchFolder = rom.launchFolder;
    plan.session.eDirectory = background.mountDirectory;
    return plan;
}
