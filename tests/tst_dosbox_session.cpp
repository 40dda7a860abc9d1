// The DOSBox session of a launch against real DOSBox: the user's own DOSBox configuration is
// read, but neither its [autoexec] nor its CPU settings can spoil a launch.
#include "appfolders.h"
#include "dosboxconfig.h"
#include "dosboxenvironment.h"
#include "dosboxrun.h"
#include "processstarter.h"
#include "romimage.h"
#include "scratchfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class DosBoxSessionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void userAutoexecThatMountsCDoesNotStopTheLaunch();
    void launcherSettingsWinOverTheUsers();
    void startsWithNoQuestionNoComplaintAndEndsWithTheProgram();

private:
    void writeUserConfig(const QByteArray& text);
    QTemporaryDir m_home;
    std::unique_ptr<ScratchFolder> m_dir;
};

void DosBoxSessionTest::initTestCase() {
    ZEMPLO_REQUIRE_END_TO_END();
    prepareHeadlessDosBoxEnvironment(m_home.path());
}

void DosBoxSessionTest::init() {
    m_dir = std::make_unique<ScratchFolder>(QStringList{"emu", "elsewhere", "roms"});
    QFile::remove(dosboxConfigPath(dosboxFlavourUnderTest()));
}

// What every DOSBox guide tells users to put into their DOSBox configuration.
void DosBoxSessionTest::writeUserConfig(const QByteArray& text) {
    QVERIFY(writeUserDosBoxConfig(m_home.path(), text));
}

void DosBoxSessionTest::userAutoexecThatMountsCDoesNotStopTheLaunch() {
    writeUserConfig("[autoexec]\nmount c \"" + m_dir->filePath("elsewhere").toUtf8() +
                    "\"\nc:\ncd \\\n");
    QVERIFY(QFile::copy(standinExecutable(), m_dir->filePath("emu/VGB.EXE")));
    QVERIFY(writeFile(m_dir->filePath("roms/PUZZLE.GB"), "PUZZLE-ROM-DATA."));
    DosSession session;
    session.cDirectory = m_dir->filePath("emu");
    session.dDirectory = m_dir->filePath("roms");
    session.commandLine = "VGB.EXE D:\\PUZZLE.GB -video 1 -nocrc";

    QtProcessStarter starter;
    DosBoxEnvironment dos(starter);
    QCOMPARE(dos.start(session), QString());
    const StandinRecord record = waitForRecord(session.cDirectory, 60000);
    QCOMPARE(record.value("DIR"), QString("C:\\"));
    QCOMPARE(record.value("TAIL"), QString(" D:\\PUZZLE.GB -video 1 -nocrc"));
    QCOMPARE(record.value("ROMDATA"), QString("PUZZLE-ROM-DATA."));
    QVERIFY(QDir(m_dir->filePath("elsewhere")).isEmpty());
    const DosBoxFlavour flavour = dosboxFlavourUnderTest();
    QCOMPARE(readAll(dosboxConfigPath(flavour)), dosboxConfigText(flavour));
}

// The user's configuration slows a DOS program to a crawl; with the launcher's settings file
// given too, the same program runs many times faster in the same test, so the file won.
void DosBoxSessionTest::launcherSettingsWinOverTheUsers() {
    writeUserConfig("[cpu]\ncore=normal\ncycles=fixed 500\n");
    QVERIFY(QFile::copy(QStringLiteral(ZEMPLO_SPEED_COM), m_dir->filePath("emu/SPEED.COM")));
    DosSession session;
    session.cDirectory = m_dir->filePath("emu");
    session.commandLine = "SPEED 9 9";
    const auto countWith = [&](const QString& config) {
        QFile::remove(m_dir->filePath("emu/SPEED.TXT"));
        runDosBoxWith(dosboxArgumentsUnderTest(session, config), session.cDirectory, m_home.path());
        return readRecord(m_dir->filePath("emu/SPEED.TXT")).value("COUNT").toLongLong();
    };
    const qint64 usersAlone = countWith(QString());
    const qint64 launchers = countWith(provideDosBoxConfigUnderTest(launcherConfigFolder()));
    QVERIFY2(usersAlone > 0, "the speed program wrote no count");
    QVERIFY2(launchers > 10 * usersAlone,
             qPrintable(QStringLiteral("%1 against %2").arg(launchers).arg(usersAlone)));
}

// DOSBox-X would ask for a working folder (for ever, with nobody to answer), Staging would stay
// open after a program that quits at once, and either would warn about a switch or a setting
// of 0.74-3's: none of that with what a launch gives each.
void DosBoxSessionTest::startsWithNoQuestionNoComplaintAndEndsWithTheProgram() {
    QVERIFY(QFile::copy(standinExecutable(), m_dir->filePath("emu/VGB.EXE")));
    DosSession session;
    session.cDirectory = m_dir->filePath("emu");
    session.commandLine = "VGB.EXE -nocrc";
    const DosBoxExit exit = runDosBoxWith(
        dosboxArgumentsUnderTest(session, provideDosBoxConfigUnderTest(m_home.path())),
        session.cDirectory, m_home.path());
    QVERIFY2(exit.endedByItself, exit.output.right(2000).constData());
    QCOMPARE(dosboxComplaints(exit.output), QStringList());
    QCOMPARE(readRecord(m_dir->filePath("emu/RECORD.TXT")).value("TAIL"), QString(" -nocrc"));
}

ZEMPLO_DOSBOX_TEST_MAIN(DosBoxSessionTest, QCoreApplication)
#include "tst_dosbox_session.moc"
