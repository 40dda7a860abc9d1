// scripts/demo's set-up, played through the main window in real DOSBox: the stand-in shows and
// records what it received.
#include "dosboxenvironment.h"
#include "dosboxrun.h"
#include "inisettingsstore.h"
#include "pad.h"
#include "processstarter.h"
#include "recordingprompter.h"
#include "scratchfolder.h"

#include <QApplication>
#include <QProcess>
#include <QtTest>

class DemoTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void playShowsWhatTheStandInReceived();

private:
    ScratchFolder m_dir;
};

void DemoTest::initTestCase() {
    ZEMPLO_REQUIRE_END_TO_END();
    prepareHeadlessDosBoxEnvironment(m_dir.filePath("home"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath("cache")));
    QProcess prepare;
    prepare.start("bash", {QStringLiteral(ZEMPLO_SOURCE_DIR "/scripts/demo"), "--prepare",
                           m_dir.path(), standinExecutable()});
    QVERIFY(prepare.waitForFinished(30000));
    QCOMPARE(prepare.exitCode(), 0);
}

void DemoTest::playShowsWhatTheStandInReceived() {
    IniSettingsStore store(m_dir.filePath("config/Zemplo97/Zemplo97.ini"));
    RecordingPrompter prompter;
    QtProcessStarter starter;
    DosBoxEnvironment dos(starter);
    Pad pad(PadServices{prompter, store, dos});
    QVERIFY(pad.Form_Load(m_dir.filePath("roms/Super Mario Land (World).gb")));
    pad.show();
    QTest::mouseClick(pad.findChild<QWidget*>("Picture5"), Qt::LeftButton);
    QVERIFY2(prompter.m_prompts.isEmpty(), qPrintable(prompter.m_prompts.value(0).text));
    const StandinRecord record = waitForRecord(m_dir.filePath("emu"), 60000);
    QCOMPARE(record.value("TAIL"),
             QString(" D:\\SUPERMAR.GB -video 1 -volume  10 -vperiod 100 -uperiod 2"));
    QCOMPARE(record.value("TITLE"), QString("SUPER MARIOLAND"));
    QCOMPARE(record.value("PALETTE"), QString("-color0 #FF0000"));
}

ZEMPLO_DOSBOX_TEST_MAIN(DemoTest, QApplication)
#include "tst_demo.moc"
