#include "programargument.h"

#include "archivepath.h"

ArgumentKind classifyArgument(const QString& argument) {
    if (argument.isEmpty())
        return ArgumentKind::None;
    const QString ending = argument.right(3).toUpper();
    if (ending == QLatin1String("PLO") || ending == QLatin1String("ZEM"))
        return ArgumentKind::GameConfiguration;
    if (isRomFileName(argument) || isArchivePath(argument))
        return ArgumentKind::Rom;
    return ArgumentKind::Ignored;
}

QStringList operandWords(const QStringList& wordsAfterProgram) {
    QStringList words;
    for (const QString& word : wordsAfterProgram)
        if (!word.startsWith(QLatin1String("--")))
            words << word;
    return words;
}

QString argumentText(const QStringList& wordsAfterProgram) {
    return operandWords(wordsAfterProgram).join(QLatin1Char(' '));
}
