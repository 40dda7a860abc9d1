#include "gameconfigfile.h"
#include "inisettingsstore.h"
#include "romimage.h"
#include "settingsio.h"
#include "version.h"
#include "zipbuilder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run runLauncher(const QStringList& arguments, const QString& configHome,
                const QString& workingDirectory = QString()) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome);
    env.insert("XDG_CACHE_HOME", QFileInfo(configHome).absolutePath() + "/cache");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(env);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(ZEMPLO_APP_EXE), arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}, QStringLiteral("timed out")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void printsTheExampleCommandLine();
    void relativeRomTakenFromTheWorkingDirectory();
    void firstUseStopsAtTheMissingEmulatorAndWritesNothing();
    void helpAndVersion();
    void headerLines();
    void printsTheCommandOfAGameFile();
    void exportsTheRomList();
    void wrongUseGivesTheUsage_data();
    void wrongUseGivesTheUsage();
    void namedFileRefused_data();
    void namedFileRefused();
    void namesWithControlCharactersStayOnTheirLine();
};

void CliTest::printsTheExampleCommandLine() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("some/emu");
    QDir(dir.path()).mkpath("some/dir");
    touch(dir.filePath("some/emu/VGB.EXE"));
    touch(dir.filePath("some/dir/PUZZLE.GB"));
    const QString config = dir.filePath("config");
    {
        IniSettingsStore store(config + "/Zemplo97/Zemplo97.ini");
        LauncherSettings s = firstUseSettings();
        s.emulatorPath = dir.filePath("some/emu/VGB.EXE");
        s.video = "1 - Video 320x200 No title screen";
        s.stereo = "1 - Normal Stereo";
        s.autoA = true;
        s.vblank = "";
        s.silentStart = false;
        s.colorScheme = "2 - Yellow/Blue ColorScheme";
        QVERIFY(saveSettings(store, s));
    }
    const QByteArray before = [&] {
        QFile f(config + "/Zemplo97/Zemplo97.ini");
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const Run run = runLauncher({"--print-command", dir.filePath("some/dir/PUZZLE.GB")}, config);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString("VGB.EXE D:\\PUZZLE.GB -video 1 -volume  10 -autoa 1 "
                              "-vperiod 10000 -uperiod 2 -colorscheme 2\n"));
    QFile after(config + "/Zemplo97/Zemplo97.ini");
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
}

void CliTest::relativeRomTakenFromTheWorkingDirectory() {
    QTemporaryDir dir;
    touch(dir.filePath("VGB.EXE"));
    touch(dir.filePath("Super Mario Land.gb"));
    const QString config = dir.filePath("config");
    {
        IniSettingsStore store(config + "/Zemplo97/Zemplo97.ini");
        LauncherSettings s = firstUseSettings();
        s.emulatorPath = dir.filePath("VGB.EXE");
        QVERIFY(saveSettings(store, s));
    }
    // Words after the program name are joined by blanks into one argument.
    const Run run =
        runLauncher({"--print-command", "Super", "Mario", "Land.gb"}, config, dir.path());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith("VGB.EXE D:\\SUPERMAR.GB -volume  10"), qPrintable(run.out));
    QVERIFY(!QFileInfo::exists(dir.filePath("cache"))); // the launch folder is not made

    const Run mounts =
        runLauncher({"--print-command", "--mounts", "Super Mario Land.gb"}, config, dir.path());
    QCOMPARE(mounts.status, 0);
    const QStringList lines = mounts.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1], "C: " + dir.path());
    QVERIFY2(lines[2].startsWith("D: " + dir.filePath("cache/Zemplo97/")), qPrintable(lines[2]));
    QVERIFY(lines[2].endsWith("/drive"));
    QVERIFY(!QFileInfo::exists(dir.filePath("cache")));

    // The whole DOSBox invocation, as play starts it; not even the settings file is made.
    const Run dosbox =
        runLauncher({"--print-command", "--dosbox", "Super Mario Land.gb"}, config, dir.path());
    QCOMPARE(dosbox.status, 0);
    const QStringList words = dosbox.out.split('\n', Qt::SkipEmptyParts);
    const QString settingsFile = config + "/Zemplo97/dosbox.conf";
    QCOMPARE(words.mid(1, 6), (QStringList{"-userconf", "-conf", settingsFile, "-noautoexec", "-c",
                                           "mount c \"" + dir.path() + "\""}));
    QVERIFY(QFileInfo(words.value(0)).isExecutable());
    QCOMPARE(words.mid(words.size() - 6),
             (QStringList{"-c", "c:", "-c", run.out.trimmed(), "-c", "exit"}));
    QVERIFY(!QFileInfo::exists(settingsFile));
    QVERIFY(!QFileInfo::exists(dir.filePath("cache")));
}

void CliTest::firstUseStopsAtTheMissingEmulatorAndWritesNothing() {
    QTemporaryDir dir;
    const QString config = dir.filePath("config");
    const Run run = runLauncher({"--print-command"}, config);
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains("VGB DOS Not found ! Check your path !"), qPrintable(run.err));
    QVERIFY(run.err.contains("C:\\GAMEBOY\\VGB-DOS.EXE"));
    QVERIFY(!QFileInfo::exists(config));
}

