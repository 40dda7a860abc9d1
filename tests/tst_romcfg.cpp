#include "linktrap.h"
#include "palettewizardmodel.h"
#include "romconfig.h"
#include "romconfigpath.h"
#include "romimage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

RomConfigContent contentWith(std::initializer_list<std::pair<int, Rgb>> colors, int brightness) {
    PaletteWizardModel model;
    for (const auto& [slot, rgb] : colors)
        model.assign(slot, rgb, rgbCode(rgb));
    return model.content(brightness);
}

// What a save puts on disk, byte for byte.
QByteArray renderRomConfig(const RomConfigContent& content) {
    QTemporaryDir dir;
    const QString path = dir.filePath("G.cfg");
    return writeRomConfig(path, content).isEmpty() ? readAll(path) : QByteArray("write failed");
}

} // namespace

class RomCfgTest : public QObject {
    Q_OBJECT
private slots:
    void writeReplacesALinkInsteadOfWritingThroughIt();
    // ---- Names ----
    void configPathAndBaseName_data();
    void configPathAndBaseName();

    // ---- Writing ----
    void wholeFileExampleByteForByte();
    void brightnessFields_data();
    void brightnessFields();
    void slotOrderIsFileOrder();
    void emptySaveLeavesNoFile();
    void failedWriteKeepsTheOldFile();

    // ---- Reading ----
    void brightnessRoundTrips_data();
    void brightnessRoundTrips();
    void markerLines_data();
    void markerLines();
    void fileWithoutMarker();

    // ---- The wizard's model ----
    void assignClearAndReset();
};

void RomCfgTest::configPathAndBaseName_data() {
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("base");
    QTest::newRow("DOS path") << "C:\\GAMEBOY\\PUZZLE.GB"
                              << "C:\\GAMEBOY\\PUZZLE.cfg"
                              << "PUZZLE";
    QTest::newRow("host path") << "/games/Puzzle.gb"
                               << "/games/Puzzle.cfg"
                               << "Puzzle";
    QTest::newRow("no folder") << "PUZZLE.GB"
                               << "PUZZLE.cfg"
                               << "PUZZLE";
    QTest::newRow("lower case") << "game.gb"
                                << "game.cfg"
                                << "game";
    QTest::newRow("colour ROM") << "GAME.GBC"
                                << "GAME.Gcfg"
                                << "GAME.";
    QTest::newRow("zipped, beside the zip") << "/games/Tetris (World).zip"
                                            << "/games/Tetris (World).cfg"
                                            << "Tetris (World)";
    QTest::newRow("a 7z of one ROM") << "/games/Tetris (World).7z"
                                     << "/games/Tetris (World).cfg"
                                     << "Tetris (World)";
    QTest::newRow("zipped, upper case") << "TETRIS.ZIP"
                                        << "TETRIS.cfg"
                                        << "TETRIS";
    QTest::newRow("three characters") << "/x/.gb"
                                      << "/x/.cfg"
                                      << "";
    QTest::newRow("one character") << "a"
                                   << ""
                                   << "";
}

void RomCfgTest::configPathAndBaseName() {
    QFETCH(QString, rom);
    QFETCH(QString, config);
    QFETCH(QString, base);
    QCOMPARE(romConfigPath(rom).value_or(QString()), config);
    QCOMPARE(romBaseName(rom), base);
    QCOMPARE(deleteButtonCaption(rom, true), "Kill " + base + ".cfg !");
    QCOMPARE(deleteButtonCaption(rom, false), QString("No .cfg file !"));
}

void RomCfgTest::wholeFileExampleByteForByte() {
    const RomConfigContent content = contentWith({{15, {16, 32, 160}}, {0, {255, 128, 0}}}, 50);
    QCOMPARE(renderRomConfig(content), QByteArray("-color0 #FF8000\r\n"
                                                  "-backgroundcolor3 #1020A0\r\n"
                                                  "-brightness  50\r\n"
                                                  "'Zemplo.CC0255128000CB3016032160CBR050\r\n"));
}

