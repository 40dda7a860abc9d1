#pragma once

#include "romimage.h"

#include <QFileInfo>
#include <QTemporaryDir>

// A symbolic link planted where a writer is about to write, pointing at a file of the user's
// outside the folder, as a ROM archive could carry one.
struct LinkTrap {
    QTemporaryDir outside;
    QString path;
    explicit LinkTrap(const QString& at) : path(at) {
        writeFile(outside.filePath("notes.txt"), "my notes");
        QFile::link(outside.filePath("notes.txt"), path);
    }
    // The writer replaced the link by a regular file and left the user's file alone.
    bool heldSafely() const {
        return !QFileInfo(path).isSymLink() && QFileInfo(path).isFile() &&
               readAll(outside.filePath("notes.txt")) == "my notes";
    }
};
