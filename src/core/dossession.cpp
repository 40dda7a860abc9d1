#include "dossession.h"

namespace {

// DOSBox expands %VAR% in -c lines, so a literal percent sign must be doubled.
QString escapePercent(QString line) {
    line.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return line;
}

} // namespace

QString dosboxMountLine(QChar drive, const QString& directory) {
    return escapePercent(QStringLiteral("mount %1 \"%2\"").arg(drive, directory));
}

QString dosboxCommandLine(const QString& commandLine) {
    return escapePercent(commandLine);
}

bool holdsControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return true;
    return false;
}

bool fitsDosBoxLine(const QString& line) {
    return line.toUtf8().size() <= kMaxDosBoxLine;
}
