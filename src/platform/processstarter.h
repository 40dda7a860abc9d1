#pragma once

#include <QString>
#include <QStringList>

// Starts a program without a shell and without waiting for it.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Returns an empty text on success, else what went wrong.
    virtual QString startDetached(const QString& program, const QStringList& arguments,
                                  const QString& workingDirectory) = 0;
};

class QtProcessStarter : public ProcessStarter {
public:
    QString startDetached(const QString& program, const QStringList& arguments,
                          const QString& workingDirectory) override;
};
