#include "newfile.h"

#include "regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

QString createNewFile(const QString& path, const QByteArray& bytes) {
    const QByteArray name = QFile::encodeName(path);
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return QStringLiteral("%1 cannot be made: %2").arg(path, systemReason(errno));
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(name.constData());
        return QStringLiteral("%1 cannot be written: %2").arg(path, systemReason(writeError));
    }
    return {};
}
