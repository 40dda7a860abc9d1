// Real DOSBox running the stand-in emulator: the path EightPointThree gives must open the
// very ROM it was taken from.
#include "dosboxrun.h"
#include "dosname.h"
#include "dossession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class DosBoxNamesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void standinOpensTheRomUnderItsDosPath_data();
    void standinOpensTheRomUnderItsDosPath();
    void longestMountLineDosBoxTakes_data();
    void longestMountLineDosBoxTakes();

private:
    QTemporaryDir m_home;
};

void DosBoxNamesTest::initTestCase() {
    ZEMPLO_REQUIRE_END_TO_END();
}

void DosBoxNamesTest::standinOpensTheRomUnderItsDosPath_data() {
    QTest::addColumn<QStringList>("roms");
    QTest::newRow("8.3 name") << QStringList{"PUZZLE.GB"};
    QTest::newRow("lower case") << QStringList{"tetris.gb"};
    QTest::newRow("long name with blanks") << QStringList{"Kirby's Dream Land.gb"};
    QTest::newRow("shared prefix")
        << QStringList{"Super Mario Land.gb", "Super Mario Land 2.gb", "Super Mario Land 3.gb"};
    QTest::newRow("letter-case clash") << QStringList{"zelda.gb", "ZELDA.GB", "Zelda.gb"};
}

void DosBoxNamesTest::standinOpensTheRomUnderItsDosPath() {
    QFETCH(QStringList, roms);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("emu");
    QDir(dir.path()).mkpath("roms");
    QVERIFY(QFile::copy(standinExecutable(), dir.filePath("emu/VGB.EXE")));
    for (int i = 0; i < roms.size(); ++i) {
        QFile rom(dir.filePath("roms/" + roms[i]));
        QVERIFY(rom.open(QIODevice::WriteOnly));
        rom.write(QStringLiteral("ROM-NUMBER-%1...").arg(i, 2, 10, QLatin1Char('0')).toLatin1());
    }
    QSet<QString> dosPaths;
    for (int i = 0; i < roms.size(); ++i) {
        const QString dosPath = EightPointThree(dir.filePath("roms/" + roms[i]));
        QVERIFY2(!dosPath.isEmpty(), qPrintable(roms[i]));
        dosPaths.insert(dosPath);
        const QString command = "VGB.EXE " + dosPath + " -volume  10";
        const StandinRecord record =
            runDosBox({dir.filePath("emu"), dir.filePath("roms"), QString(), command, std::nullopt},
                      m_home.path());
        QCOMPARE(record.value("DIR"), QString("C:\\"));
        QCOMPARE(record.value("TAIL"), " " + command.mid(8));
        QCOMPARE(record.value("ROM"), dosPath);
        QCOMPARE(record.value("ROMOPEN"), QString("YES"));
        QCOMPARE(record.value("ROMDATA"),
                 QStringLiteral("ROM-NUMBER-%1...").arg(i, 2, 10, QLatin1Char('0')));
    }
    QCOMPARE(dosPaths.size(), roms.size());
}

void DosBoxNamesTest::longestMountLineDosBoxTakes_data() {
    QTest::addColumn<int>("extra");
    QTest::newRow("at the limit") << 0;
    QTest::newRow("one byte more") << 1;
}

void DosBoxNamesTest::longestMountLineDosBoxTakes() {
    QFETCH(int, extra);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("emu"));
    QVERIFY(QFile::copy(standinExecutable(), dir.filePath("emu/VGB.EXE")));
    // A ROM folder whose mount line is exactly the longest the launcher lets through, or one
    // byte longer.
    const int overhead = int(dosboxMountLine('d', dir.path() + "/").toUtf8().size());
    const int room = kMaxDosBoxLine + extra - overhead;
    QVERIFY(room > 4);
    const QString roms =
        dir.filePath(QString(room / 2, 'r') + "/" + QString(room - room / 2 - 1, 's'));
    QVERIFY(QDir().mkpath(roms));
    QCOMPARE(int(dosboxMountLine('d', roms).toUtf8().size()), kMaxDosBoxLine + extra);
    QCOMPARE(fitsDosBoxLine(dosboxMountLine('d', roms)), extra == 0);
    QFile rom(roms + "/PUZZLE.GB");
    QVERIFY(rom.open(QIODevice::WriteOnly));
    rom.write("DEEP-FOLDER-ROM.");
    rom.close();
    const StandinRecord record =
        runDosBox({dir.filePath("emu"), roms, QString(), "VGB.EXE D:\\PUZZLE.GB", std::nullopt},
                  m_home.path());
    if (extra == 0) {
        QCOMPARE(record.value("ROMOPEN"), QString("YES"));
        QCOMPARE(record.value("ROMDATA"), QString("DEEP-FOLDER-ROM."));
    } else if (dosboxFlavourUnderTest() == DosBoxFlavour::Classic) {
        // The forks take longer lines; the launcher keeps 0.74-3's limit for all of them.
        QVERIFY2(record.isEmpty(), "DOSBox 0.74 took a longer mount line: the limit can grow");
    }
}

ZEMPLO_DOSBOX_TEST_MAIN(DosBoxNamesTest, QCoreApplication)
#include "tst_dosbox_names.moc"
