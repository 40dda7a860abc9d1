#include "dosboxarguments.h"

namespace {

QStringList configArguments(DosBoxFlavour flavour, const QString& configPath) {
    QStringList args;
    switch (flavour) {
    case DosBoxFlavour::X:
        args << QStringLiteral("-fastlaunch") << QStringLiteral("-nopromptfolder");
        [[fallthrough]];
    case DosBoxFlavour::Classic:
        args << QStringLiteral("-userconf");
        break;
    case DosBoxFlavour::Staging:
        break;
    }
    if (!configPath.isEmpty())
        args << QStringLiteral("-conf") << configPath;
    args << QStringLiteral("-noautoexec");
    if (flavour == DosBoxFlavour::Staging)
        args << QStringLiteral("-exit");
    return args;
}

} // namespace

QStringList dosboxArguments(DosBoxFlavour flavour, const DosSession& session,
                            const QString& configPath) {
    QStringList args = configArguments(flavour, configPath);
    const auto command = [&](const QString& line) { args << QStringLiteral("-c") << line; };
    command(dosboxMountLine(QLatin1Char('c'), session.cDirectory));
    if (!session.dDirectory.isEmpty())
        command(dosboxMountLine(QLatin1Char('d'), session.dDirectory));
    if (!session.eDirectory.isEmpty())
        command(dosboxMountLine(QLatin1Char('e'), session.eDirectory));
    command(QStringLiteral("c:"));
    command(dosboxCommandLine(session.commandLine));
    command(QStringLiteral("exit"));
    return args;
}
