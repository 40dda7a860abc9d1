#include "dosboxfinder.h"

#include "hostpath.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString notFoundMessage() {
    return QStringLiteral(
        "DOSBox was not found, so VGB-DOS cannot run.\n"
        "Zemplo 97 runs the emulator in DOSBox 0.74-3, DOSBox Staging or DOSBox-X:\n"
        "- DOSBox 0.74-3: sudo apt-get install dosbox (Debian and Ubuntu package it)\n"
        "- DOSBox Staging: Debian does not package it; get it from Flatpak (flatpak install "
        "io.github.dosbox-staging) or its own site\n"
        "- DOSBox-X: Debian does not package it; get it from Flatpak (flatpak install "
        "com.dosbox_x.DOSBox-X) or its own site\n"
        "Or name its program in the ZEMPLO_DOSBOX environment variable.");
}

QString notAProgramMessage(const QString& named) {
    const QFileInfo info(named);
    const QString what = info.isDir()    ? QStringLiteral("a folder")
                         : info.exists() ? QStringLiteral("a file that cannot be run")
                                         : QStringLiteral("nothing that exists");
    return QStringLiteral("The ZEMPLO_DOSBOX environment variable names\n%1\nwhich is %2, not a "
                          "DOSBox program.\nSet it to DOSBox's program (or unset it to use the "
                          "DOSBox on PATH).")
        .arg(named, what);
}

} // namespace

QStringList flatpakDosBoxExports(const QString& home) {
    QStringList exports;
    for (const QString& folder :
         {joinPath(home, QStringLiteral(".local/share/flatpak/exports/bin")),
          QStringLiteral("/var/lib/flatpak/exports/bin")})
        for (const char* id : {"io.github.dosbox-staging", "com.dosbox_x.DOSBox-X"})
            exports << joinPath(folder, QString::fromLatin1(id));
    return exports;
}

DosBoxProgram findDosBox() {
    // Set but empty counts as unset, as a shell's `export ZEMPLO_DOSBOX=` means.
    if (!qEnvironmentVariableIsEmpty("ZEMPLO_DOSBOX")) {
        const QString named = qEnvironmentVariable("ZEMPLO_DOSBOX");
        const QString found = QStandardPaths::findExecutable(named);
        if (found.isEmpty())
            return {{}, notAProgramMessage(named)};
        return {found, {}};
    }
    for (const char* name : {"dosbox", "dosbox-staging", "dosbox-x"})
        if (const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
            !found.isEmpty())
            return {found, {}};
    for (const QString& path : flatpakDosBoxExports(QDir::homePath())) {
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable())
            return {path, {}};
    }
    return {{}, notFoundMessage()};
}
