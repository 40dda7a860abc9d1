#include "numberform.h"

#include <QtTest>

#include <limits>

class NumberFormTest : public QObject {
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void parses_data();
    void parses();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
};

void NumberFormTest::formats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("volume") << 10.0 << " 10";
    QTest::newRow("ifreq") << 60.0 << " 60";
    QTest::newRow("window top") << 1440.0 << " 1440";
    QTest::newRow("negative") << -20.0 << "-20";
    QTest::newRow("minus hundred") << -100.0 << "-100";
    QTest::newRow("fraction") << 100.5 << " 100.5";
    // Found by fuzzing: an exponent read back as its mantissa alone.
    QTest::newRow("huge, no exponent") << double(6.6666666e16f) << " 66666667052105730";
    QTest::newRow("tiny, no exponent") << 0.00001 << " 0.00001";
}

void NumberFormTest::formats() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatNumber(value), text);
    QCOMPARE(parseNumber(text), value);
}

void NumberFormTest::parses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("leading blank") << " 10" << 10.0;
    QTest::newRow("bare") << "10" << 10.0;
    QTest::newRow("several blanks") << "   7" << 7.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("non-numeric") << "abc" << 0.0;
    QTest::newRow("trailing words") << "12 Hz" << 12.0;
    QTest::newRow("negative") << "-20" << -20.0;
    QTest::newRow("fraction") << " 2.5" << 2.5;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("dot alone") << "." << 0.0;
    QTest::newRow("blank inside the number ends it") << "1 0" << 1.0;
    QTest::newRow("20 digits") << QString(20, '9') << 1e20;
    QTest::newRow("309 digits: as large as it gets")
        << QString(309, '9') << std::numeric_limits<double>::max();
    QTest::newRow("400 negative digits")
        << "-" + QString(400, '9') << std::numeric_limits<double>::lowest();
}

void NumberFormTest::parses() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(parseNumber(text), value);
}

void NumberFormTest::roundsHalfToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("huge saturates") << 1e12 << std::numeric_limits<int>::max();
}

void NumberFormTest::roundsHalfToEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

QTEST_APPLESS_MAIN(NumberFormTest)
#include "tst_numberform.moc"
