#include "cliverbs.h"

#include "archivepath.h"

#include "cartridgeinfo.h"
#include "dosboxarguments.h"
#include "dosboxchoice.h"
#include "dosboxconfig.h"
#include "gameconfigfile.h"
#include "inisettingsstore.h"
#include "launchplan.h"
#include "printable.h"
#include "programargument.h"
#include "romlistexport.h"
#include "settingsio.h"
#include "version.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

struct Option {
    const char* word;
    Verb verb;       // the verb it is, or
    Verb modifierOf; // the verb it changes
};
const Option kOptions[] = {
    {"--help", Verb::Help, Verb::None},
    {"-h", Verb::Help, Verb::None},
    {"--version", Verb::Version, Verb::None},
    {"--print-command", Verb::PrintCommand, Verb::None},
    {"--header", Verb::Header, Verb::None},
    {"--export-list", Verb::ExportList, Verb::None},
    {"--mounts", Verb::None, Verb::PrintCommand},
    {"--dosbox", Verb::None, Verb::PrintCommand},
    {"--html", Verb::None, Verb::ExportList},
    {"--zip-names", Verb::None, Verb::ExportList},
};

const char* verbWord(Verb verb) {
    for (const Option& option : kOptions)
        if (option.verb == verb)
            return option.word;
    return "";
}

// "--x" always, and "-x" or "-version" too; a lone "-" or "-1.gb" stays part of a file name.
bool looksLikeOption(const QString& word) {
    return word.startsWith(QLatin1String("--")) ||
           (word.size() > 1 && word.at(0) == QLatin1Char('-') && word.at(1).isLetter() &&
            !word.contains(QLatin1Char('.')));
}

} // namespace

VerbRequest verbOf(const QStringList& words) {
    VerbRequest request;
    QList<std::pair<Verb, QString>> modifiers; // the verb each modifier needs, and its word
    for (const QString& word : words) {
        if (!looksLikeOption(word))
            continue;
        const auto option =
            std::find_if(std::begin(kOptions), std::end(kOptions),
                         [&](const Option& o) { return word == QLatin1String(o.word); });
        if (option == std::end(kOptions))
            return {Verb::Wrong, QStringLiteral("unknown option ") + word};
        if (option->verb == Verb::None) {
            modifiers.append({option->modifierOf, word});
        } else if (request.verb != Verb::None && request.verb != option->verb) {
            return {Verb::Wrong, QStringLiteral("%1 and %2 cannot be used together")
                                     .arg(QLatin1String(verbWord(request.verb)), word)};
        } else {
            request.verb = option->verb;
        }
    }
    for (const auto& [verb, word] : modifiers)
        if (verb != request.verb)
            return {Verb::Wrong,
                    QStringLiteral("%1 goes with %2").arg(word, QLatin1String(verbWord(verb)))};
    return request;
}

int printHelp(QTextStream& out) {
    out << "Usage: zemplo97 [ROM | GAME.Zemplo]\n"
           "       zemplo97 --print-command [--mounts | --dosbox] [ROM | GAME.Zemplo]\n"
           "       zemplo97 --header ROM...\n"
           "       zemplo97 --export-list DIR [--html] [--zip-names]\n"
           "       zemplo97 --help | --version\n"
           "\n"
           "Zemplo 97 is a desktop front end for VGB-DOS, the DOS Game Boy emulator. It needs\n"
           "VGB-DOS's VGB.EXE: point the launcher at it with the \"...\" button of\n"
           "\"VGB-DOS Location\". The emulator runs in DOSBox 0.74-3, DOSBox Staging or\n"
           "DOSBox-X: the program named by ZEMPLO_DOSBOX, else the first of dosbox,\n"
           "dosbox-staging and dosbox-x on PATH, else their Flatpaks. A ROM given as argument\n"
           "is selected at start-up; a game file (.Zemplo) is read over the saved settings.\n"
           "A ROM is a .gb file, a .zip or .7z archive holding one, or one ROM of an archive\n"
           "of several, named ARCHIVE#ENTRY (\"Set.7z#Tetris (W) [!].gb\"); its palette (.cfg)\n"
           "and saves (.sav) live beside the archive under the archive's base name, or under\n"
           "the entry's when the archive holds several.\n"
           "\n"
           "  --print-command  print the VGB-DOS command line that play would start with the\n"
           "                   saved settings (and the game file, if given); --mounts adds\n"
           "                   one line per DOSBox drive, \"C: <host folder>\"; --dosbox\n"
           "                   prints instead the whole DOSBox invocation, one argument a\n"
           "                   line, program first, as play would start it, and names that\n"
           "                   DOSBox's flavour on standard error\n"
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
    out << "Zemplo 97 v" << kProductVersion << " for VGB-DOS v0.85\n"
        << "Copyright (C) 2026 The Zemplo 97 developers\n"
           "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
    return 0;
}

