#include "dosenvironment.h"
#include "processstarter.h"

#include <QTemporaryDir>
#include <QtTest>

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
} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void dosboxArgumentsMountAndExit_data();
    void dosboxArgumentsMountAndExit();
    void startsDosBoxInTheEmulatorDirectory();
    void launcherDosBoxSettingsFile_data();
    void launcherDosBoxSettingsFile();
    void reportsMissingDosBox();
    void reportsAFailedStart();
    void launchFolderThatCannotBeMadeStartsNothing();

private:
    QTemporaryDir m_config;
};

void PlatformTest::initTestCase() {
    // A launch makes the launcher's DOSBox settings file: never in the user's own folder.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void PlatformTest::dosboxArgumentsMountAndExit_data() {
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

void PlatformTest::dosboxArgumentsMountAndExit() {
    QFETCH(QString, d);
    QFETCH(QString, e);
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    QCOMPARE(dosboxArguments(session("/emu dir", d, e, command), QString()), expected);
}

void PlatformTest::startsDosBoxInTheEmulatorDirectory() {
    qputenv("ZEMPLO_DOSBOX", "/bin/true");
    RecordingStarter starter;
    DosBoxEnvironment dos(starter);
    QCOMPARE(dos.start(session("/emu", "/roms", "", "VGB.EXE")), QString());
    QCOMPARE(starter.m_program, QString("/bin/true"));
    QCOMPARE(starter.m_workingDirectory, QString("/emu"));
    QCOMPARE(starter.m_arguments, dosboxArguments(session("/emu", "/roms", "", "VGB.EXE"),
                                                  m_config.filePath("Zemplo97/dosbox.conf")));
}

// What stands at the settings file's place before the launch, what DOSBox is then given, and
// what the file holds afterwards; foreseeing gives the same answer and makes nothing.
void PlatformTest::launcherDosBoxSettingsFile_data() {
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<bool>("given");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("the user's file") << "file" << true << QByteArray("[cpu]\ncycles=20000\n");
    QTest::newRow("missing: made") << "" << true << dosboxConfigText();
    QTest::newRow("missing folders: made") << "deep" << true << dosboxConfigText();
    QTest::newRow("a link to the user's file")
        << "link" << true << QByteArray("[cpu]\ncycles=20000\n");
    QTest::newRow("cannot be made") << "blocked" << false << QByteArray();
    QTest::newRow("a folder in its place") << "folder" << false << QByteArray();
    QTest::newRow("a dangling link") << "dangling" << false << QByteArray();
}

void PlatformTest::launcherDosBoxSettingsFile() {
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
    DosBoxEnvironment dos(starter, path);
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

void PlatformTest::reportsMissingDosBox() {
    qputenv("ZEMPLO_DOSBOX", "/nonexistent/dosbox");
    RecordingStarter starter;
    DosBoxEnvironment dos(starter);
    const QString message = dos.start(session("/emu", "", "", "VGB.EXE"));
    QVERIFY(message.contains("DOSBox was not found"));
    QVERIFY(message.contains("apt-get install dosbox"));
    QVERIFY(starter.m_program.isEmpty());
}

void PlatformTest::reportsAFailedStart() {
    qputenv("ZEMPLO_DOSBOX", "/bin/true");
    RecordingStarter starter;
    starter.m_error = "No such directory";
    DosBoxEnvironment dos(starter);
    const QString message = dos.start(session("/gone", "", "", "VGB.EXE"));
    QVERIFY(message.contains("could not be started"));
    QVERIFY(message.contains("No such directory"));
}

void PlatformTest::launchFolderThatCannotBeMadeStartsNothing() {
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

QTEST_APPLESS_MAIN(PlatformTest)
#include "tst_platform.moc"
