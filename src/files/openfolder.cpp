#include "openfolder.h"

#include "regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

OpenFolder::OpenFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        m_dir = ::fdopendir(fd);
    if (!m_dir) {
        m_error = systemReason(errno);
        if (fd >= 0)
            ::close(fd);
    }
}

OpenFolder::~OpenFolder() {
    if (m_dir)
        ::closedir(m_dir);
}
