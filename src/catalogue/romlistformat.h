#pragma once

#include "romfolder.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The file size cell's number, followed by " Kb": whole kilobytes rounded up (1 to 1024 bytes
// give 1).
qint64 kilobytes(qint64 bytes);

// The name the HTML page gives a ROM when zip names are asked for: MyGame.gb gives mygame.zip.
QString zipName(const QString& fileName);

// GB_Roms.txt as it is written: UTF-8, each line followed by CR LF. `date` is the day's short
// date.
QByteArray renderTextList(const std::vector<RomListRow>& rows, const QString& date);

// GB_Roms.html as it is written, a fragment to paste into a page: UTF-8, each line followed by
// CR LF.
QByteArray renderHtmlList(const std::vector<RomListRow>& rows, bool zipNames);

inline QString textListName() {
    return QStringLiteral("GB_Roms.txt");
}
inline QString htmlListName() {
    return QStringLiteral("GB_Roms.html");
}
