#include "dosboxarguments.h"
#include "dosboxchoice.h"
#include "dosboxconfig.h"
#include "dosboxenvironment.h"
#include "processstarter.h"
#include "romimage.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(DosBoxFlavour)

namespace {
class RecordingStarter : public ProcessStarter {
public:
    QString startDetached(const QString& program, const QStringList& arguments,
                          const QString& workingDirectory, qint64* pid) override {
        if (pid)
            *pid = 0;
        m_program = program;
        m_arguments = arguments;
        m_workingDirectory = workingDirectory;
        return m_error;
    }
    QString m_program, m_workingDirectory, m_error;
    QStringList m_arguments;
};
DosSession session(const QString& c, const QString& d, const QString& e, const QString& command) {
    DosSession s;
    s.cDirectory = c;
    s.dDirectory = d;
    s.eDirectory = e;
    s.commandLine = command;
    return s;
}

// A stand-in for a DOSBox program: a shell script that answers -version as `body` says.
QString fakeProgram(const QString& folder, const QString& name, const QByteArray& body) {
    const QString path = folder + '/' + name;
    writeFile(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}
} // namespace

class DosBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dosboxArgumentsMountAndExit_data();
    void dosboxArgumentsMountAndExit();
    void eachFlavourHasItsOwnSwitches_data();
    void eachFlavourHasItsOwnSwitches();
    void flavourReadFromTheVersionAnswer_data();
    void flavourReadFromTheVersionAnswer();
    void flavourAskedOncePerProgramFile();
    void firstDosBoxOnPathThenFlatpak();
    void startsDosBoxInTheEmulatorDirectory();
    void launcherDosBoxSettingsFile_data();
    void launcherDosBoxSettingsFile();
    void reportsMissingDosBox();
    void reportsAFailedStart();
    void launchFolderThatCannotBeMadeStartsNothing();

private:
    QTemporaryDir m_config;
};

void DosBoxTest::initTestCase() {
    // A launch makes the launcher's DOSBox settings file: never in the user's own folder.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_config.filePath("cache")));
}

void DosBoxTest::dosboxArgumentsMountAndExit_data() {
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("e");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("rom") << "/roms"
                         << ""
                         << "VGB.EXE D:\\A.GB"
                         << QStringList{
                                "-userconf", "-noautoexec",       "-c", "mount c \"/emu dir\"",
                                "-c",        "mount d \"/roms\"", "-c", "c:",
                                "-c",        "VGB.EXE D:\\A.GB",  "-c", "exit"};
    QTest::newRow("no rom") << ""
                            << ""
                            << "VGB.EXE  -volume  10"
                            << QStringList{"-userconf", "-noautoexec", "-c", "mount c \"/emu dir\"",
                                           "-c",        "c:",          "-c", "VGB.EXE  -volume  10",
                                           "-c",        "exit"};
    QTest::newRow("background and percent")
        << "/100% roms"
        << "/gifs"
        << "VGB.EXE -keys %PATH%" << QStringList{"-userconf", "-noautoexec",
                                                 "-c",        "mount c \"/emu dir\"",
                                                 "-c",        "mount d \"/100%% roms\"",
                                                 "-c",        "mount e \"/gifs\"",
                                                 "-c",        "c:",
                                                 "-c",        "VGB.EXE -keys %%PATH%%",
                                                 "-c",        "exit"};
}

void DosBoxTest::dosboxArgumentsMountAndExit() {
    QFETCH(QString, d);
    QFETCH(QString, e);
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    QCOMPARE(dosboxArguments(DosBoxFlavour::Classic, session("/emu dir", d, e, command), QString()),
             expected);
}

void DosBoxTest::eachFlavourHasItsOwnSwitches_data() {
    QTest::addColumn<DosBoxFlavour>("flavour");
    QTest::addColumn<QStringList>("head");
    QTest::newRow("0.74-3") << DosBoxFlavour::Classic
                            << QStringList{"-userconf", "-conf", "/z.conf", "-noautoexec"};
    QTest::newRow("DOSBox-X") << DosBoxFlavour::X
                              << QStringList{"-fastlaunch", "-nopromptfolder", "-userconf",
                                             "-conf",       "/z.conf",         "-noautoexec"};
    QTest::newRow("Staging") << DosBoxFlavour::Staging
                             << QStringList{"-conf", "/z.conf", "-noautoexec", "-exit"};
}

