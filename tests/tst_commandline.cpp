#include "commandline.h"
#include "settingsio.h"

#include <QtTest>

#include <functional>

namespace {

// The settings of the example launch: options that add nothing but the three fixed fragments.
LauncherSettings quietSettings() {
    LauncherSettings s;
    s.video = "0 - Video 320x200 Title screen";
    s.sound = "1 - Adlib";
    s.stereo = "1 - Normal Stereo";
    s.buttons = "0 - No Buttons swap";
    s.volume = 10;
    s.ifreq = 60;
    s.vblank = "100";
    s.uperiod = "2";
    s.colorScheme = "0 - Gray ColorScheme";
    return s;
}

const QString kFixed = " -volume  10 -vperiod 100 -uperiod 2";

using Change = std::function<void(LauncherSettings&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void exampleLaunch();
    void eachRowInItsPlace_data();
    void eachRowInItsPlace();
    void allRowsInTableOrder();
    void background();
    void tooLong_data();
    void tooLong();
};

void CommandLineTest::exampleLaunch() {
    LauncherSettings s = quietSettings();
    s.video = "1 - Video 320x200 No title screen";
    s.autoA = true;
    s.genie1 = "00A-17B-C49";
    s.vblank = "";
    s.uperiod = "2";
    s.colorScheme = "2 - Yellow/Blue ColorScheme";
    s.background = defaultBackgroundLabel();
    QCOMPARE(buildArguments(s, "C:\\GAMEBOY\\PUZZLE.GB", std::nullopt),
             QString("C:\\GAMEBOY\\PUZZLE.GB -video 1 -volume  10 -autoa 1 -cheat 00A-17B-C49 "
                     "-vperiod 10000 -uperiod 2 -colorscheme 2"));
}

void CommandLineTest::eachRowInItsPlace_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("arguments");
    const auto row = [](const char* name, Change change, const QString& arguments) {
        QTest::newRow(name) << change << arguments;
    };
    const QString v = " -volume  10";
    const QString tail = " -vperiod 100 -uperiod 2";
    row(
        "nothing extra", [](auto&) {}, v + tail);
    for (int d = 1; d <= 5; ++d)
        QTest::newRow(qPrintable(QString("video %1").arg(d)))
            << Change([d](LauncherSettings& s) { s.video = QString::number(d) + " - x"; })
            << QString(" -video %1").arg(d) + v + tail;
    row(
        "video typed 7 falls through", [](auto& s) { s.video = "7 - typed"; }, "7" + v + tail);
    row(
        "video empty", [](auto& s) { s.video = ""; }, v + tail);
    row(
        "video letter falls through", [](auto& s) { s.video = "x"; }, "x" + v + tail);
    row(
        "sound 0", [](auto& s) { s.sound = "0 - No Sound"; }, " -sound 0" + v + tail);
    row(
        "sound 2 falls through", [](auto& s) { s.sound = "2"; }, "2" + v + tail);
    row(
        "stereo 0", [](auto& s) { s.stereo = "0 - Mono"; }, " -stereo 0" + v + tail);
    row(
        "stereo 2", [](auto& s) { s.stereo = "2 - Reversed"; }, " -stereo 2" + v + tail);
    row(
        "stereo 3 falls through", [](auto& s) { s.stereo = "3"; }, "3" + v + tail);
    row(
        "volume 0", [](auto& s) { s.volume = 0; }, " -volume  0" + tail);
    row(
        "volume 15", [](auto& s) { s.volume = 15; }, " -volume  15" + tail);
    for (int d = 1; d <= 3; ++d)
        QTest::newRow(qPrintable(QString("swap %1").arg(d)))
            << Change([d](LauncherSettings& s) { s.buttons = QString::number(d); })
            << v + QString(" -swap %1").arg(d) + tail;
    row(
        "swap 4 falls through", [](auto& s) { s.buttons = "4"; }, v + "4" + tail);
    row(
        "auto A", [](auto& s) { s.autoA = true; }, v + " -autoa 1" + tail);
    row(
        "auto B", [](auto& s) { s.autoB = true; }, v + " -autob 1" + tail);
    row(
        "ifreq 59", [](auto& s) { s.ifreq = 59; }, v + " -ifreq  59" + tail);
    row(
        "ifreq 0", [](auto& s) { s.ifreq = 0; }, v + " -ifreq  0" + tail);
    row(
        "ifreq 60 says nothing", [](auto& s) { s.ifreq = 60; }, v + tail);
    row(
        "genie 2 alone", [](auto& s) { s.genie2 = "B"; }, v + " -cheat B" + tail);
    row(
        "genie 3 alone", [](auto& s) { s.genie3 = "C"; }, v + " -cheat C" + tail);
    row(
        "no delay", [](auto& s) { s.noDelay = true; }, v + " -nodelay" + tail);
    row(
        "no crc", [](auto& s) { s.noCrc = true; }, v + " -nocrc" + tail);
    row(
        "keys verbatim", [](auto& s) { s.keyMap = " a b "; }, v + " -keys  a b " + tail);
    row(
        "silent start", [](auto& s) { s.silentStart = true; }, v + " -verbose 0" + tail);
    row(
        "vblank empty", [](auto& s) { s.vblank = ""; }, v + " -vperiod 10000 -uperiod 2");
    row(
        "vblank blank", [](auto& s) { s.vblank = " "; }, v + " -vperiod   -uperiod 2");
    row(
        "uperiod empty", [](auto& s) { s.uperiod = ""; }, v + " -vperiod 100 -uperiod 2");
    row(
        "uperiod 5", [](auto& s) { s.uperiod = "5"; }, v + " -vperiod 100 -uperiod 5");
    row(
        "scheme 5", [](auto& s) { s.colorScheme = "5 - Amber"; }, v + tail + " -colorscheme 5");
    row(
        "scheme letter", [](auto& s) { s.colorScheme = "x"; }, v + tail + " -colorscheme x");
    row(
        "scheme empty", [](auto& s) { s.colorScheme = ""; }, v + tail + " -colorscheme ");
    row(
        "joypad off", [](auto& s) { s.joypadOff = true; }, v + tail + " -joystick 0");
}

