#include "writeall.h"

#include "regularfile.h"

#include <cerrno>
#include <unistd.h>

QString writeAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n < 0 && done == 0)
                return systemReason(errno);
            break;
        }
        done += n;
    }
    if (done != bytes.size())
        return QStringLiteral("only %1 of %2 bytes could be written; is the disk full?")
            .arg(done)
            .arg(bytes.size());
    return {};
}
