#include "processendwatch.h"

#include <QMetaObject>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/syscall.h>
#include <unistd.h>

ProcessEndWatch::ProcessEndWatch(qint64 pid, std::function<void()> ended, QObject* parent)
    : QObject(parent), m_ended(std::move(ended)) {
#ifdef SYS_pidfd_open
    m_fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
#endif
    if (m_fd < 0) {
        // Gone already (or reaped): it has ended, which is told once control returns.
        if (errno == ESRCH)
            QMetaObject::invokeMethod(this, &ProcessEndWatch::end, Qt::QueuedConnection);
        return;
    }
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ProcessEndWatch::end);
}

void ProcessEndWatch::end() {
    if (m_notifier)
        m_notifier->setEnabled(false);
    m_ended();
    deleteLater();
}

ProcessEndWatch::~ProcessEndWatch() {
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}
