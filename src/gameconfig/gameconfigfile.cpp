#include "gameconfigfile.h"

#include "messagetitles.h"
#include "scrollrange.h"

#include "contacts.h"
#include "hostpath.h"
#include "numberform.h"
#include "textfile.h"

#include <algorithm>

namespace {
using S = LauncherSettings;

GameConfigLine fixed(const char* text) {
    return {GameLineForm::Fixed, {}, text, 0};
}
GameConfigLine text(QString S::*member) {
    return {GameLineForm::Text, member, nullptr, 0};
}
GameConfigLine onOff(bool S::*member) {
    return {GameLineForm::OnOff, member, nullptr, 0};
}
GameConfigLine number(int S::*member, int maxValue) {
    return {GameLineForm::Number, member, nullptr, maxValue};
}

QString renderLine(const GameConfigLine& line, const LauncherSettings& settings) {
    switch (line.form) {
    case GameLineForm::Fixed:
        return QString::fromUtf8(line.fixedText);
    case GameLineForm::Text:
        return settings.*std::get<QString S::*>(line.field);
    case GameLineForm::OnOff:
        return settings.*std::get<bool S::*>(line.field) ? QStringLiteral("on")
                                                         : QStringLiteral("off");
    case GameLineForm::Number:
        return formatNumber(settings.*std::get<int S::*>(line.field));
    }
    return {};
}

void applyLine(const GameConfigLine& line, const QString& value, LauncherSettings& settings) {
    switch (line.form) {
    case GameLineForm::Fixed:
        break;
    case GameLineForm::Text:
        settings.*std::get<QString S::*>(line.field) = value;
        break;
    case GameLineForm::OnOff:
        // "off" never unchecks: a file only ever adds these options.
        if (value == QLatin1String("on"))
            settings.*std::get<bool S::*>(line.field) = true;
        break;
    case GameLineForm::Number:
        settings.*std::get<int S::*>(line.field) = scrollBarValue(value, line.maxValue);
        break;
    }
}

} // namespace

const std::array<GameConfigLine, kGameConfigLineCount>& gameConfigLines() {
    static const std::array<GameConfigLine, kGameConfigLineCount> lines{{
        fixed("[Zemplo Gameboy Game Setting]"),
        fixed("By Korvid - Korvid"),
        fixed(kHomePageAddress),
        fixed("-------------Settings---------------"),
        text(&S::romPath),
        text(&S::romName),
        text(&S::genie1),
        text(&S::genie2),
        text(&S::genie3),
        onOff(&S::noCrc),
        onOff(&S::noDelay),
        onOff(&S::silentStart),
        number(&S::ifreq, kIfreqMax),
        text(&S::keyMap),
        text(&S::video),
        text(&S::sound),
        text(&S::stereo),
        text(&S::buttons),
        text(&S::vblank),
        text(&S::uperiod),
        number(&S::volume, kVolumeMax),
        onOff(&S::autoA),
        onOff(&S::autoB),
    }};
    return lines;
}

QStringList renderGameConfig(const LauncherSettings& settings) {
    QStringList lines;
    for (const GameConfigLine& line : gameConfigLines())
        lines << renderLine(line, settings);
    return lines;
}

GameConfigRead applyGameConfig(const QStringList& lines, const LauncherSettings& current) {
    GameConfigRead read;
    if (lines.isEmpty() || lines.first() != gameConfigHeader()) {
        read.error = GameConfigError::WrongHeader;
        return read;
    }
    // A cut-off file would apply half a game: it is refused whole.
    if (lines.size() < kGameConfigLineCount) {
        read.error = GameConfigError::TooShort;
        return read;
    }
    LauncherSettings settings = current;
    const auto& table = gameConfigLines();
    for (int i = 0; i < kGameConfigLineCount; ++i)
        applyLine(table[i], lines.at(i), settings);
    read.settings = settings;
    return read;
}

GameConfigRead readGameConfig(const QString& path, const LauncherSettings& current) {
    const TextRead text = readTextLines(path);
    if (!text.ok()) {
        GameConfigRead read;
        read.error = GameConfigError::Unreadable;
        read.reason = text.error;
        return read;
    }
    return applyGameConfig(text.lines, current);
}

GameConfigMessage gameConfigMessage(const QString& path, const GameConfigRead& read) {
    const QString title = messageTitle(MessageTitle::Info);
    switch (read.error) {
    case GameConfigError::None:
        return {};
    case GameConfigError::WrongHeader:
        return {title, QStringLiteral("Incorrect Zemplo configuration file !")};
    case GameConfigError::TooShort:
        return {title, QStringLiteral("Incomplete Zemplo configuration file !\n%1\nIt ends before "
                                      "line %2; nothing was changed.")
                           .arg(path)
                           .arg(kGameConfigLineCount)};
    case GameConfigError::Unreadable:
        return {title, QStringLiteral("The Zemplo configuration file cannot be read:\n%1\n%2")
                           .arg(path, read.reason)};
    }
    return {};
}

QString gameConfigSavePath(const QString& directory, const QString& name) {
    const QString path = joinPath(directory, name);
    return path.right(6).toUpper() == QLatin1String("ZEMPLO") ? path
                                                              : path + QStringLiteral(".Zemplo");
}

QString gameConfigNameProblem(const QString& name) {
    // A "/" would send the file into another folder than the one shown in the window.
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return QStringLiteral("A file name cannot hold \"/\".");
    return {};
}

QString writeGameConfig(const QString& path, const LauncherSettings& settings) {
    return writeTextLines(path, renderGameConfig(settings));
}
