#include "cliverbs.h"

#include "cartridgeinfo.h"
#include "dosboxinvocation.h"
#include "gameconfigfile.h"
#include "inisettingsstore.h"
#include "launchplan.h"
#include "programargument.h"
#include "romlistexport.h"
#include "settingsio.h"

#include <QFileInfo>
#include <QTextStream>

QString unknownOption(const QStringList& words) {
    static const QStringList known = {
        QStringLiteral("--help"),          QStringLiteral("--version"),
        QStringLiteral("--print-command"), QStringLiteral("--header"),
        QStringLiteral("--export-list"),   QStringLiteral("--html"),
        QStringLiteral("--zip-names"),     QStringLiteral("--mounts"),
        QStringLiteral("--dosbox")};
    for (const QString& word : words)
        if (word.startsWith(QLatin1String("--")) && !known.contains(word))
            return word;
    return {};
}

Verb verbOf(const QStringList& words) {
    if (!unknownOption(words).isEmpty())
        return Verb::Unknown;
    for (const QString& word : words) {
        if (word == QLatin1String("--help") || word == QLatin1String("-h"))
            return Verb::Help;
        if (word == QLatin1String("--version"))
            return Verb::Version;
        if (word == QLatin1String("--print-command"))
            return Verb::PrintCommand;
        if (word == QLatin1String("--header"))
            return Verb::Header;
        if (word == QLatin1String("--export-list"))
            return Verb::ExportList;
    }
    return Verb::None;
}

int printHelp(QTextStream& out) {
    out << "Usage: zemplo97 [ROM.gb | GAME.Zemplo]\n"
           "       zemplo97 --print-command [--mounts | --dosbox] [ROM.gb | GAME.Zemplo]\n"
           "       zemplo97 --header ROM.gb...\n"
           "       zemplo97 --export-list DIR [--html] [--zip-names]\n"
           "       zemplo97 --help | --version\n"
           "\n"
           "Zemplo 97 is a desktop front end for VGB-DOS, the DOS Game Boy emulator. It needs\n"
           "VGB-DOS's VGB.EXE: point the launcher at it with the \"...\" button of\n"
           "\"VGB-DOS Location\". The emulator runs in DOSBox (dosbox on PATH, or the program\n"
           "named by ZEMPLO_DOSBOX). A ROM given as argument is selected at start-up; a game\n"
           "file (.Zemplo) is read over the saved settings.\n"
           "\n"
           "  --print-command  print the VGB-DOS command line that play would start with the\n"
           "                   saved settings (and the game file, if given); --mounts adds\n"
           "                   one line per DOSBox drive, \"C: <host folder>\"; --dosbox\n"
           "                   prints instead the whole DOSBox invocation, one argument a\n"
           "                   line, program first, as play would start it\n"
           "  --header         print each ROM's title, cartridge type and ROM size,\n"
           "                   separated by tabs\n"
           "  --export-list    write the list of the ROMs in DIR into DIR/GB_Roms.txt, or\n"
           "                   DIR/GB_Roms.html with --html (--zip-names links each ROM as a\n"
           "                   .zip of the same name), and print the list file's path\n"
           "  --version        print the version\n"
           "  --help           print this help\n"
           "\n"
           "The verbs open no window. Settings live in $XDG_CONFIG_HOME/Zemplo97/Zemplo97.ini\n"
           "(~/.config by default) and are saved only by the window's quit button.\n";
    return 0;
}

int usageError(const QString& problem, QTextStream& err) {
    err << "zemplo97: " << problem << "\n\n";
    printHelp(err);
    return 2;
}

int printVersion(QTextStream& out) {
    out << "Zemplo 97 v2.63 for VGB-DOS v0.85\n";
    return 0;
}

namespace {

// The program and every argument play would give it, one a line; nothing is made, not even
// the launcher's DOSBox settings file.
int printDosBoxInvocation(const DosSession& session, QTextStream& out, QTextStream& err) {
    const QString program = findDosBoxProgram();
    if (program.isEmpty()) {
        err << dosboxNotFoundMessage() << "\n";
        return 1;
    }
    out << program << "\n";
    for (const QString& argument :
         dosboxArguments(session, foreseeDosBoxConfig(dosboxConfigPath())))
        out << argument << "\n";
    return 0;
}

} // namespace

int printCommand(const QStringList& words, QTextStream& out, QTextStream& err) {
    const bool invocation = words.contains(QLatin1String("--dosbox"));
    if (invocation && words.contains(QLatin1String("--mounts")))
        return usageError(QStringLiteral("--mounts and --dosbox do not go together"), err);
    const IniSettingsStore store;
    LauncherSettings settings = startupSettings(store);
    const QString argument = argumentText(words);
    switch (classifyArgument(argument)) {
    case ArgumentKind::Rom:
        settings.romPath = argument;
        break;
    case ArgumentKind::GameConfiguration: {
        // Read over the stored settings exactly as start-up reads it over the window.
        const GameConfigRead read = readGameConfig(argument, settings);
        if (!read.settings) {
            const GameConfigMessage message = gameConfigMessage(argument, read);
            err << message.title << ": " << message.text << "\n";
            return 1;
        }
        settings = *read.settings;
        break;
    }
    case ArgumentKind::None:
    case ArgumentKind::Ignored:
        break;
    }

    const LaunchPlan plan = planLaunch(settings, locateRom(settings.romPath));
    if (plan.stop) {
        err << plan.stop->title << ": " << plan.stop->text << "\n";
        return 1;
    }
    if (plan.notice)
        err << plan.notice->title << ": " << plan.notice->text << "\n";
    if (invocation)
        return printDosBoxInvocation(plan.session, out, err);
    out << plan.session.commandLine << "\n";
    if (words.contains(QLatin1String("--mounts"))) {
        // What DOSBox will be given, one drive a line; a launch folder is shown, not made.
        const std::pair<char, QString> drives[] = {{'C', plan.session.cDirectory},
                                                   {'D', plan.session.dDirectory},
                                                   {'E', plan.session.eDirectory}};
        for (const auto& [drive, folder] : drives)
            if (!folder.isEmpty())
                out << drive << ": " << folder << "\n";
    }
    return 0;
}

int printHeaders(const QStringList& words, QTextStream& out, QTextStream& err) {
    const QStringList paths = operandWords(words);
    if (paths.isEmpty())
        return usageError(QStringLiteral("--header needs at least one ROM"), err);
    int status = 0;
    for (const QString& path : paths) {
        const CartridgeRead read = readCartridgeInfo(path);
        if (!read.info) {
            err << path << ": " << read.error << "\n";
            status = 1;
            continue;
        }
        // Each line as soon as it is known: a script reading a long list sees it come.
        out << path << '\t' << read.info->title << '\t' << read.info->typeText << '\t'
            << read.info->sizeText << Qt::endl;
    }
    return status;
}

int exportList(const QStringList& words, QTextStream& out, QTextStream& err) {
    const QStringList folders = operandWords(words);
    if (folders.size() != 1)
        return usageError(QStringLiteral("--export-list takes one folder"), err);
    const QString directory = QFileInfo(folders.first()).absoluteFilePath();
    const RomListKind kind =
        words.contains(QLatin1String("--html")) ? RomListKind::Html : RomListKind::Text;
    const RomListExport list =
        exportRomList(directory, kind, words.contains(QLatin1String("--zip-names")), romListDate());
    if (!list.ok()) {
        err << "zemplo97: the ROM list could not be written: " << list.path << ": " << list.error
            << "\n";
        return 1;
    }
    out << list.path << "\n";
    return 0;
}
