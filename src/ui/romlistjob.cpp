#include "romlistjob.h"

#include <QThread>

RomListJob::RomListJob(QObject* parent) : QObject(parent) {}

RomListJob::~RomListJob() {
    abandon();
}

bool RomListJob::start(const QString& directory, RomListKind kind, bool zipNames,
                       const QString& date) {
    if (m_thread)
        return false;
    m_romsRead = 0;
    m_cancelled = false;
    m_thread = QThread::create([this, directory, kind, zipNames, date] {
        m_result = m_exporter(directory, kind, zipNames, date, [this](int romsRead) {
            m_romsRead = romsRead;
            return !m_cancelled;
        });
    });
    // The end comes queued: an export abandoned meanwhile, or one started after it, is not this.
    connect(m_thread, &QThread::finished, this, [this, run = ++m_run] {
        if (run != m_run)
            return;
        delete std::exchange(m_thread, nullptr);
        emit finished(m_result);
    });
    m_thread->start();
    return true;
}

void RomListJob::abandon() {
    if (!m_thread)
        return;
    cancel();
    m_thread->wait();
    // The thread's end is not told: whoever abandons it has gone on already.
    ++m_run;
    delete std::exchange(m_thread, nullptr);
}
