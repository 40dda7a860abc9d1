#include "romconfigactions.h"
#include "messagetitles.h"

#include "archivepath.h"
#include "cartridgeinfo.h"
#include "fileexist.h"
#include "pad.h"
#include "prompter.h"
#include "romconfigpath.h"

#include <QFile>

RomConfigActions::RomConfigActions(Pad& pad, Prompter& prompter)
    : m_pad(pad), m_prompter(prompter) {}

void RomConfigActions::Text1_Change() {
    const QString rom = m_pad.romPath();
    if (rom.isEmpty() || rom == QLatin1String(" ") || !FileExist(romFilePath(rom))) {
        m_prompter.critical(&m_pad, messageTitle(MessageTitle::Ouch),
                            QStringLiteral("File does not exist !"));
        return;
    }
    // A file too short to hold a title shows none rather than the last ROM's; an archive of
    // several ROMs has none of its own, and the status line says how to reach them.
    const std::optional<QString> title = readCartridgeTitle(rom);
    m_pad.showRomTitle(title.value_or(QString()));
    if (!title)
        m_pad.tellArchiveOfSeveral(rom);
    m_pad.refreshDeleteCaption();
}

void RomConfigActions::Command2_Click(const std::function<void()>& openWizard) {
    // A path of one character (a lone blank) names no configuration file either.
    if (!romConfigPath(m_pad.romPath())) {
        m_prompter.critical(&m_pad, messageTitle(MessageTitle::Oups),
                            QStringLiteral("You must select a game first !"));
        return;
    }
    openWizard();
}

void RomConfigActions::Command5_Click() {
    const QString rom = m_pad.romPath();
    if (rom.isEmpty())
        return;
    const std::optional<QString> config = romConfigPath(rom);
    if (config && FileExist(*config)) {
        QFile file(*config);
        if (!file.remove())
            m_prompter.critical(
                &m_pad, messageTitle(MessageTitle::Ouch),
                QStringLiteral("The configuration file could not be deleted:\n%1\n%2")
                    .arg(*config, file.errorString()));
    }
    // The caption tells what is on disk now, also after a delete that failed.
    m_pad.refreshDeleteCaption();
}
