#include "gameconfigfile.h"
#include "linktrap.h"
#include "programargument.h"
#include "romimage.h"
#include "settingsio.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ArgumentKind)
Q_DECLARE_METATYPE(GameConfigError)

namespace {

using LineEdits = QList<QPair<int, QString>>; // line number from 1, new text; empty text and
                                              // a negative line number cut the file there

LauncherSettings aGame() {
    LauncherSettings s = firstUseSettings();
    s.romPath = "/games/PUZZLE.GB";
    s.romName = "PUZZLE";
    s.genie1 = "00A-17B-C49";
    s.genie3 = "FFF-FFF-FFF";
    s.keyMap = "1e 1f 20";
    s.noDelay = true;
    s.autoB = true;
    return s;
}

} // namespace

class GameConfigTest : public QObject {
    Q_OBJECT
private slots:
    void saveReplacesALinkInsteadOfWritingThroughIt();
    void classifiesByTheLastThreeCharacters_data();
    void classifiesByTheLastThreeCharacters();
    void joinsWordsLeavingOutOwnOptions();

    void writesTheFirstUseValuesByteForByte();
    void savePath_data();
    void savePath();
    void readsWhatWasWritten();
    void readerLines_data();
    void readerLines();
    void latin1FileAndLastLineWithoutEnd();
    void unreadableFilesSayWhy();
};

void GameConfigTest::classifiesByTheLastThreeCharacters_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<ArgumentKind>("kind");
    QTest::newRow("none") << "" << ArgumentKind::None;
    QTest::newRow("rom") << "/games/PUZZLE.GB" << ArgumentKind::Rom;
    QTest::newRow("rom lower case") << "/games/puzzle.gb" << ArgumentKind::Rom;
    QTest::newRow("zipped rom") << "/games/Tetris (World).Zip" << ArgumentKind::Rom;
    QTest::newRow("configuration") << "/games/Puzzle.Zemplo" << ArgumentKind::GameConfiguration;
    QTest::newRow("short configuration") << "PUZZLE~1.ZEM" << ArgumentKind::GameConfiguration;
    QTest::newRow("quoted") << "\"/games/PUZZLE.GB\"" << ArgumentKind::Ignored;
    QTest::newRow("colour rom") << "/games/PUZZLE.GBC" << ArgumentKind::Ignored;
    QTest::newRow("two letters") << "gb" << ArgumentKind::Ignored;
}

void GameConfigTest::classifiesByTheLastThreeCharacters() {
    QFETCH(QString, argument);
    QFETCH(ArgumentKind, kind);
    QCOMPARE(classifyArgument(argument), kind);
}

void GameConfigTest::joinsWordsLeavingOutOwnOptions() {
    QCOMPARE(argumentText({"/my", "games/Super", "Mario.gb"}), QString("/my games/Super Mario.gb"));
    QCOMPARE(argumentText({"--print-command", "/a.gb"}), QString("/a.gb"));
    QCOMPARE(argumentText({}), QString());
}

// ---- Writing ----

void GameConfigTest::writesTheFirstUseValuesByteForByte() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Puzzle.Zemplo");
    QCOMPARE(writeGameConfig(path, aGame()), QString());
    QCOMPARE(readAll(path), QByteArray("[Zemplo Gameboy Game Setting]\r\n"
                                       "By Korvid - Korvid\r\n"
                                       "http://zemplo97.example.org\r\n"
                                       "-------------Settings---------------\r\n"
                                       "/games/PUZZLE.GB\r\n"
                                       "PUZZLE\r\n"
                                       "00A-17B-C49\r\n"
                                       "\r\n"
                                       "FFF-FFF-FFF\r\n"
                                       "off\r\n"
                                       "on\r\n"
                                       "on\r\n"
                                       " 60\r\n"
                                       "1e 1f 20\r\n"
                                       "0 - Video 320x200 Title screen\r\n"
                                       "1 - Adlib\r\n"
                                       "1 - Normal St\xC3\xA9r\xC3\xA9o\r\n"
                                       "0 - No Buttons swap\r\n"
                                       "100\r\n"
                                       "2\r\n"
                                       " 10\r\n"
                                       "off\r\n"
                                       "on\r\n"));
}

void GameConfigTest::savePath_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("suffix added") << "/games"
                                  << "Puzzle"
                                  << "/games/Puzzle.Zemplo";
    QTest::newRow("lower-case suffix kept") << "/games"
                                            << "puzzle.zemplo"
                                            << "/games/puzzle.zemplo";
    QTest::newRow("upper-case suffix kept") << "/games"
                                            << "PUZZLE.ZEMPLO"
                                            << "/games/PUZZLE.ZEMPLO";
    QTest::newRow("ends in zemplo without dot") << "/g"
                                                << "myzemplo"
                                                << "/g/myzemplo";
    QTest::newRow("suffix not at the end") << "/g"
                                           << "a.zemplo.bak"
                                           << "/g/a.zemplo.bak.Zemplo";
    QTest::newRow("root") << "/"
                          << "Puzzle"
                          << "/Puzzle.Zemplo";
}

void GameConfigTest::savePath() {
    QFETCH(QString, directory);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(gameConfigSavePath(directory, name), path);
}

// ---- Reading ----

