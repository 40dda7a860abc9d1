#pragma once

#include <QString>
#include <QStringList>

// The entries of one folder as a selection window lists them: in name order, hidden ones left
// out. Names that are not valid UTF-8 cannot be handed to anything that
// takes a path, so they are counted apart rather than silently dropped.
struct FolderListing {
    QStringList names;    // usable names
    QStringList unusable; // names that are not valid UTF-8, shown with a replacement mark
    QString error;        // why the folder could not be read, or ""
};

enum class FolderEntries { Files, Folders };

// `pattern` (files only) holds * and ? and matches in any letter case; alternatives are
// separated by ";" ("*.gb;*.zip"); empty matches all.
FolderListing listFolder(const QString& path, FolderEntries kind, const QString& pattern = {});

// A folder's subfolders and its files matching `pattern`, from one read of the folder.
struct FolderContents {
    FolderListing folders;
    FolderListing files;
};
FolderContents listFolderContents(const QString& path, const QString& pattern);

// A folder entry's name as Qt takes it; `valid` tells whether it was valid UTF-8 (a name that is
// not cannot be handed to anything that takes a path). ASCII names, the most, need no decoding.
QString decodeEntryName(const char* name, bool& valid);
