#include "calc/resultformat.h"
#include "common/testmain.h"

#include <QTest>
#include <cfloat>

class TestResultFormat : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
};

void TestResultFormat::results_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("integer") << 14.0 << "14";
    QTest::addRow("minus zero") << -0.0 << "0";
    QTest::addRow("decimal comma") << -2.25 << "-2,25";
    QTest::addRow("ten significant digits") << 3.14159265358979 << "3,141592654";
    QTest::addRow("rounding carries into a new digit") << 9999999999.6 << "1E+10";
    QTest::addRow("just below 1E+10") << 9999999999.0 << "9999999999";
    QTest::addRow("large negative") << -1.5e12 << "-1,5E+12";
    QTest::addRow("1E-04 written plainly") << 1e-4 << "0,0001";
    QTest::addRow("below 1E-04") << 9.5e-5 << "9,5E-05";
    QTest::addRow("three-digit exponent") << 1.25e-300 << "1,25E-300";
    QTest::addRow("largest double") << DBL_MAX << "1,797693135E+308";
    QTest::addRow("smallest subnormal") << 4.9406564584124654e-324 << "4,940656458E-324";
}

void TestResultFormat::results()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatResult(value), expected);
}

TAVREL_TEST_GUILESS_MAIN(TestResultFormat)
#include "test_resultformat.moc"
