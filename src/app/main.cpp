#include "cliverbs.h"
#include "windowmodule.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// Qt's own debug notes and warnings are for developers; ZEMPLO_DEBUG shows them.
void quietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    static const bool debugging = qEnvironmentVariableIsSet("ZEMPLO_DEBUG");
    if (type == QtCriticalMsg || type == QtFatalMsg || debugging)
        QTextStream(stderr) << qFormatLogMessage(type, context, text) << Qt::endl;
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietQtMessages);
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const VerbRequest request = verbOf(words);
    switch (request.verb) {
    case Verb::Help:
        return printHelp(out);
    case Verb::Version:
        return printVersion(out);
    case Verb::PrintCommand: {
        QCoreApplication app(argc, argv);
        return printCommand(words, out, err);
    }
    case Verb::Header: {
        QCoreApplication app(argc, argv);
        return printHeaders(words, out, err);
    }
    case Verb::ExportList: {
        QCoreApplication app(argc, argv);
        return exportList(words, out, err);
    }
    case Verb::Wrong:
        return usageError(request.problem, err);
    case Verb::None:
        break;
    }
    return runWindowModule(argc, argv, words);
}
