#include "romlistexport.h"

#include "hostpath.h"
#include "replacefile.h"
#include "romlistformat.h"

#include <QDate>
#include <QLocale>

RomListExport exportRomList(const QString& directory, RomListKind kind, bool zipNames,
                            const QString& date, const RomListProgress& progress) {
    RomListExport result;
    result.path = joinPath(directory, kind == RomListKind::Text ? textListName() : htmlListName());
    const RomFolderRead folder = readRomFolder(directory, progress);
    if (!folder.error.isEmpty()) {
        result.error = folder.error;
        result.readFailed = true;
        return result;
    }
    if (folder.cancelled) {
        result.cancelled = true;
        return result;
    }
    result.error =
        replaceFile(result.path, kind == RomListKind::Text ? renderTextList(folder.rows, date)
                                                           : renderHtmlList(folder.rows, zipNames));
    return result;
}

QString romListDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}
