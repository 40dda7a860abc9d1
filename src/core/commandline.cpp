#include "commandline.h"

#include "numberform.h"

namespace {

QChar firstCharacter(const QString& text) {
    return text.isEmpty() ? QChar() : text.at(0);
}

// Rows for the four option lists: the digit picks a fragment, an unlisted first character is
// passed on as it stands, an empty text gives nothing.
QString listFragment(const QString& text, const char* const fragments[], int count) {
    if (text.isEmpty())
        return {};
    const QChar c = text.at(0);
    const int digit = c.unicode() - '0';
    if (digit >= 0 && digit < count)
        return QString::fromLatin1(fragments[digit]);
    return QString(c);
}

QString optionalText(const char* option, const QString& text) {
    return text.isEmpty() ? QString() : QString::fromLatin1(option) + text;
}

QString flag(const char* fragment, bool set) {
    return set ? QString::fromLatin1(fragment) : QString();
}

} // namespace

QString buildArguments(const LauncherSettings& s, const QString& romPart,
                       const std::optional<QString>& background) {
    static const char* const video[] = {"",          " -video 1", " -video 2",
                                        " -video 3", " -video 4", " -video 5"};
    static const char* const sound[] = {" -sound 0", ""};
    static const char* const stereo[] = {" -stereo 0", "", " -stereo 2"};
    static const char* const swap[] = {"", " -swap 1", " -swap 2", " -swap 3"};

    QString a = romPart;
    a += listFragment(s.video, video, 6);
    a += listFragment(s.sound, sound, 2);
    a += listFragment(s.stereo, stereo, 3);
    a += QStringLiteral(" -volume ") + formatNumber(s.volume);
    a += listFragment(s.buttons, swap, 4);
    a += flag(" -autoa 1", s.autoA);
    a += flag(" -autob 1", s.autoB);
    if (s.ifreq != 60)
        a += QStringLiteral(" -ifreq ") + formatNumber(s.ifreq);
    a += optionalText(" -cheat ", s.genie1);
    a += optionalText(" -cheat ", s.genie2);
    a += optionalText(" -cheat ", s.genie3);
    a += flag(" -nodelay", s.noDelay);
    a += flag(" -nocrc", s.noCrc);
    a += optionalText(" -keys ", s.keyMap);
    a += flag(" -verbose 0", s.silentStart);
    a += QStringLiteral(" -vperiod ") + (s.vblank.isEmpty() ? QStringLiteral("10000") : s.vblank);
    a += QStringLiteral(" -uperiod ") + (s.uperiod.isEmpty() ? QStringLiteral("2") : s.uperiod);
    if (firstCharacter(s.colorScheme) != QLatin1Char('0'))
        a += QStringLiteral(" -colorscheme ") + s.colorScheme.left(1);
    if (background)
        a += QStringLiteral(" -background ") + *background;
    a += flag(" -joystick 0", s.joypadOff);
    return a;
}

bool isCommandTooLong(const QString& emulatorPath, const QString& arguments) {
    return emulatorPath.size() + arguments.size() > kMaxCommandLength;
}
