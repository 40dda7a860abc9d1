#include "programargument.h"

#include <QtTest>

Q_DECLARE_METATYPE(ArgumentKind)

class GameConfigTest : public QObject {
    Q_OBJECT
private slots:
    void classifiesByTheLastThreeCharacters_data();
    void classifiesByTheLastThreeCharacters();
    void joinsWordsLeavingOutOwnOptions();
};

void GameConfigTest::classifiesByTheLastThreeCharacters_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<ArgumentKind>("kind");
    QTest::newRow("none") << "" << ArgumentKind::None;
    QTest::newRow("rom") << "/games/PUZZLE.GB" << ArgumentKind::Rom;
    QTest::newRow("rom lower case") << "/games/puzzle.gb" << ArgumentKind::Rom;
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

QTEST_APPLESS_MAIN(GameConfigTest)
#include "tst_gameconfig.moc"