void RomCfgTest::brightnessFields_data() {
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("5") << 5 << "005" << QByteArray("-brightness  5");
    QTest::newRow("50") << 50 << "050" << QByteArray("-brightness  50");
    QTest::newRow("100") << 100 << "100" << QByteArray("-brightness  100");
    QTest::newRow("-20") << -20 << "-20" << QByteArray("-brightness -20");
    QTest::newRow("-50") << -50 << "-50" << QByteArray("-brightness -50");
    QTest::newRow("-5") << -5 << "-05" << QByteArray("-brightness -5");
    QTest::newRow("-100") << -100 << "-FF" << QByteArray("-brightness -100");
}

void RomCfgTest::brightnessFields() {
    QFETCH(int, brightness);
    QFETCH(QString, field);
    QFETCH(QByteArray, line);
    QCOMPARE(brightnessField(brightness), field);
    QCOMPARE(renderRomConfig(contentWith({}, brightness)),
             line + "\r\n'Zemplo.CBR" + field.toLatin1() + "\r\n");
}

void RomCfgTest::slotOrderIsFileOrder() {
    // Background colour clicked before window colour: the window colour still comes first.
    const RomConfigContent content = contentWith({{12, {1, 2, 3}}, {8, {4, 5, 6}}}, 0);
    QCOMPARE(renderRomConfig(content), QByteArray("-windowcolor0 #040506\r\n"
                                                  "-backgroundcolor0 #010203\r\n"
                                                  "'Zemplo.CW0004005006CB0001002003\r\n"));
}

void RomCfgTest::emptySaveLeavesNoFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("GAME.cfg");
    QCOMPARE(writeRomConfig(path, RomConfigContent{}), QString());
    QVERIFY(!QFile::exists(path));
    QVERIFY(writeFile(path, "-color0 #FFFFFF\r\n"));
    QCOMPARE(writeRomConfig(path, RomConfigContent{}), QString());
    QVERIFY(!QFile::exists(path));
}

void RomCfgTest::failedWriteKeepsTheOldFile() {
    QTemporaryDir dir;
    QVERIFY(!writeRomConfig(dir.filePath("missing/GAME.cfg"), contentWith({{0, {1, 1, 1}}}, 0))
                 .isEmpty());
    // A folder standing where the file should be cannot be replaced.
    QDir(dir.path()).mkdir("GAME.cfg");
    QVERIFY(!writeRomConfig(dir.filePath("GAME.cfg"), contentWith({{0, {1, 1, 1}}}, 0)).isEmpty());
    QVERIFY(QFileInfo(dir.filePath("GAME.cfg")).isDir());
    QVERIFY(!writeRomConfig(dir.filePath("GAME.cfg"), RomConfigContent{}).isEmpty());
}

void RomCfgTest::brightnessRoundTrips_data() {
    QTest::addColumn<int>("brightness");
    for (int b : {100, -100, 50, -20, -5, 1, -1, -9, -10, 99})
        QTest::newRow(qPrintable(QString::number(b))) << b;
}

void RomCfgTest::brightnessRoundTrips() {
    QFETCH(int, brightness);
    QTemporaryDir dir;
    const QString path = dir.filePath("G.cfg");
    QCOMPARE(writeRomConfig(path, contentWith({{3, {7, 8, 9}}}, brightness)), QString());
    const RomPalette palette = readRomConfig(path);
    QCOMPARE(palette.brightness, brightness);
    QVERIFY(palette.colors[3].has_value());
    QVERIFY(*palette.colors[3] == (Rgb{7, 8, 9}));
}