namespace {

// The program and every argument play would give it, one a line, and which DOSBox it is on
// standard error; nothing is made, not even the launcher's DOSBox settings file or the note of
// the DOSBox's flavour.
int printDosBoxInvocation(const DosSession& session, QTextStream& out, QTextStream& err) {
    DosBoxFlavourCache flavours(DosBoxFlavourCache::defaultFile(), DosBoxFlavourCache::askVersionOf,
                                DosBoxFlavourCache::Keeping::ReadOnly);
    const DosBoxChoice dosbox = chooseDosBox(flavours);
    if (!dosbox.problem.isEmpty()) {
        err << dosbox.problem << "\n";
        return 1;
    }
    err << "zemplo97: plays in " << flavourName(dosbox.flavour) << "\n";
    out << dosbox.program << "\n";
    const QString config = foreseeDosBoxConfig(dosboxConfigPath(dosbox.flavour));
    for (const QString& argument : dosboxArguments(dosbox.flavour, session, config))
        out << argument << "\n";
    return 0;
}

} // namespace

// Why the ROM or game file named on the command line cannot be what play starts with.
QString namedFileProblem(const QString& argument) {
    if (argument.isEmpty())
        return {};
    const std::optional<ArchiveRomPath> archived = archiveRomPath(argument);
    const QFileInfo file(archived ? archived->archive : argument);
    if (!file.exists())
        return QStringLiteral("%1: no such file").arg(argument);
    if (!file.isFile())
        return QStringLiteral("%1: not a regular file").arg(argument);
    const ArgumentKind kind = classifyArgument(argument);
    if (kind != ArgumentKind::Rom && kind != ArgumentKind::GameConfiguration)
        return QStringLiteral("%1: neither a ROM (.gb, .zip, .7z or ARCHIVE#ENTRY) nor a game "
                              "file (.Zemplo)")
            .arg(argument);
    return {};
}

// The stored settings with the named ROM or game file over them, as start-up takes them; none,
// with the message written, when the file is refused.
std::optional<LauncherSettings> settingsToPlay(const QString& argument, QTextStream& err) {
    const IniSettingsStore store;
    LauncherSettings settings = startupSettings(store);
    if (const QString problem = namedFileProblem(argument); !problem.isEmpty()) {
        err << "zemplo97: " << printable(problem) << "\n";
        return std::nullopt;
    }
    const ArgumentKind kind = classifyArgument(argument);
    if (kind == ArgumentKind::Rom)
        settings.romPath = argument;
    if (kind != ArgumentKind::GameConfiguration)
        return settings;
    // Read over the stored settings exactly as start-up reads it over the window.
    const GameConfigRead read = readGameConfig(argument, settings);
    if (!read.settings) {
        const GameConfigMessage message = gameConfigMessage(argument, read);
        err << message.title << ": " << message.text << "\n";
    }
    return read.settings;
}

int printCommand(const QStringList& words, QTextStream& out, QTextStream& err) {
    const bool invocation = words.contains(QLatin1String("--dosbox"));
    if (invocation && words.contains(QLatin1String("--mounts")))
        return usageError(QStringLiteral("--mounts and --dosbox do not go together"), err);
    const std::optional<LauncherSettings> settings = settingsToPlay(argumentText(words), err);
    if (!settings)
        return 1;
    const LaunchPlan plan = planLaunch(*settings, locateRom(settings->romPath));
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
        const CartridgeRead read =
            path.isEmpty() ? CartridgeRead{std::nullopt, QString()} : readCartridgeInfo(path);
        if (!read.info) {
            if (path.isEmpty())
                err << "zemplo97: an empty argument names no ROM\n";
            else
                err << printable(path) << ": " << read.error << "\n";
            status = 1;
            continue;
        }
        // Each line as soon as it is known: a script reading a long list sees it come.
        out << printable(path) << '\t' << printable(read.info->title) << '\t' << read.info->typeText
            << '\t' << read.info->sizeText << Qt::endl;
    }
    return status;
}

int exportList(const QStringList& words, QTextStream& out, QTextStream& err) {
    const QStringList folders = operandWords(words);
    if (folders.size() != 1)
        return usageError(QStringLiteral("--export-list takes one folder"), err);
    if (folders.first().isEmpty()) {
        err << "zemplo97: the ROM folder cannot be read: an empty argument names no folder\n";
        return 1;
    }
    const QString directory = QFileInfo(folders.first()).absoluteFilePath();
    const RomListKind kind =
        words.contains(QLatin1String("--html")) ? RomListKind::Html : RomListKind::Text;
    const RomListExport list =
        exportRomList(directory, kind, words.contains(QLatin1String("--zip-names")), romListDate());
    if (!list.ok()) {
        if (list.readFailed)
            err << "zemplo97: the ROM folder cannot be read: " << printable(directory) << ": "
                << list.error << "\n";
        else
            err << "zemplo97: the ROM list could not be written: " << printable(list.path) << ": "
                << list.error << "\n";
        return 1;
    }
    out << printable(list.path) << "\n";
    return 0;
}
