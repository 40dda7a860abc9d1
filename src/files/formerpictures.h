#pragma once

#include <QString>

// Versions that drew the main window's pictures at run time kept them in the launcher's cache
// folder, one artwork-* folder per build. This removes them: real folders holding only those
// picture files. Anything else there (a link, a launch folder, a file the user put there) is not
// theirs and stays.
void removeFormerPictureFolders(const QString& cacheRoot);
