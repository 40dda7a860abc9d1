#pragma once

#include <QString>
#include <QStringList>

// Starts a program without a shell and without waiting for it.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Returns an empty text on success, else what went wrong. `pid`, when given, receives the
    // started process's id.
    virtual QString startDetached(const QString& program, const QStringList& arguments,
                                  const QString& workingDirectory, qint64* pid = nullptr) = 0;
};

class QtProcessStarter : public ProcessStarter {
public:
    QString startDetached(const QString& program, const QStringList& arguments,
                          const QString& workingDirectory, qint64* pid = nullptr) override;
};