void CommandLineTest::eachRowInItsPlace() {
    QFETCH(Change, change);
    QFETCH(QString, arguments);
    LauncherSettings s = quietSettings();
    change(s);
    QCOMPARE(buildArguments(s, QString(), std::nullopt), arguments);
}

void CommandLineTest::allRowsInTableOrder() {
    LauncherSettings s;
    s.video = "3";
    s.sound = "0";
    s.stereo = "2";
    s.volume = 7;
    s.buttons = "3";
    s.autoA = s.autoB = s.noDelay = s.noCrc = s.silentStart = s.joypadOff = true;
    s.ifreq = 100;
    s.genie1 = "G1";
    s.genie2 = "G2";
    s.genie3 = "G3";
    s.keyMap = "K";
    s.vblank = "V";
    s.uperiod = "U";
    s.colorScheme = "4";
    QCOMPARE(buildArguments(s, "D:\\R.GB", QString("BG.GIF")),
             QString("D:\\R.GB -video 3 -sound 0 -stereo 2 -volume  7 -swap 3 -autoa 1 -autob 1 "
                     "-ifreq  100 -cheat G1 -cheat G2 -cheat G3 -nodelay -nocrc -keys K "
                     "-verbose 0 -vperiod V -uperiod U -colorscheme 4 -background BG.GIF "
                     "-joystick 0"));
}

void CommandLineTest::background() {
    LauncherSettings s = quietSettings();
    QCOMPARE(buildArguments(s, {}, QString("GIFS\\SKY.GIF")),
             kFixed + " -background GIFS\\SKY.GIF");
    QCOMPARE(buildArguments(s, {}, std::nullopt), kFixed);
}

void CommandLineTest::tooLong_data() {
    QTest::addColumn<int>("pathLength");
    QTest::addColumn<int>("argumentLength");
    QTest::addColumn<bool>("refused");
    QTest::newRow("20 + 108") << 20 << 108 << false;
    QTest::newRow("20 + 109") << 20 << 109 << true;
    QTest::newRow("empty") << 0 << 0 << false;
    QTest::newRow("0 + 129") << 0 << 129 << true;
}

void CommandLineTest::tooLong() {
    QFETCH(int, pathLength);
    QFETCH(int, argumentLength);
    QFETCH(bool, refused);
    QCOMPARE(isCommandTooLong(QString(pathLength, 'p'), QString(argumentLength, 'a')), refused);
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
