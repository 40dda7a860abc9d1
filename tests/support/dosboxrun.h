#pragma once

#include "dosboxflavour.h"
#include "dossession.h"

#include <QMap>
#include <QString>

// What the stand-in emulator recorded, by key (DIR, TAIL, ROM, ROMOPEN, ROMDATA, CFG, ...).
using StandinRecord = QMap<QString, QString>;

QString standinExecutable();

// The end-to-end tests run once for each DOSBox a user may have: ctest starts each such test
// program with ZEMPLO_TEST_DOSBOX naming dosbox, dosbox-x or dosbox-staging.
QString dosboxNameUnderTest();
QString dosboxExecutable(); // that program on PATH, "" when it is not there
DosBoxFlavour dosboxFlavourUnderTest();

// Empty when the stand-in and the DOSBox under test are there, else why an end-to-end test
// cannot run.
QString endToEndUnavailableReason();

// Before a DOSBox test program starts: the exit status that tells ctest it was skipped (77),
// with the reason printed, when the DOSBox it is to run is not on PATH (only the two forks,
// which Debian does not package, may be missing in CI); 0 when it runs, with the DOSBox named.
int dosboxSkipStatus();
inline constexpr int kSkippedStatus = 77;

#define ZEMPLO_DOSBOX_TEST_MAIN(TestObject, Application)                                           \
    int main(int argc, char* argv[]) {                                                             \
        if (const int skipped = dosboxSkipStatus())                                                \
            return skipped;                                                                        \
        Application app(argc, argv);                                                               \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

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
// configuration folder, the DOSBox under test as the launcher's.
void prepareHeadlessDosBoxEnvironment(const QString& home);

// Writes the user's own DOSBox configuration where the DOSBox under test reads it, `home`
// being its HOME. Staging's keeps the software renderer it needs without a display.
bool writeUserDosBoxConfig(const QString& home, const QByteArray& text);

// The DOSBox arguments a launch gives the DOSBox under test.
QStringList dosboxArgumentsUnderTest(const DosSession& session, const QString& configPath);
// The launcher's settings file for the DOSBox under test, made in `folder` when missing.
QString provideDosBoxConfigUnderTest(const QString& folder);

// What DOSBox printed, and whether it ended by itself within a minute (else it was stopped).
struct DosBoxExit {
    QByteArray output;
    bool endedByItself = false;
};

// Runs DOSBox with these arguments, headless, and waits for it to end.
DosBoxExit runDosBoxWith(const QStringList& arguments, const QString& workingDirectory,
                         const QString& home);

// The lines of DOSBox's output that warn about what it was given (an unknown switch, a
// deprecated or unknown setting) or ask a question.
QStringList dosboxComplaints(const QByteArray& output);

// Runs DOSBox on the session as a launch does (with the launcher's DOSBox settings, kept in
// `home`) and waits for it to end; returns what the stand-in recorded in the session's C:
// directory (empty when it recorded nothing).
StandinRecord runDosBox(const DosSession& session, const QString& home);

// Waits for RECORD.TXT to appear in a directory and to be complete.
StandinRecord waitForRecord(const QString& directory, int timeoutMs);
StandinRecord readRecord(const QString& path);
