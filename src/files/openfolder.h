#pragma once

#include <QString>

#include <dirent.h>

// A folder opened for reading its entries in the order the system hands them out, which is
// the order DOSBox numbers its aliases in. Closed when it goes.
class OpenFolder {
public:
    explicit OpenFolder(const QString& path);
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    QString error() const { return m_error; }         // why it could not be opened
    int descriptor() const { return ::dirfd(m_dir); } // for openat and fstatat
    const dirent* next() { return ::readdir(m_dir); }

private:
    DIR* m_dir = nullptr;
    QString m_error;
};
