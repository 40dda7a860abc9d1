#pragma once

#include "romfolder.h"

#include <QString>
#include <QStringList>

#include <vector>

// The file size cell: whole kilobytes rounded up, then " Kb" (1 to 1024 bytes give "1 Kb").
QString fileSizeText(qint64 bytes);

// The name the HTML page gives a ROM when zip names are asked for: MyGame.gb gives mygame.zip.
QString zipName(const QString& fileName);

// The lines of GB_Roms.txt. `date` is the day's short date.
QStringList renderTextList(const std::vector<RomListRow>& rows, const QString& date);

// The lines of GB_Roms.html, a fragment to paste into a page.
QStringList renderHtmlList(const std::vector<RomListRow>& rows, bool zipNames);

inline QString textListName() {
    return QStringLiteral("GB_Roms.txt");
}
inline QString htmlListName() {
    return QStringLiteral("GB_Roms.html");
}