void GameConfigTest::readsWhatWasWritten() {
    const LauncherSettings written = aGame();
    const GameConfigRead read = applyGameConfig(renderGameConfig(written), firstUseSettings());
    QVERIFY(read.settings);
    QCOMPARE(renderGameConfig(*read.settings), renderGameConfig(written));
    QCOMPARE(read.settings->romPath, written.romPath);
    // Members the file does not hold stay as they were.
    LauncherSettings other = firstUseSettings();
    other.emulatorPath = "/emu/VGB.EXE";
    other.colorScheme = "3 - Green";
    other.joypadOff = true;
    const GameConfigRead over = applyGameConfig(renderGameConfig(written), other);
    QCOMPARE(over.settings->emulatorPath, other.emulatorPath);
    QCOMPARE(over.settings->colorScheme, other.colorScheme);
    QCOMPARE(over.settings->joypadOff, true);
}

void GameConfigTest::readerLines_data() {
    // Each row edits a written file, reads it over a window whose boxes are all checked, and
    // looks at one line of what the window then holds, written out again.
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<GameConfigError>("error");
    QTest::addColumn<QString>("shown");
    const auto ok = GameConfigError::None;
    QTest::newRow("off leaves no CRC checked") << 10 << "off" << ok << "on";
    QTest::newRow("On is not on") << 22 << "On" << ok << "on";
    QTest::newRow("empty leaves checked") << 23 << "" << ok << "on";
    QTest::newRow("ifreq above range") << 13 << "250" << ok << " 100";
    QTest::newRow("ifreq huge") << 13 << "99999999999" << ok << " 100";
    QTest::newRow("volume below range") << 21 << "-3" << ok << " 0";
    QTest::newRow("volume half to even") << 21 << " 6.5" << ok << " 6";
    QTest::newRow("volume not a number") << 21 << "loud" << ok << " 0";
    QTest::newRow("key map verbatim") << 14 << "  a b  " << ok << "  a b  ";
    QTest::newRow("header with trailing blank")
        << 1 << "[Zemplo Gameboy Game Setting] " << GameConfigError::WrongHeader << "";
    QTest::newRow("header in other case")
        << 1 << "[ZEMPLO GAMEBOY GAME SETTING]" << GameConfigError::WrongHeader << "";
    QTest::newRow("header only") << -2 << "" << GameConfigError::TooShort << "";
    QTest::newRow("cut before line 23") << -23 << "" << GameConfigError::TooShort << "";
    QTest::newRow("empty file") << -1 << "" << GameConfigError::WrongHeader << "";
}

void GameConfigTest::readerLines() {
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(GameConfigError, error);
    QFETCH(QString, shown);
    LauncherSettings current = firstUseSettings();
    current.noCrc = current.noDelay = current.silentStart = current.autoA = current.autoB = true;
    LauncherSettings file = aGame();
    file.noCrc = file.autoA = file.autoB = false;
    QStringList lines = renderGameConfig(file);
    if (line > 0)
        lines[line - 1] = text;
    else
        lines = lines.mid(0, -line - 1);

    const GameConfigRead read = applyGameConfig(lines, current);
    QCOMPARE(read.error, error);
    QCOMPARE(bool(read.settings), error == GameConfigError::None);
    if (read.settings)
        QCOMPARE(renderGameConfig(*read.settings).at(line - 1), shown);
}

void GameConfigTest::latin1FileAndLastLineWithoutEnd() {
    QTemporaryDir dir;
    QStringList lines = renderGameConfig(aGame());
    lines[13] = QString::fromLatin1("touches \xE9");
    lines[16] = QString::fromLatin1("1 - Normal St\xE9r\xE9o");
    QByteArray bytes = lines.join("\r\n").toLatin1(); // no line end after line 23
    QVERIFY(writeFile(dir.filePath("old.zemplo"), bytes));
    const GameConfigRead read = readGameConfig(dir.filePath("old.zemplo"), firstUseSettings());
    QVERIFY(read.settings);
    QCOMPARE(read.settings->stereo, QString("1 - Normal Stéréo"));
    QCOMPARE(read.settings->keyMap, QString("touches é"));
    QCOMPARE(read.settings->autoB, true);
}

void GameConfigTest::unreadableFilesSayWhy() {
    QTemporaryDir dir;
    const QString missing = dir.filePath("gone.Zemplo");
    const GameConfigRead read = readGameConfig(missing, firstUseSettings());
    QCOMPARE(read.error, GameConfigError::Unreadable);
    const GameConfigMessage message = gameConfigMessage(missing, read);
    QCOMPARE(message.title, QString("Info !"));
    QVERIFY(message.text.contains(missing));
    QVERIFY(message.text.contains(read.reason));
    QVERIFY(!read.reason.isEmpty());
    QCOMPARE(gameConfigMessage(missing, applyGameConfig({"x"}, {})).text,
             QString("Incorrect Zemplo configuration file !"));
}

void GameConfigTest::saveReplacesALinkInsteadOfWritingThroughIt() {
    QTemporaryDir dir;
    const LinkTrap trap(dir.filePath("Puzzle.Zemplo"));
    QCOMPARE(writeGameConfig(trap.path, firstUseSettings()), QString());
    QVERIFY(trap.heldSafely());
}

QTEST_APPLESS_MAIN(GameConfigTest)
#include "tst_gameconfig.moc"
