#include "regularfile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString typeProblem(mode_t mode) {
    return S_ISDIR(mode) ? QStringLiteral("a folder, not a file")
                         : QStringLiteral("not a regular file (a pipe, device or socket)");
}

QString openProblem(int error) {
    if (error == ENOENT || error == ENOTDIR)
        return QStringLiteral("no such file");
    return systemReason(error);
}

} // namespace

RegularFileOpen openRegularAt(int folder, const char* name, unsigned char listedType) {
    RegularFileOpen result;
    struct stat status {};
    // Opening some devices has effects, and a pipe may never answer: an entry the listing did
    // not call a regular file is looked up before it is opened.
    if (listedType != DT_REG) {
        if (::fstatat(folder, name, &status, 0) != 0) {
            result.error = openProblem(errno);
            return result;
        }
        if (!S_ISREG(status.st_mode)) {
            result.wrongType = true;
            result.error = typeProblem(status.st_mode);
            return result;
        }
        result.size = status.st_size;
    }
    // O_NONBLOCK: a file swapped for a pipe after the listing or the look-up must not block
    // the open; the check on what was opened then refuses it.
    const int fd = ::openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.error = openProblem(errno);
        return result;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        result.wrongType = true;
        result.error = typeProblem(status.st_mode);
        return result;
    }
    result.fd = fd;
    result.size = status.st_size;
    return result;
}

QString openRegularFile(QFile& file, const QString& path) {
    if (path.isEmpty())
        return QStringLiteral("no file named");
    const RegularFileOpen opened = openRegularAt(AT_FDCWD, QFile::encodeName(path).constData());
    if (opened.fd < 0)
        return opened.error;
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        return file.errorString();
    }
    return {};
}

bool somethingStandsAt(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
