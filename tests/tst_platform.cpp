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
    void dosboxArgumentsMountAndExit_data();
    void dosboxArgumentsMountAndExit();
    void startsDosBoxInTheEmulatorDirectory();
    void reportsMissingDosBox();
    void reportsAFailedStart();
    void launchFolderThatCannotBeMadeStartsNothing();
};

void PlatformTest::dosboxArgumentsMountAndExit_data() {
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("e");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("rom") << "/roms"
                         << ""
                         << "VGB.EXE D:\\A.GB" << QStringList{"-c", "mount c \"/emu dir\"",
                                                              "-c", "mount d \"/roms\"",
                                                              "-c", "c:",
                                                              "-c", "VGB.EXE D:\\A.GB",
                                                              "-c", "exit"};
    QTest::newRow("no rom") << ""
                            << ""
                            << "VGB.EXE  -volume  10"
                            << QStringList{"-c", "mount c \"/emu dir\"", "-c", "c:",
                                           "-c", "VGB.EXE  -volume  10", "-c", "exit"};
    QTest::newRow("background and percent")
        << "/100% roms"
        << "/gifs"
        << "VGB.EXE -keys %PATH%"
        << QStringList{"-c", "mount c \"/emu dir\"",   "-c", "mount d \"/100%% roms\"",
                       "-c", "mount e \"/gifs\"",      "-c", "c:",
                       "-c", "VGB.EXE -keys %%PATH%%", "-c", "exit"};
}

void PlatformTest::dosboxArgumentsMountAndExit() {
    QFETCH(QString, d);
    QFETCH(QString, e);
    QFETCH(QString, command);
    QFETCH(QStringList, expected);
    QCOMPARE(dosboxArguments(session("/emu dir", d, e, command)), expected);
}

void PlatformTest::startsDosBoxInTheEmulatorDirectory() {
    qputenv("ZEMPLO_DOSBOX", "/bin/true");
    RecordingStarter starter;
    DosBoxEnvironment dos(starter);
    QCOMPARE(dos.start(session("/emu", "/roms", "", "VGB.EXE")), QString());
    QCOMPARE(starter.m_program, QString("/bin/true"));
    QCOMPARE(starter.m_workingDirectory, QString("/emu"));
    QCOMPARE(starter.m_arguments, dosboxArguments(session("/emu", "/roms", "", "VGB.EXE")));
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
    QVERIFY(message.startsWith("The ROM cannot be played from its launch folder:\n" +
                               rom.fileName()));
    QVERIFY(starter.m_program.isEmpty());
}

QTEST_APPLESS_MAIN(PlatformTest)
#include "tst_platform.moc"
