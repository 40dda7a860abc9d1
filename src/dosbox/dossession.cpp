#include "dossession.h"

#include "printable.h"

#include <algorithm>

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
    return std::any_of(text.begin(), text.end(), isControlCharacter);
}

bool fitsDosBoxLine(const QString& line) {
    return line.toUtf8().size() <= kMaxDosBoxLine;
}
