#include "messagetitles.h"

QString messageTitle(MessageTitle title) {
    switch (title) {
    case MessageTitle::Oups:
        return QStringLiteral("Oups !");
    case MessageTitle::Info:
        return QStringLiteral("Info !");
    case MessageTitle::Ouch:
        return QStringLiteral("Ouch!...");
    case MessageTitle::Where:
        return QStringLiteral("Where ?...");
    case MessageTitle::Damn:
        return QStringLiteral("Damn :(");
    case MessageTitle::Configuration:
        return QStringLiteral("Configuration");
    case MessageTitle::Tips:
        return QStringLiteral("Tips !!");
    case MessageTitle::Renamed:
        return QStringLiteral("Fucking error :(~");
    case MessageTitle::NotStarted:
        return QStringLiteral("VGB-DOS not started");
    }
    return {};
}