void RomCfgTest::markerLines_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("brightness");
    QTest::newRow("pure red") << "'Zemplo.CC0255000000" << 0 << 255 << 0 << 0 << 0;
    QTest::newRow("one digit short") << "'Zemplo.CC025500000" << 0 << 255 << 0 << 0 << 0;
    QTest::newRow("no tags") << "'Zemplo." << -1 << 0 << 0 << 0 << 0;
    QTest::newRow("later wins") << "'Zemplo.CC0255000000CC0000255000" << 0 << 0 << 255 << 0 << 0;
    QTest::newRow("hand-edited") << "'Zemplo.CS1abc12x255" << 5 << 0 << 12 << 255 << 0;
    QTest::newRow("out of range") << "'Zemplo.CW2999000300CBR500" << 10 << 255 << 0 << 255 << 100;
    QTest::newRow("prefix dropped by length")
        << "'XXXXXX.CB3001002003CBR-FF" << 15 << 1 << 2 << 3 << -100;
    QTest::newRow("unknown groups passed over")
        << "'Zemplo.XYZCC1010020030" << 1 << 10 << 20 << 30 << 0;
    QTest::newRow("brightness alone") << "'Zemplo.CBR050" << -1 << 0 << 0 << 0 << 50;
    QString long100 = "'Zemplo." + QString(100 * 3, 'x') + "CC0255255255";
    QTest::newRow("only 100 groups") << long100 << -1 << 0 << 0 << 0 << 0;
}

void RomCfgTest::markerLines() {
    QFETCH(QString, marker);
    QFETCH(int, slot);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("G.cfg"), "-color0 #123456\r\n" + marker.toLatin1() + "\r\n"));
    const RomPalette palette = readRomConfig(dir.filePath("G.cfg"));
    for (int i = 0; i < kSlotCount; ++i)
        QCOMPARE(palette.colors[i].has_value(), i == slot);
    if (slot >= 0) {
        QTEST(palette.colors[slot]->red, "red");
        QTEST(palette.colors[slot]->green, "green");
        QTEST(palette.colors[slot]->blue, "blue");
    }
    QTEST(palette.brightness, "brightness");
}

void RomCfgTest::fileWithoutMarker() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("G.cfg"), "-color0 #FF0000\r\n-brightness  50\r\n"));
    const RomPalette palette = readRomConfig(dir.filePath("G.cfg"));
    QVERIFY(std::none_of(palette.colors.begin(), palette.colors.end(),
                         [](const auto& c) { return c.has_value(); }));
    QCOMPARE(palette.brightness, 0);
    QVERIFY(writeFile(dir.filePath("E.cfg"), ""));
    QCOMPARE(readRomConfig(dir.filePath("E.cfg")).brightness, 0);
    QCOMPARE(readRomConfig(dir.filePath("none.cfg")).brightness, 0);
}

void RomCfgTest::assignClearAndReset() {
    PaletteWizardModel model;
    QVERIFY(!model.clearSelected()); // nothing selected: nothing happens
    model.assign(0, {5, 50, 255}, "#0532FF");
    QCOMPARE(model.line(0), QString("-color0 #0532FF"));
    QCOMPARE(model.tag(0), QString("CC0005050255"));
    QCOMPARE(model.selected(), std::optional<int>(0));
    QCOMPARE(model.clearSelected(), std::optional<int>(0));
    QVERIFY(!model.isSet(0));
    QVERIFY(!model.clearSelected());
    model.assign(4, {1, 2, 3}, "typed");
    QCOMPARE(model.line(4), QString("-spritecolor0 typed")); // the RGB box as it stood
    model.resetAll();
    QVERIFY(!model.isSet(4));
    QVERIFY(!model.selected());
    RomPalette palette;
    palette.colors[2] = Rgb{255, 0, 16};
    model.startFrom(palette);
    QCOMPARE(model.line(2), QString("-color2 #FF0010"));
    QCOMPARE(model.tag(2), QString("CC2255000016"));
    QVERIFY(!model.selected());
}

void RomCfgTest::writeReplacesALinkInsteadOfWritingThroughIt() {
    QTemporaryDir dir;
    const LinkTrap trap(dir.filePath("tetris.cfg"));
    RomConfigContent content;
    content.slotLines[0] = "-color0 #FF0000";
    content.slotTags[0] = "CC0255000000";
    QCOMPARE(writeRomConfig(trap.path, content), QString());
    QVERIFY(trap.heldSafely());
}

QTEST_APPLESS_MAIN(RomCfgTest)
#include "tst_romcfg.moc"