void CliTest::helpAndVersion() {
    QTemporaryDir dir;
    Run run = runLauncher({"--version"}, dir.path());
    QCOMPARE(run.status, 0);
    // The first line as it always was, then the licence as GNU programs give it.
    const QStringList lines = run.out.split('\n');
    QCOMPARE(lines.value(0), QString("Zemplo 97 v%1 for VGB-DOS v0.85").arg(kProductVersion));
    QCOMPARE(lines.value(1), QString("Copyright (C) 2026 The Zemplo 97 developers"));
    QVERIFY(lines.value(2).startsWith("License GPLv3+: GNU GPL version 3 or later"));
    run = runLauncher({"--help"}, dir.path());
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("--print-command"));
}

void CliTest::headerLines() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("a.gb"), romImage("TETRIS", 0x00, 0x00)));
    QVERIFY(writeFile(dir.filePath("b.gb"), romImage("ZELDA 0", 0x03, 0x04)));
    Run run = runLauncher({"--header", dir.filePath("a.gb"), dir.filePath("b.gb")}, dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, dir.filePath("a.gb") + "\tTETRIS\tROM ONLY\t256KBit\n" +
                          dir.filePath("b.gb") + "\tZELDA \tROM+MBC1+RAM+BATTERY\t4M-Bit\n");
    run = runLauncher({"--header", dir.filePath("gone.gb"), dir.filePath("a.gb")}, dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, dir.filePath("a.gb") + "\tTETRIS\tROM ONLY\t256KBit\n");
    QVERIFY(run.err.startsWith(dir.filePath("gone.gb") + ": "));
    // A named pipe is refused at once instead of waiting for a writer that never comes.
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.gb")).constData(), 0600) == 0);
    run = runLauncher({"--header", dir.filePath("pipe.gb"), dir.filePath("a.gb")}, dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, dir.filePath("a.gb") + "\tTETRIS\tROM ONLY\t256KBit\n");
    QVERIFY2(run.err.startsWith(dir.filePath("pipe.gb") + ": not a regular file"),
             qPrintable(run.err));
}

void CliTest::printsTheCommandOfAGameFile() {
    QTemporaryDir dir;
    touch(dir.filePath("VGB.EXE"));
    touch(dir.filePath("PUZZLE.GB"));
    const QString config = dir.filePath("config");
    LauncherSettings s = firstUseSettings();
    s.emulatorPath = dir.filePath("VGB.EXE");
    {
        IniSettingsStore store(config + "/Zemplo97/Zemplo97.ini");
        QVERIFY(saveSettings(store, s));
    }
    s.romPath = dir.filePath("PUZZLE.GB");
    s.genie1 = "00A-17B-C49";
    s.genie3 = "01B";
    s.noCrc = true;
    s.volume = 3;
    QCOMPARE(writeGameConfig(dir.filePath("Puzzle.Zemplo"), s), QString());
    Run run = runLauncher({"--print-command", dir.filePath("Puzzle.Zemplo")}, config);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString("VGB.EXE D:\\PUZZLE.GB -volume  3 -cheat 00A-17B-C49 -cheat 01B "
                              "-nocrc -verbose 0 -vperiod 100 -uperiod 2\n"));

    QVERIFY(writeFile(dir.filePath("bad.zemplo"), "[Zemplo Gameboy Game Setting] \r\n"));
    for (const char* name : {"bad.zemplo", "gone.zemplo"}) {
        run = runLauncher({"--print-command", dir.filePath(name)}, config);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(name == QLatin1String("bad.zemplo")
                                        ? "Info !: "
                                        : "zemplo97: " + dir.filePath(name) + ": no such file"),
                 qPrintable(run.err));
    }
}

void CliTest::exportsTheRomList() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("MyGame.gb"), romImage("MYGAME", 0x00, 0x00)));
    Run run = runLauncher({"--export-list", "."}, dir.path(), dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, dir.filePath("GB_Roms.txt") + "\n");
    QFile text(dir.filePath("GB_Roms.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(text.readAll().contains("|MyGame.gb            | MYGAME "));

    run = runLauncher({"--export-list", dir.path(), "--html", "--zip-names"}, dir.path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, dir.filePath("GB_Roms.html") + "\n");
    QFile page(dir.filePath("GB_Roms.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("<a href=\"mygame.zip\"><font"));

    run = runLauncher({"--export-list", dir.filePath("gone")}, dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith("zemplo97: the ROM folder cannot be read: " + dir.filePath("gone") +
                                ": "),
             qPrintable(run.err));
    run = runLauncher({"--export-list"}, dir.path());
    QCOMPARE(run.status, 2);
    QVERIFY(run.err.contains("Usage:"));
}

void CliTest::wrongUseGivesTheUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "unknown option --frobnicate";
    QTest::newRow("unknown beside a verb")
        << QStringList{"--print-command", "--verbose"} << "unknown option --verbose";
    QTest::newRow("header without a ROM") << QStringList{"--header"} << "--header needs";
    QTest::newRow("export without a folder") << QStringList{"--export-list"} << "--export-list";
    QTest::newRow("single dash") << QStringList{"-x"} << "unknown option -x";
    QTest::newRow("single-dash word") << QStringList{"-version"} << "unknown option -version";
    QTest::newRow("modifier alone")
        << QStringList{"--mounts"} << "--mounts goes with --print-command";
    QTest::newRow("html alone") << QStringList{"--html", "d"} << "--html goes with --export-list";
    QTest::newRow("zip names with another verb")
        << QStringList{"--header", "a.gb", "--zip-names"} << "--zip-names goes with --export-list";
    QTest::newRow("two verbs") << QStringList{"--header", "--export-list", "d"}
                               << "--header and --export-list cannot be used together";
    QTest::newRow("mounts and dosbox")
        << QStringList{"--print-command", "--mounts", "--dosbox"} << "--mounts and --dosbox";
}

