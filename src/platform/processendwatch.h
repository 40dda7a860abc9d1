#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Calls back once when a process the launcher started, but does not wait for, has ended, then
// deletes itself. It watches through a process file descriptor, so nothing polls and a reused
// process id is never mistaken for the process. Where the system cannot watch, it never calls
// back and lives as long as its parent.
class ProcessEndWatch : public QObject {
public:
    ProcessEndWatch(qint64 pid, std::function<void()> ended, QObject* parent = nullptr);
    ~ProcessEndWatch() override;

    bool watching() const { return m_fd >= 0; }

private:
    void end();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::function<void()> m_ended;
};
