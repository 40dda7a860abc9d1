#pragma once

#include "romlistexport.h"

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

// A ROM list export run beside the window, so that the window stays drawn and answers while a
// large folder or a shelf of solid archives is read: it shows how far the export got and can
// stop it. One runs at a time.
class RomListJob : public QObject {
    Q_OBJECT
public:
    using Exporter =
        std::function<RomListExport(const QString& directory, RomListKind kind, bool zipNames,
                                    const QString& date, const RomListProgress& progress)>;
    explicit RomListJob(QObject* parent = nullptr);
    ~RomListJob() override; // stops a running export and waits for it

    // False, doing nothing, while an export is running.
    bool start(const QString& directory, RomListKind kind, bool zipNames, const QString& date);
    bool isRunning() const { return m_thread != nullptr; }
    int romsRead() const { return m_romsRead; }
    // Stops the export at its next ROM, before it writes anything; `finished` still comes.
    void cancel() { m_cancelled = true; }
    // Cancels, and returns once the export has ended; `finished` then does not come.
    void abandon();
    // What makes the list: exportRomList, or a stand-in that takes as long as a test needs.
    void setExporter(Exporter exporter) { m_exporter = std::move(exporter); }

signals:
    void finished(const RomListExport& result);

private:
    Exporter m_exporter = exportRomList;
    QThread* m_thread = nullptr;
    quint64 m_run = 0;      // counts exports started and abandoned
    RomListExport m_result; // written by the export, read once it has ended
    std::atomic<int> m_romsRead{0};
    std::atomic<bool> m_cancelled{false};
};
