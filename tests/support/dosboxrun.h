#pragma once

#include "dossession.h"

#include <QMap>
#include <QString>

// What the stand-in emulator recorded, by key (DIR, TAIL, ROM, ROMOPEN, ROMDATA, CFG, ...).
using StandinRecord = QMap<QString, QString>;

QString standinExecutable();
QString dosboxExecutable();
// Empty when both are there, else why an end-to-end test cannot run.
QString endToEndUnavailableReason();

// In an initTestCase: skips the end-to-end tests where DOSBox or nasm is missing, except in CI
// (CI set), where a missing tool must fail the run rather than hide it.
#define ZEMPLO_REQUIRE_END_TO_END()                                                                \
    do {                                                                                           \
        const QString reason = endToEndUnavailableReason();                                        \
        if (!reason.isEmpty()) {                                                                   \
            if (qEnvironmentVariableIsSet("CI"))                                                   \
                QFAIL(qPrintable(reason));                                                         \
            QSKIP(qPrintable(reason));                                                             \
        }                                                                                          \
    } while (false)

// The environment every DOSBox in a test runs with: no display, no sound, its own HOME and
// configuration folder.
void prepareHeadlessDosBoxEnvironment(const QString& home);

// Runs DOSBox with these arguments, headless, and waits for it to end.
void runDosBoxWith(const QStringList& arguments, const QString& workingDirectory,
                   const QString& home);

// Runs DOSBox on the session as a launch does (with the launcher's DOSBox settings, kept in
// `home`) and waits for it to end; returns what the stand-in recorded in the session's C:
// directory (empty when it recorded nothing).
StandinRecord runDosBox(const DosSession& session, const QString& home);

// Waits for RECORD.TXT to appear in a directory and to be complete.
StandinRecord waitForRecord(const QString& directory, int timeoutMs);
StandinRecord readRecord(const QString& path);
