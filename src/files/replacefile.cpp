#include "replacefile.h"

#include "regularfile.h"
#include "writeall.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The mode a new file gets: what open(0666) would give under the process's umask, or the mode
// of the regular file it replaces.
mode_t modeFor(const QByteArray& path) {
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode))
        return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString replaceFile(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QFileInfo info(path);
    QByteArray temporary =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) +
        QByteArrayLiteral(".XXXXXX");
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    QString error = writeAll(fd, bytes);
    if (error.isEmpty() && ::fchmod(fd, modeFor(target)) != 0)
        error = systemReason(errno);
    if (error.isEmpty() && ::fsync(fd) != 0)
        error = systemReason(errno);
    if (::close(fd) != 0 && error.isEmpty())
        error = systemReason(errno);
    if (error.isEmpty() && ::rename(temporary.constData(), target.constData()) != 0)
        error =
            errno == EISDIR ? QStringLiteral("a folder stands in its place") : systemReason(errno);
    if (!error.isEmpty())
        ::unlink(temporary.constData());
    return error;
}
