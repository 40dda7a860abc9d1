#pragma once

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

// A fresh folder for one test, removed when it goes. Its path is short, since DOSBox mount
// lines and the 128-character command line count every character of it.
class ScratchFolder : public QTemporaryDir {
public:
    explicit ScratchFolder(const QStringList& subfolders = {})
        : QTemporaryDir(QDir::tempPath() + QStringLiteral("/zXXXXXX")) {
        for (const QString& sub : subfolders)
            QDir(path()).mkpath(sub);
    }
};