// The switches differ; the drives, the command and the exit are the same for all.
void DosBoxTest::eachFlavourHasItsOwnSwitches() {
    QFETCH(DosBoxFlavour, flavour);
    QFETCH(QStringList, head);
    const DosSession s = session("/emu", "/roms", "", "VGB.EXE D:\\A.GB");
    QCOMPARE(dosboxArguments(flavour, s, "/z.conf"),
             head + dosboxArguments(DosBoxFlavour::Classic, s, "").mid(2));
}

// What ZEMPLO_DOSBOX names, answering -version as recorded from each DOSBox (or badly): the
// DOSBox chosen, the flavour it speaks, or the problem that keeps anything from starting.
void DosBoxTest::flavourReadFromTheVersionAnswer_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<DosBoxFlavour>("flavour");
    QTest::addColumn<QString>("problem");
    const auto classic = DosBoxFlavour::Classic;
    QTest::newRow("0.74-3") << QByteArray("echo 'DOSBox version 0.74-3'; echo 'Copyright 2002'")
                            << classic << "";
    QTest::newRow("DOSBox-X, on standard error, status 1")
        << QByteArray("echo 'DOSBox-X version 2026.08.02 SDL2, copyright 2011' >&2; exit 1")
        << DosBoxFlavour::X << "";
    QTest::newRow("Staging") << QByteArray("echo 'dosbox-staging, version 0.82.2 ()'")
                             << DosBoxFlavour::Staging << "";
    QTest::newRow("Staging's first run, its configuration made first")
        << QByteArray("i=0; while [ $i -lt 40 ]; do echo \"2026-12-09 | CONFIG: No help for "
                      "'glshader'\" >&2; i=$((i+1)); done; echo 'dosbox-staging, version 0.82.2'")
        << DosBoxFlavour::Staging << "";
    QTest::newRow("licence text naming a fork")
        << QByteArray("echo 'DOSBox version 0.74-3'; echo 'unlike dosbox-x and dosbox-staging'")
        << classic << "";
    QTest::newRow("unknown, then garbage")
        << QByteArray("echo 'MagicBox 3.1'; printf '\\377\\000\\033[2J\\001'") << classic << "";
    QTest::newRow("empty") << QByteArray("exit 0") << classic << "";
    QTest::newRow("never ends") << QByteArray("exec sleep 600") << classic << "";
    QTest::newRow("floods 10 MB") << QByteArray("head -c 10485760 /dev/zero") << classic << "";
    QTest::newRow("floods for ever after its name")
        << QByteArray("echo 'dosbox-staging, version 0.82.2'; exec yes") << DosBoxFlavour::Staging
        << "";
    QTest::newRow("crashes at start") << QByteArray("kill -SEGV $$") << classic << "crashed";
    QTest::newRow("names nothing") << QByteArray() << classic << "nothing that exists";
    QTest::newRow("names a folder") << QByteArray("folder") << classic << "a folder";
    QTest::newRow("cannot be run") << QByteArray("plain") << classic << "cannot be run";
}

void DosBoxTest::flavourReadFromTheVersionAnswer() {
    QFETCH(QByteArray, script);
    QFETCH(DosBoxFlavour, flavour);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QString program = dir.filePath("gone");
    if (script == "folder")
        program = dir.path();
    else if (script == "plain")
        writeFile(program = dir.filePath("dosbox.txt"), "DOSBox version 0.74-3");
    else if (!script.isEmpty())
        program = fakeProgram(dir.path(), "dosbox", script);
    qputenv("ZEMPLO_DOSBOX", QFile::encodeName(program));
    DosBoxFlavourCache flavours{QString()};
    const DosBoxChoice choice = chooseDosBox(flavours);
    QVERIFY2(choice.problem.contains(problem), qPrintable(choice.problem));
    QCOMPARE(choice.problem.isEmpty(), problem.isEmpty());
    QCOMPARE(choice.program, problem.isEmpty() ? program : QString());
    QCOMPARE(choice.flavour, flavour);
}