// Right use of a verb on something that is not there or not the right kind: a message and
// status 1, never a command without a ROM or a list written elsewhere.
void CliTest::namedFileRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing ROM") << QStringList{"--print-command", "missing.gb"}
                                 << "zemplo97: missing.gb: no such file";
    QTest::newRow("folder") << QStringList{"--print-command", "folder.gb"}
                            << "zemplo97: folder.gb: not a regular file";
    QTest::newRow("pipe") << QStringList{"--print-command", "pipe.gb"}
                          << "zemplo97: pipe.gb: not a regular file";
    QTest::newRow("text file")
        << QStringList{"--print-command", "x.txt"}
        << "zemplo97: x.txt: neither a ROM (.gb, .zip, .7z or ARCHIVE#ENTRY) "
           "nor a game file";
    QTest::newRow("an archive of several ROMs, none named")
        << QStringList{"--header", "Set.7z"}
        << "Set.7z: it holds 2 Game Boy ROMs: a.gb, b.gb. Name the one to play after a #";
    QTest::newRow("empty folder argument")
        << QStringList{"--export-list", ""} << "zemplo97: the ROM folder cannot be read: an empty";
    QTest::newRow("missing folder")
        << QStringList{"--export-list", "nowhere"} << "zemplo97: the ROM folder cannot be read: ";
    QTest::newRow("empty header argument")
        << QStringList{"--header", ""} << "zemplo97: an empty argument names no ROM";
}

void CliTest::namedFileRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir dir;
    touch(dir.filePath("x.txt"));
    QVERIFY(writeFile(dir.filePath("Set.7z"), buildZip({{"a.gb", "A"}, {"b.gb", "B"}})));
    QVERIFY(QDir(dir.path()).mkdir("folder.gb"));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe.gb")).constData(), 0600) == 0);
    const Run run = runLauncher(arguments, dir.filePath("config"), dir.path());
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
    QVERIFY(!run.err.contains("Usage"));
    QVERIFY(!QFileInfo::exists(dir.filePath("GB_Roms.txt")));
}

// Names with control characters or bytes that are not UTF-8: every output shows them as "?"
// and keeps one line per ROM; the page links the raw bytes.
void CliTest::namesWithControlCharactersStayOnTheirLine() {
    QTemporaryDir dir;
    const QList<QByteArray> names = {"cr\rname.gb", "lf\nname.gb", "esc\x1b[2Jname.gb",
                                     "latin\xe9.gb"};
    const QByteArray rom = romImage("TITLE", 0, 0);
    for (const QByteArray& name : names) { // by their bytes: Qt would not keep a non-UTF-8 one
        const int fd = ::open(QFile::encodeName(dir.path()) + "/" + name, O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0 && ::write(fd, rom.constData(), size_t(rom.size())) == rom.size());
        ::close(fd);
    }
    const Run header =
        runLauncher({"--header", QFile::decodeName(names[2])}, dir.filePath("config"), dir.path());
    QCOMPARE(header.status, 0);
    QCOMPARE(header.out, QString("esc?[2Jname.gb\tTITLE\tROM ONLY\t256KBit\n"));

    const Run list = runLauncher({"--export-list", "."}, dir.filePath("config"), dir.path());
    QCOMPARE(list.status, 0);
    QVERIFY(!list.out.contains('\x1b'));
    const QByteArray text = readAll(dir.filePath("GB_Roms.txt"));
    QCOMPARE(text.count("\r\n"), 5 + names.size());
    for (const char* shown : {"|cr?name.gb ", "|lf?name.gb ", "|esc?[2Jname.gb "})
        QVERIFY2(text.contains(shown), shown);
    QVERIFY(!text.contains('\x1b'));

    QCOMPARE(
        runLauncher({"--export-list", ".", "--html"}, dir.filePath("config"), dir.path()).status,
        0);
    QVERIFY(readAll(dir.filePath("GB_Roms.html")).contains("<a href=\"latin%E9.gb\""));
}

void CliTest::wrongUseGivesTheUsage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    // No display either: without the check the window would be tried and fail otherwise.
    const Run run = runLauncher(arguments, dir.path());
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.startsWith("zemplo97: " + problem), qPrintable(run.err));
    QVERIFY(run.err.contains("Usage: zemplo97"));
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
