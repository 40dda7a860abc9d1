#include "dosboxconfig.h"

#include "appfolders.h"
#include "hostpath.h"
#include "newfile.h"
#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

// The nearest folder of `path` that exists, where a missing file and its folders would be made.
QString nearestExistingFolder(const QString& path) {
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).exists() && folder != QLatin1String("/"))
        folder = QFileInfo(folder).absolutePath();
    return folder;
}

} // namespace

QString dosboxConfigFileName(DosBoxFlavour flavour) {
    return flavour == DosBoxFlavour::Staging ? QStringLiteral("dosbox-staging.conf")
                                             : QStringLiteral("dosbox.conf");
}

QString dosboxConfigPath(DosBoxFlavour flavour) {
    return joinPath(launcherConfigFolder(), dosboxConfigFileName(flavour));
}

namespace {

// The words that differ between the flavours' files; the rest of the text is shared.
struct ConfigKeys {
    const char* sdl;    // the [sdl] suggestions after "fullscreen"
    const char* render; // the [render] section's suggestions
    const char* cycles; // the lines that give VGB-DOS the whole processor after core=dynamic
    const char* usual;  // DOSBox's own default, which they replace
};

constexpr ConfigKeys kClassicKeys{"#fullresolution=desktop\n"
                                  "#output=opengl\n",
                                  "# A larger window, with the 4:3 shape of a PC screen:\n"
                                  "#scaler=normal3x\n"
                                  "#aspect=true\n",
                                  "cycles=max\n", "cycles=auto"};

// Staging reads cpu_cycles (cycles is deprecated) and scales the window by itself.
constexpr ConfigKeys kStagingKeys{"#fullresolution=desktop\n"
                                  "# A larger window:\n"
                                  "#windowresolution=1200x900\n",
                                  "# The 4:3 shape of a PC screen:\n"
                                  "#aspect=on\n",
                                  "cpu_cycles=max\n"
                                  "cpu_cycles_protected=max\n",
                                  "cpu_cycles=3000"};

} // namespace

QByteArray dosboxConfigText(DosBoxFlavour flavour) {
    const ConfigKeys& keys = flavour == DosBoxFlavour::Staging ? kStagingKeys : kClassicKeys;
    return QByteArrayLiteral(
               "# Zemplo 97's own DOSBox settings, given to DOSBox for every game the launcher "
               "starts.\n"
               "#\n"
               "# DOSBox reads your own DOSBox configuration first and this file after it: what "
               "this\n"
               "# file sets wins, everything else stays as your own configuration says. The "
               "[autoexec]\n"
               "# section of your configuration is not run for a launch; the launcher mounts the\n"
               "# emulator's folder as C: and the ROM's folder as D: itself.\n"
               "#\n"
               "# The launcher wrote this file once and never rewrites it, so your changes last.\n"
               "# Delete it to have the launcher's settings written anew at the next launch.\n"
               "#\n"
               "# Full screen: press Alt+Enter in the DOSBox window, or remove the # in front of\n"
               "# \"fullscreen=true\" below.\n"
               "\n"
               "[sdl]\n"
               "#fullscreen=true\n") +
           keys.sdl + "\n[render]\n" + keys.render +
           QByteArrayLiteral(
               "\n"
               "[cpu]\n"
               "# VGB-DOS gets the whole processor, as on the PC it was written for. DOSBox's own\n"
               "# default (") +
           keys.usual +
           QByteArrayLiteral(") gives a DOS program the speed of a slow 286, at which a Game\n"
                             "# Boy emulator cannot keep up.\n"
                             "core=dynamic\n") +
           keys.cycles;
}

QString foreseeDosBoxConfig(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile())
        return path;
    if (somethingStandsAt(path))
        return {};
    const QString folder = nearestExistingFolder(path);
    const bool creatable = QFileInfo(folder).isDir() &&
                           ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
    return creatable ? path : QString();
}

QString provideDosBoxConfig(const QString& path, DosBoxFlavour flavour) {
    const QFileInfo info(path);
    if (info.isFile())
        return path;
    if (somethingStandsAt(path) || !QDir().mkpath(info.absolutePath()))
        return {};
    // A file that another launch or the user made meanwhile serves as well.
    const bool made = createNewFile(path, dosboxConfigText(flavour)).isEmpty();
    return made || QFileInfo(path).isFile() ? path : QString();
}