// A press on play does not start DOSBox twice: the flavour is kept by the program file, in
// memory and in the cache file, until the file changes; a program that did not answer in time
// is asked again next time.
void DosBoxTest::flavourAskedOncePerProgramFile() {
    QTemporaryDir dir;
    const QString program = fakeProgram(dir.path(), "dosbox", "echo 'DOSBox-X version 1'");
    const QString file = dir.filePath("cache/flavours.txt");
    int asked = 0;
    VersionAnswer answer{"DOSBox-X version 1", {}, false};
    const auto ask = [&](const QString&) { return ++asked, answer; };
    DosBoxFlavourCache first(file, ask);
    QCOMPARE(first.flavourOf(program).flavour, DosBoxFlavour::X);
    QCOMPARE(first.flavourOf(program).flavour, DosBoxFlavour::X);
    DosBoxFlavourCache nextRun(file, ask);
    QCOMPARE(nextRun.flavourOf(program).flavour, DosBoxFlavour::X);
    QCOMPARE(asked, 1);

    answer = {"dosbox-staging, version 0.82.2", {}, true}; // an update, slow to answer
    QFile f(program);
    QVERIFY(f.open(QIODevice::Append));
    f.write("# updated\n");
    f.close();
    QCOMPARE(DosBoxFlavourCache(file, ask).flavourOf(program).flavour, DosBoxFlavour::Staging);
    QCOMPARE(DosBoxFlavourCache(file, ask).flavourOf(program).flavour, DosBoxFlavour::Staging);
    QCOMPARE(asked, 3);
}

// Without ZEMPLO_DOSBOX: dosbox, dosbox-staging, dosbox-x on PATH in that order, then the
// Flatpak exports, whose names tell their flavour without starting them.
void DosBoxTest::firstDosBoxOnPathThenFlatpak() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("bin");
    QDir(dir.path()).mkpath("home/.local/share/flatpak/exports/bin");
    const QByteArray path = qgetenv("PATH"), home = qgetenv("HOME");
    qunsetenv("ZEMPLO_DOSBOX");
    qputenv("PATH", QFile::encodeName(dir.filePath("bin")));
    qputenv("HOME", QFile::encodeName(dir.filePath("home")));
    DosBoxFlavourCache flavours{QString()};
    const QString notFound = chooseDosBox(flavours).problem;
    for (const char* named : {"apt-get install dosbox", "DOSBox Staging", "DOSBox-X", "Flatpak"})
        QVERIFY2(notFound.contains(named), named);
    const QString flatpak = fakeProgram(dir.filePath("home/.local/share/flatpak/exports/bin"),
                                        "com.dosbox_x.DOSBox-X", "exit 99");
    const DosBoxChoice fromFlatpak = chooseDosBox(flavours);
    const QString x = fakeProgram(dir.filePath("bin"), "dosbox-x", "echo DOSBox-X version 1");
    const DosBoxChoice forkX = chooseDosBox(flavours);
    const QString staging =
        fakeProgram(dir.filePath("bin"), "dosbox-staging", "echo dosbox-staging, version 1");
    const DosBoxChoice forkStaging = chooseDosBox(flavours);
    qputenv("PATH", path);
    qputenv("HOME", home);
    QCOMPARE(fromFlatpak.program, flatpak);
    QCOMPARE(fromFlatpak.flavour, DosBoxFlavour::X);
    QCOMPARE(forkX.program, x);
    QCOMPARE(forkStaging.program, staging);
    QCOMPARE(forkStaging.flavour, DosBoxFlavour::Staging);
}

void DosBoxTest::startsDosBoxInTheEmulatorDirectory() {
    qputenv("ZEMPLO_DOSBOX", "/bin/true");
    RecordingStarter starter;
    DosBoxEnvironment dos(starter);
    QCOMPARE(dos.start(session("/emu", "/roms", "", "VGB.EXE")), QString());
    QCOMPARE(starter.m_program, QString("/bin/true"));
    QCOMPARE(starter.m_workingDirectory, QString("/emu"));
    QCOMPARE(starter.m_arguments,
             dosboxArguments(DosBoxFlavour::Classic, session("/emu", "/roms", "", "VGB.EXE"),
                             m_config.filePath("Zemplo97/dosbox.conf")));
}

