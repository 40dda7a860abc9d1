#include "gameconfigactions.h"
#include "messagetitles.h"

#include "fileselector.h"
#include "gameconfigfile.h"
#include "pad.h"
#include "prompter.h"

GameConfigActions::GameConfigActions(Pad& pad, Prompter& prompter)
    : m_pad(pad), m_prompter(prompter) {}

bool GameConfigActions::save(FileSelector& saver) {
    const QString name = saver.chosenText();
    if (name.isEmpty()) {
        // The game's own name is proposed; a second Save uses it.
        saver.proposeName(m_pad.romName());
        m_prompter.critical(&saver, messageTitle(MessageTitle::Info),
                            QStringLiteral("No name given, Internal name is auto-submitted !"));
        return false;
    }
    const QString problem = gameConfigNameProblem(name);
    const QString path = gameConfigSavePath(saver.directoryPath(), name);
    const QString error = problem.isEmpty() ? writeGameConfig(path, m_pad.settings()) : problem;
    if (!error.isEmpty()) {
        m_prompter.critical(
            &saver, messageTitle(MessageTitle::Ouch),
            QStringLiteral("The Zemplo configuration file could not be saved:\n%1\n%2")
                .arg(path, error));
        return false;
    }
    saver.refreshFiles();
    return true;
}

bool GameConfigActions::load(const QString& path) {
    if (path.isEmpty()) {
        m_prompter.critical(&m_pad, messageTitle(MessageTitle::Info),
                            QStringLiteral("No File selected !"));
        return false;
    }
    return m_pad.loadGameConfiguration(path);
}
