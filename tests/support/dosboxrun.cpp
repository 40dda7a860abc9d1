#include "dosboxrun.h"

#include "dosboxarguments.h"
#include "dosboxconfig.h"
#include "hostpath.h"
#include "versionprobe.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

namespace {

// Staging aborts under SDL's dummy video driver unless it renders in software; a desktop user
// never needs this.
const QByteArray kStagingHeadless("[sdl]\ntexture_renderer = software\n");

QString stagingUserConfig(const QString& home) {
    return joinPath(home, QStringLiteral(".config/dosbox/dosbox-staging.conf"));
}

// DOSBox-X names its configuration after its version; it says where with -printconf.
QString dosboxXUserConfig(const QString& home) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), joinPath(home, QStringLiteral(".config")));
    process.setProcessEnvironment(env);
    process.start(dosboxExecutable(), {QStringLiteral("-printconf")});
    process.waitForFinished(10000);
    const QList<QByteArray> lines =
        (process.readAllStandardOutput() + process.readAllStandardError()).split('\n');
    for (const QByteArray& line : lines)
        if (line.trimmed().endsWith(".conf"))
            return QString::fromLocal8Bit(line.trimmed());
    return {};
}

} // namespace

QString standinExecutable() {
    return QStringLiteral(ZEMPLO_STANDIN_EXE);
}

QString dosboxNameUnderTest() {
    return qEnvironmentVariable("ZEMPLO_TEST_DOSBOX", QStringLiteral("dosbox"));
}

QString dosboxExecutable() {
    return QStandardPaths::findExecutable(dosboxNameUnderTest());
}

DosBoxFlavour dosboxFlavourUnderTest() {
    static const DosBoxFlavour flavour =
        flavourFromVersionOutput(askVersion(dosboxExecutable()).output);
    return flavour;
}

QString endToEndUnavailableReason() {
    if (standinExecutable().isEmpty() || !QFileInfo::exists(standinExecutable()))
        return QStringLiteral("nasm was not found when the tests were built: no stand-in VGB.EXE");
    if (dosboxExecutable().isEmpty())
        return dosboxNameUnderTest() + QStringLiteral(" is not on PATH");
    return {};
}

int dosboxSkipStatus() {
    const QString name = dosboxNameUnderTest();
    const QString program = dosboxExecutable();
    if (program.isEmpty()) {
        // Debian's own DOSBox must be there in CI: its absence fails the run in initTestCase.
        if (name == QLatin1String("dosbox") && qEnvironmentVariableIsSet("CI"))
            return 0;
        std::printf("SKIPPED: %s is not on PATH, so these tests did not run in it\n",
                    qPrintable(name));
        return kSkippedStatus;
    }
    std::printf("Runs in %s: %s\n", qPrintable(flavourName(dosboxFlavourUnderTest())),
                qPrintable(program));
    return 0;
}

void prepareHeadlessDosBoxEnvironment(const QString& home) {
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(joinPath(home, ".config")));
    qputenv("ZEMPLO_DOSBOX", QFile::encodeName(dosboxExecutable()));
    writeUserDosBoxConfig(home, QByteArray());
}

bool writeUserDosBoxConfig(const QString& home, const QByteArray& text) {
    const DosBoxFlavour flavour = dosboxFlavourUnderTest();
    if (text.isEmpty() && flavour != DosBoxFlavour::Staging)
        return true; // its own defaults serve
    QString path;
    QByteArray bytes = text;
    switch (flavour) {
    case DosBoxFlavour::Classic:
        path = joinPath(home, QStringLiteral(".dosbox/dosbox-0.74-3.conf"));
        break;
    case DosBoxFlavour::X:
        path = dosboxXUserConfig(home);
        break;
    case DosBoxFlavour::Staging:
        path = stagingUserConfig(home);
        bytes = kStagingHeadless + text;
        break;
    }
    if (path.isEmpty() || (bytes.isEmpty() && QFileInfo::exists(path)))
        return !path.isEmpty();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList dosboxArgumentsUnderTest(const DosSession& session, const QString& configPath) {
    return dosboxArguments(dosboxFlavourUnderTest(), session, configPath);
}

QString provideDosBoxConfigUnderTest(const QString& folder) {
    const DosBoxFlavour flavour = dosboxFlavourUnderTest();
    return provideDosBoxConfig(joinPath(folder, dosboxConfigFileName(flavour)), flavour);
}

StandinRecord readRecord(const QString& path) {
    QFile file(path);
    StandinRecord record;
    if (!file.open(QIODevice::ReadOnly))
        return record;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const int eq = line.indexOf('=');
        if (eq > 0)
            record.insert(QString::fromLatin1(line.left(eq)),
                          QString::fromLatin1(line.mid(eq + 1)));
    }
    return record;
}

DosBoxExit runDosBoxWith(const QStringList& arguments, const QString& workingDirectory,
                         const QString& home) {
    QProcess dosbox;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SDL_VIDEODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), joinPath(home, QStringLiteral(".config")));
    writeUserDosBoxConfig(home, QByteArray());
    dosbox.setProcessEnvironment(env);
    dosbox.setWorkingDirectory(workingDirectory);
    dosbox.setProcessChannelMode(QProcess::MergedChannels);
    dosbox.start(dosboxExecutable(), arguments);
    DosBoxExit exit;
    exit.endedByItself = dosbox.waitForFinished(60000);
    if (!exit.endedByItself) {
        dosbox.kill();
        dosbox.waitForFinished();
    }
    exit.output = dosbox.readAll();
    return exit;
}

StandinRecord runDosBox(const DosSession& session, const QString& home) {
    QFile::remove(session.cDirectory + QStringLiteral("/RECORD.TXT"));
    runDosBoxWith(dosboxArgumentsUnderTest(session, provideDosBoxConfigUnderTest(home)),
                  session.cDirectory, home);
    return readRecord(session.cDirectory + QStringLiteral("/RECORD.TXT"));
}

StandinRecord waitForRecord(const QString& directory, int timeoutMs) {
    const QString path = directory + QStringLiteral("/RECORD.TXT");
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        // The stand-in writes the record in one call, closing with the CFGOPEN line or later.
        StandinRecord record = readRecord(path);
        if (record.contains(QStringLiteral("CFGOPEN")))
            return record;
        QThread::msleep(100);
    }
    return readRecord(path);
}

QStringList dosboxComplaints(const QByteArray& output) {
    // What 0.74-3, DOSBox-X and Staging say of a switch or a setting they do not take, and
    // Staging's refusal to end soon after the start.
    static const char* const kComplaints[] = {"illegal command line switch", "unknown option",
                                              "deprecated", "invalid option", "exit blocked"};
    QStringList complaints;
    for (const QByteArray& line : output.split('\n'))
        for (const char* complaint : kComplaints)
            if (line.toLower().contains(complaint))
                complaints << QString::fromUtf8(line);
    return complaints;
}