// What stands at the settings file's place before the launch, what DOSBox is then given, and
// what the file holds afterwards; foreseeing gives the same answer and makes nothing.
void DosBoxTest::launcherDosBoxSettingsFile_data() {
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<bool>("given");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("the user's file") << "file" << true << QByteArray("[cpu]\ncycles=20000\n");
    QTest::newRow("missing: made") << "" << true << dosboxConfigText(DosBoxFlavour::Classic);
    QTest::newRow("missing folders: made")
        << "deep" << true << dosboxConfigText(DosBoxFlavour::Classic);
    QTest::newRow("a link to the user's file")
        << "link" << true << QByteArray("[cpu]\ncycles=20000\n");
    QTest::newRow("cannot be made") << "blocked" << false << QByteArray();
    QTest::newRow("a folder in its place") << "folder" << false << QByteArray();
    QTest::newRow("a dangling link") << "dangling" << false << QByteArray();
}

void DosBoxTest::launcherDosBoxSettingsFile() {
    QFETCH(QString, setUp);
    QFETCH(bool, given);
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    QString path = dir.filePath("Zemplo97/dosbox.conf");
    const QByteArray users("[cpu]\ncycles=20000\n");
    QDir(dir.path()).mkpath("Zemplo97");
    if (setUp == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(users);
    } else if (setUp == "deep") {
        path = dir.filePath("a/b/Zemplo97/dosbox.conf");
    } else if (setUp == "link" || setUp == "dangling") {
        QFile file(dir.filePath("dotfiles.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(users);
        file.close();
        QVERIFY(QFile::link(setUp == "link" ? file.fileName() : dir.filePath("gone"), path));
    } else if (setUp == "blocked") {
        QFile file(dir.filePath("config")); // a file where its folder would be made
        QVERIFY(file.open(QIODevice::WriteOnly));
        path = dir.filePath("config/Zemplo97/dosbox.conf");
    } else if (setUp == "folder") {
        QDir(dir.path()).mkpath("Zemplo97/dosbox.conf");
    }
    const bool existed = QFileInfo(path).exists();
    QCOMPARE(foreseeDosBoxConfig(path), given ? path : QString());
    QCOMPARE(QFileInfo(path).exists(), existed);

    qputenv("ZEMPLO_DOSBOX", "/bin/true");
    RecordingStarter starter;
    DosBoxEnvironment dos(starter, QFileInfo(path).absolutePath());
    QCOMPARE(dos.start(session("/emu", "/roms", "", "VGB.EXE")), QString());
    const QStringList head = given ? QStringList{"-userconf", "-conf", path, "-noautoexec"}
                                   : QStringList{"-userconf", "-noautoexec"};
    QCOMPARE(starter.m_arguments.mid(0, head.size()), head);
    if (given) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), contents);
    }
}

void DosBoxTest::reportsMissingDosBox() {
    qputenv("ZEMPLO_DOSBOX", "/nonexistent/dosbox");
    RecordingStarter starter;
    DosBoxEnvironment dos(starter);
    const QString message = dos.start(session("/emu", "", "", "VGB.EXE"));
    QVERIFY(message.contains("ZEMPLO_DOSBOX"));
    QVERIFY(starter.m_program.isEmpty());
}

void DosBoxTest::reportsAFailedStart() {
    qputenv("ZEMPLO_DOSBOX", "/bin/true");
    RecordingStarter starter;
    starter.m_error = "No such directory";
    DosBoxEnvironment dos(starter);
    const QString message = dos.start(session("/gone", "", "", "VGB.EXE"));
    QVERIFY(message.contains("could not be started"));
    QVERIFY(message.contains("No such directory"));
}

void DosBoxTest::launchFolderThatCannotBeMadeStartsNothing() {
    qputenv("ZEMPLO_DOSBOX", "/bin/true");
    QTemporaryDir dir;
    QFile rom(dir.filePath("Long Name.gb"));
    QVERIFY(rom.open(QIODevice::WriteOnly));
    rom.close();
    QFile blocker(dir.filePath("cache"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the cache folder should be
    DosSession s = session("/emu", "", "", "VGB.EXE D:\\LONGNAME.GB");
    s.launchFolder = planLaunchFolder(rom.fileName(), dir.filePath("cache"));
    RecordingStarter starter;
    DosBoxEnvironment dos(starter);
    const QString message = dos.start(s);
    QVERIFY(
        message.startsWith("The ROM cannot be played from its launch folder:\n" + rom.fileName()));
    QVERIFY(starter.m_program.isEmpty());
}

QTEST_APPLESS_MAIN(DosBoxTest)
#include "tst_dosbox.moc"
