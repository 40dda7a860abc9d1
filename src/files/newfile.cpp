#include "newfile.h"

#include "regularfile.h"
#include "writeall.h"

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
    QString error = writeAll(fd, bytes);
    if (::close(fd) != 0 && error.isEmpty())
        error = systemReason(errno);
    if (!error.isEmpty()) {
        ::unlink(name.constData());
        return QStringLiteral("%1 cannot be written: %2").arg(path, error);
    }
    return {};
}
