#include "ui/numberformat.h"
#include "common/testmain.h"

#include <QTest>
#include <cmath>

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void pattern_data();
    void pattern();
    void general_data();
    void general();
    void signedNumber_data();
    void signedNumber();
    void val_data();
    void val();
    void valOutOfRange();
    void number_data();
    void number();
};

void TestNumberFormat::pattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::addRow("zero") << 0.0 << "###0.00" << "0,00";
    QTest::addRow("negative below one") << -0.39 << "###0.00" << "-0,39";
    QTest::addRow("repeating decimal") << (375.0 - 14.0) / 36.0 << "###0.00" << "10,03";
    QTest::addRow("no grouping") << 1234.5 << "###0.00" << "1234,50";
    QTest::addRow("wider than the pattern") << 123456.0 << "##0.00" << "123456,00";
    QTest::addRow("tie rounds away from zero") << 0.125 << "##0.00" << "0,13";
    QTest::addRow("negative tie") << -0.125 << "##0.00" << "-0,13";
    QTest::addRow("tie as written in decimal") << 2.675 << "##0.00" << "2,68";
    QTest::addRow("carry into the integer part") << 9.996 << "###0.00" << "10,00";
    QTest::addRow("tiny negative has no sign") << -0.004 << "###0.00" << "0,00";
    QTest::addRow("minus zero has no sign") << -0.0 << "###0.00" << "0,00";
    QTest::addRow("half of the last unit") << 0.005 << "###0.00" << "0,01";
    QTest::addRow("far below the last unit") << 0.0004 << "###0.00" << "0,00";
    QTest::addRow("no decimals") << 2.5 << "###0" << "3";
    QTest::addRow("three decimals") << 1.0 / 3.0 << "0.000" << "0,333";
    QTest::addRow("single value widened") << double(float(0.1)) << "###0.00" << "0,10";
}

void TestNumberFormat::pattern()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatPattern(value, pattern), expected);
}

void TestNumberFormat::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("expected");

    QTest::addRow("tenth computed in double") << 2 * std::pow(10.0, -1) << false << "0,2";
    QTest::addRow("small") << 2e-06 << false << "2E-06";
    QTest::addRow("small with decimals") << 1.5e-05 << false << "1,5E-05";
    QTest::addRow("smallest without exponent") << 0.0001 << false << "0,0001";
    QTest::addRow("integer") << 12.0 << false << "12";
    QTest::addRow("largest without exponent") << 1e14 << false << "100000000000000";
    QTest::addRow("large") << 1e15 << false << "1E+15";
    QTest::addRow("negative") << -0.5 << false << "-0,5";
    QTest::addRow("zero") << 0.0 << false << "0";
    QTest::addRow("three-digit exponent") << 2.5e-100 << false << "2,5E-100";
    QTest::addRow("fifteen digits") << 0.1 + 0.2 << false << "0,3";
    QTest::addRow("single tenth") << double(float(0.1)) << true << "0,1";
    QTest::addRow("single seven digits") << 1234567.0 << true << "1234567";
    QTest::addRow("single large") << 12345678.0 << true << "1,234568E+07";
    QTest::addRow("double shows the float's error") << double(float(0.1)) << false << "0,100000001490116";
}

void TestNumberFormat::general()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, expected);
    QCOMPARE(formatGeneral(value, single), expected);
}

void TestNumberFormat::signedNumber_data()
{
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<QString>("expected");
    QTest::addRow("zero") << 0LL << " 0";
    QTest::addRow("positive") << 30LL << " 30";
    QTest::addRow("negative") << -1LL << "-1";
}

void TestNumberFormat::signedNumber()
{
    QFETCH(qlonglong, value);
    QFETCH(QString, expected);
    QCOMPARE(formatSigned(value), expected);
}

void TestNumberFormat::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("comma stops") << "15,00" << 15.0;
    QTest::addRow("leading blanks, trailing letters") << "  3.5abc" << 3.5;
    QTest::addRow("no number") << "abc" << 0.0;
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("negative") << "-12" << -12.0;
    QTest::addRow("plus sign") << "+7" << 7.0;
    QTest::addRow("signed number as saved") << " 30" << 30.0;
    QTest::addRow("blanks inside") << "1 615 198th" << 1615198.0;
    QTest::addRow("second point stops") << "1.2.3" << 1.2;
    QTest::addRow("leading point") << ".5" << 0.5;
    QTest::addRow("exponent") << "1.5E3" << 1500.0;
    QTest::addRow("exponent D, lower case") << "2d-2" << 0.02;
    QTest::addRow("exponent without digits") << "4E" << 4.0;
    QTest::addRow("sign alone") << "-" << 0.0;
}

void TestNumberFormat::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void TestNumberFormat::valOutOfRange()
{
    QVERIFY(std::isinf(Val("1E999")));
    QVERIFY(Val("-1E999") < 0);
    QCOMPARE(Val("1E-999"), 0.0);
    QCOMPARE(Val("0.001E-400"), 0.0);
}

void TestNumberFormat::number_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    QTest::addRow("decimal comma") << "15,00" << true << 15.0;
    QTest::addRow("point accepted") << "2.5" << true << 2.5;
    QTest::addRow("blanks around") << "  -3,25 " << true << -3.25;
    QTest::addRow("plus sign") << "+4" << true << 4.0;
    QTest::addRow("trailing comma") << "7," << true << 7.0;
    QTest::addRow("leading comma") << ",5" << true << 0.5;
    QTest::addRow("empty") << "" << false << 0.0;
    QTest::addRow("sign alone") << "-" << false << 0.0;
    QTest::addRow("separator alone") << "," << false << 0.0;
    QTest::addRow("two separators") << "1,2,3" << false << 0.0;
    QTest::addRow("letters") << "abc" << false << 0.0;
    QTest::addRow("trailing letter") << "12a" << false << 0.0;
    QTest::addRow("sign after digits") << "3-" << false << 0.0;
    QTest::addRow("exponent") << "1e5" << false << 0.0;
}

void TestNumberFormat::number()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> number = toNumber(text);
    QCOMPARE(number.has_value(), valid);
    if (valid)
        QCOMPARE(*number, expected);
}

TAVREL_TEST_GUILESS_MAIN(TestNumberFormat)
#include "test_numberformat.moc"
