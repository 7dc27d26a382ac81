#include "calc/calcmessages.h"
#include "calc/evaluator.h"
#include "calc/notation.h"
#include "calc/resultformat.h"
#include "common/testmain.h"
#include "common/timebound.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QString parentheses = QStringLiteral("Erreur saisie: revoir les parenthèses");
const QString operators = QStringLiteral("Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
const QString impossible = QStringLiteral("Calcul impossible");
const QString overflow = QStringLiteral("Dépassement de capacité");

// What the result line shows for an evaluation.
QString shown(const Evaluation& evaluation)
{
    return evaluation.hasValue() ? formatResult(evaluation.value) : calcMessage(evaluation.status);
}

QString nested(int depth) { return QString(depth, u'(') + u'1' + QString(depth, u')'); }

} // namespace

class TestEvaluator : public QObject {
    Q_OBJECT
private slots:
    void expressions_data();
    void expressions();
    void exactValues_data();
    void exactValues();
    void sameLineInBothUnits();
    void ans();
    void blankLines_data();
    void blankLines();
    void limits_data();
    void limits();
    void hostileInputs_data();
    void hostileInputs();
    void usableAfterEveryFault();
    void randomLines();
};

void TestEvaluator::expressions_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("radians");
    QTest::addColumn<QString>("expected");

    // Precedence and signs
    QTest::addRow("product before sum") << "2+3×4" << false << "14";
    QTest::addRow("typed star") << "2+3*4" << false << "14";
    QTest::addRow("parentheses first") << "(2+3)×4" << false << "20";
    QTest::addRow("minus sign before power") << "−2^2" << false << "-4";
    QTest::addRow("hyphen before power") << "-2^2" << false << "-4";
    QTest::addRow("negative base in parentheses") << "(-2)^2" << false << "4";
    QTest::addRow("power is right associative") << "2^3^2" << false << "512";
    QTest::addRow("negative exponent") << "2^-1" << false << "0,5";
    QTest::addRow("division sign") << "10÷4" << false << "2,5";
    QTest::addRow("slash") << "10/4" << false << "2,5";
    QTest::addRow("subtraction from the left") << "7-2-1" << false << "4";
    QTest::addRow("division from the left") << "8/2/2" << false << "2";
    QTest::addRow("times a negative") << "2*-3" << false << "-6";
    QTest::addRow("minus a negative") << "2--3" << false << "5";
    QTest::addRow("negated group") << "-(-3)" << false << "3";
    QTest::addRow("leading plus") << "+5" << false << "5";
    QTest::addRow("blanks between") << " 2 +  3 " << false << "5";
    QTest::addRow("square sign") << "5²" << false << "25";
    QTest::addRow("cube sign") << "2³" << false << "8";
    QTest::addRow("minus before square") << "-3²" << false << "-9";

    // Numbers and their display
    QTest::addRow("decimal comma") << "1,5+1,5" << false << "3";
    QTest::addRow("decimal point accepted") << "1.5+1,5" << false << "3";
    QTest::addRow("no integer part") << ",5×4" << false << "2";
    QTest::addRow("trailing comma") << "3,×2" << false << "6";
    QTest::addRow("E notation") << "1,5E-3" << false << "0,0015";
    QTest::addRow("small e notation") << "1,5e3" << false << "1500";
    QTest::addRow("explicit plus exponent") << "2E+2" << false << "200";
    QTest::addRow("small shown in E notation") << "1E-5" << false << "1E-05";
    QTest::addRow("1E-04 stays plain") << "0,0001" << false << "0,0001";
    QTest::addRow("ten digits stay plain") << "9999999999" << false << "9999999999";
    QTest::addRow("large shown in E notation") << "1E10" << false << "1E+10";
    QTest::addRow("ten significant digits") << "123456789012" << false << "1,23456789E+11";
    QTest::addRow("third rounded") << "1/3" << false << "0,3333333333";
    QTest::addRow("two thirds rounded up") << "2/3" << false << "0,6666666667";
    QTest::addRow("rounding noise cancels") << "0,1+0,2-0,3" << false << "0";
    QTest::addRow("sum of tenths") << "0,1+0,2" << false << "0,3";
    QTest::addRow("negative result") << "3-5,25" << false << "-2,25";

    // SI prefixes
    QTest::addRow("kilo") << "3k" << false << "3000";
    QTest::addRow("micro sign") << "2,5µ" << false << "2,5E-06";
    QTest::addRow("greek mu") << "2,5μ" << false << "2,5E-06";
    QTest::addRow("u for micro") << "2,5u" << false << "2,5E-06";
    QTest::addRow("mega") << "4M" << false << "4000000";
    QTest::addRow("giga") << "1G" << false << "1000000000";
    QTest::addRow("milli") << "5m" << false << "0,005";
    QTest::addRow("nano") << "7n" << false << "7E-09";
    QTest::addRow("pico") << "8p" << false << "8E-12";
    QTest::addRow("prefixes in a product") << "3k×2m" << false << "6";
    QTest::addRow("prefix after an exponent") << "1,5E3k" << false << "1500000";
    QTest::addRow("prefix then a power") << "2k^2" << false << "4000000";

    // Angles
    QTest::addRow("sin 30 degrees") << "sin(30)" << false << "0,5";
    QTest::addRow("cos 60 degrees") << "cos(60)" << false << "0,5";
    QTest::addRow("tan 45 degrees") << "tan(45)" << false << "1";
    QTest::addRow("sin 180 degrees") << "sin(180)" << false << "0";
    QTest::addRow("cos 90 degrees") << "cos(90)" << false << "0";
    QTest::addRow("sin of a negative angle") << "sin(-30)" << false << "-0,5";
    QTest::addRow("sin past a turn") << "sin(390)" << false << "0,5";
    QTest::addRow("cos 120 degrees") << "cos(120)" << false << "-0,5";
    QTest::addRow("asin in degrees") << "asin(0,5)" << false << "30";
    QTest::addRow("atan in degrees") << "atan(1)" << false << "45";
    QTest::addRow("acos in degrees") << "acos(-1)" << false << "180";
    QTest::addRow("sin 30 radians") << "sin(30)" << true << "-0,9880316241";
    QTest::addRow("sin pi/6 radians") << "sin(π/6)" << true << "0,5";
    QTest::addRow("cos pi radians") << "cos(pi)" << true << "-1";
    QTest::addRow("sin pi radians") << "sin(π)" << true << "0";
    QTest::addRow("cos pi/2 radians") << "cos(π/2)" << true << "0";
    QTest::addRow("tan pi/4 radians") << "tan(π/4)" << true << "1";
    QTest::addRow("asin in radians") << "asin(1)" << true << "1,570796327";
    QTest::addRow("hyperbolic functions ignore the unit") << "sinh(1)" << false << "1,175201194";

    // Functions, constants and products without a sign
    QTest::addRow("ln of e") << "ln(e)" << false << "1";
    QTest::addRow("log base ten") << "log(1000)" << false << "3";
    QTest::addRow("sqrt") << "sqrt(16)" << false << "4";
    QTest::addRow("root sign on a number") << "√16" << false << "4";
    QTest::addRow("root sign with parentheses") << "√(2)" << false << "1,414213562";
    QTest::addRow("root of a root") << "√√16" << false << "2";
    QTest::addRow("root of pi") << "√π" << false << "1,772453851";
    QTest::addRow("root then square") << "√2²" << false << "2";
    QTest::addRow("abs") << "abs(-2,5)" << false << "2,5";
    QTest::addRow("round half up") << "round(2,5)" << false << "3";
    QTest::addRow("round half away from zero") << "round(-2,5)" << false << "-3";
    QTest::addRow("round to decimals") << "round(3,14159;2)" << false << "3,14";
    QTest::addRow("round as written") << "round(2,675;2)" << false << "2,68";
    QTest::addRow("round to hundreds") << "round(1234;-2)" << false << "1200";
    QTest::addRow("exp") << "exp(1)" << false << "2,718281828";
    QTest::addRow("cosh") << "cosh(0)" << false << "1";
    QTest::addRow("tanh") << "tanh(0)" << false << "0";
    QTest::addRow("constant e") << "e" << false << "2,718281828";
    QTest::addRow("pi sign") << "π" << false << "3,141592654";
    QTest::addRow("two pi") << "2π" << false << "6,283185307";
    QTest::addRow("number before parentheses") << "3(1+2)" << false << "9";
    QTest::addRow("group before group") << "(1+2)(3+4)" << false << "21";
    QTest::addRow("number before function") << "2sin(30)" << false << "1";
    QTest::addRow("names in capitals") << "SIN(30)+Sqrt(4)" << false << "2,5";
    QTest::addRow("nested functions") << "sqrt(sin(30)×8)" << false << "2";
    QTest::addRow("function of its inverse") << "ln(exp(2))" << false << "2";
    QTest::addRow("three levels") << "log(sqrt(abs(-100)))" << false << "1";
    QTest::addRow("range of a throw") << "15^2×sin(2×77)/9,81" << false << "10,0543841";

    // Parentheses
    QTest::addRow("unclosed") << "(2+3" << false << parentheses;
    QTest::addRow("unopened") << "2+3)" << false << parentheses;
    QTest::addRow("closed before opened") << ")(" << false << parentheses;
    QTest::addRow("empty") << "2×()" << false << parentheses;
    QTest::addRow("function without parentheses") << "sin 30" << false << parentheses;
    QTest::addRow("function alone") << "sin" << false << parentheses;
    QTest::addRow("root alone") << "√" << false << parentheses;
    QTest::addRow("root of a sign") << "√-4" << false << parentheses;

    // Operators
    QTest::addRow("missing last operand") << "2+" << false << operators;
    QTest::addRow("two stars") << "2**3" << false << operators;
    QTest::addRow("times then divided") << "2×÷3" << false << operators;
    QTest::addRow("leading times") << "*3" << false << operators;
    QTest::addRow("leading power") << "^2" << false << operators;
    QTest::addRow("two signs") << "--2" << false << operators;
    QTest::addRow("two numbers") << "2 3" << false << operators;
    QTest::addRow("operator before closing") << "(2+)" << false << operators;
    QTest::addRow("number after group") << "(2)3" << false << operators;
    QTest::addRow("number after constant") << "π2" << false << operators;
    QTest::addRow("exponent without digits") << "1,5E" << false << operators;
    QTest::addRow("missing argument") << "round(2;)" << false << operators;
    QTest::addRow("minus alone") << "-" << false << operators;

    // Calculations without a value
    QTest::addRow("division by zero") << "1/0" << false << impossible;
    QTest::addRow("division by a zero difference") << "1÷(2-2)" << false << impossible;
    QTest::addRow("root of a negative") << "sqrt(-1)" << false << impossible;
    QTest::addRow("ln of zero") << "ln(0)" << false << impossible;
    QTest::addRow("log of a negative") << "log(-5)" << false << impossible;
    QTest::addRow("asin beyond one") << "asin(2)" << false << impossible;
    QTest::addRow("tan 90 degrees") << "tan(90)" << false << impossible;
    QTest::addRow("tan pi/2 radians") << "tan(π/2)" << true << impossible;
    QTest::addRow("zero to the zero") << "0^0" << false << impossible;
    QTest::addRow("zero to a negative power") << "0^-1" << false << impossible;
    QTest::addRow("fractional power of a negative") << "(-8)^(1/3)" << false << impossible;
    QTest::addRow("unknown name") << "foo+1" << false << impossible;
    QTest::addRow("unknown character") << "2$3" << false << impossible;
    QTest::addRow("comparison") << "2<3" << false << impossible;
    QTest::addRow("E alone") << "E" << false << impossible;
    QTest::addRow("separator outside a function") << "2;3" << false << impossible;
    QTest::addRow("too many arguments") << "sin(1;2)" << false << impossible;
    QTest::addRow("fractional decimals") << "round(2;0,5)" << false << impossible;
    QTest::addRow("angle beyond precision") << "sin(1E11)" << false << impossible;
    QTest::addRow("stray comma") << "2+,+3" << false << impossible;

    // Results beyond a double
    QTest::addRow("large power") << "10^400" << false << overflow;
    QTest::addRow("exp of 1000") << "exp(1000)" << false << overflow;
    QTest::addRow("product past the limit") << "1E308×10" << false << overflow;
    QTest::addRow("number past the limit") << "1E400" << false << overflow;
    QTest::addRow("sinh of 1000") << "sinh(1000)" << false << overflow;
    QTest::addRow("tower of powers") << "9^9^9" << false << overflow;
    QTest::addRow("overflow inside a quotient") << "1/10^400" << false << overflow;
}

void TestEvaluator::expressions()
{
    QFETCH(QString, typed);
    QFETCH(bool, radians);
    QFETCH(QString, expected);

    Evaluator evaluator;
    evaluator.setAngleUnit(radians ? AngleUnit::Radians : AngleUnit::Degrees);
    QCOMPARE(shown(evaluator.evaluate(typed)), expected);
}

// Where the value is exact on paper, it is exact here, not only on display.
void TestEvaluator::exactValues_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("expected");

    QTest::addRow("sin 30") << "sin(30)" << 0.5;
    QTest::addRow("cos 60") << "cos(60)" << 0.5;
    QTest::addRow("sin 150") << "sin(150)" << 0.5;
    QTest::addRow("cos 270") << "cos(270)" << 0.0;
    QTest::addRow("tan 135") << "tan(135)" << -1.0;
    QTest::addRow("micro") << "2,5µ" << 2.5e-6;
    QTest::addRow("pico") << "3,3p" << 3.3e-12;
    QTest::addRow("kilo") << "1,5k" << 1500.0;
    QTest::addRow("E notation") << "1,5E-3" << 1.5e-3;
}

void TestEvaluator::exactValues()
{
    QFETCH(QString, typed);
    QFETCH(double, expected);

    Evaluator evaluator;
    const Evaluation evaluation = evaluator.evaluate(typed);
    QVERIFY(evaluation.hasValue());
    QVERIFY2(evaluation.value == expected, qPrintable(QString::number(evaluation.value, 'g', 17)));
}

// The unit is read at each calculation, even of a line computed just before.
void TestEvaluator::sameLineInBothUnits()
{
    Evaluator evaluator;
    QCOMPARE(evaluator.evaluate("acos(0)").value, 90.0);
    evaluator.setAngleUnit(AngleUnit::Radians);
    QCOMPARE(shown(evaluator.evaluate("acos(0)")), QStringLiteral("1,570796327"));
    evaluator.setAngleUnit(AngleUnit::Degrees);
    QCOMPARE(evaluator.evaluate("acos(0)").value, 90.0);
}

void TestEvaluator::ans()
{
    Evaluator evaluator;
    QCOMPARE(evaluator.evaluate("Ans").value, 0.0);
    evaluator.setAns(14.0);
    QCOMPARE(evaluator.evaluate("Ans×2").value, 28.0);
    QCOMPARE(evaluator.evaluate("ans+1").value, 15.0);
    QCOMPARE(evaluator.evaluate("2Ans").value, 28.0);
    QCOMPARE(evaluator.evaluate("√Ans^2").value, 14.0);
    // Evaluating does not change it; only the window stores a result.
    QCOMPARE(evaluator.ans(), 14.0);
    evaluator.setAns(-1.0);
    QCOMPARE(shown(evaluator.evaluate("sqrt(Ans)")), impossible);
}

void TestEvaluator::blankLines_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addRow("empty") << "";
    QTest::addRow("blanks") << "   ";
    QTest::addRow("tab and no-break space") << QString("\t") + QChar(0x00A0);
}

void TestEvaluator::blankLines()
{
    QFETCH(QString, typed);
    Evaluator evaluator;
    QCOMPARE(evaluator.evaluate(typed).status, CalcStatus::Blank);
}

// Just inside the limits a line is computed; just outside it is refused.
void TestEvaluator::limits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QString longest = QStringLiteral("1");
    while (longest.size() < maxTypedLength)
        longest += QStringLiteral("+1");
    longest.chop(longest.size() - maxTypedLength);
    if (longest.endsWith(u'+'))
        longest.chop(1);
    const QString longestValue = QString::number(longest.count(u'1'));

    QTest::addRow("deepest nesting") << nested(maxNesting) << "1";
    QTest::addRow("one level deeper") << nested(maxNesting + 1) << impossible;
    QTest::addRow("longest line") << longest << longestValue;
    QTest::addRow("one character longer") << longest + QStringLiteral("+1") << impossible;
    QTest::addRow("longest numbers") << QString(maxTypedLength, u'9') << overflow;
}

void TestEvaluator::limits()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Evaluator evaluator;
    QCOMPARE(shown(evaluator.evaluate(typed)), expected);
}

// Lines no pupil types but a paste or a stuck key can produce: each gives a
// message at once.
void TestEvaluator::hostileInputs_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QString longSum;
    for (int i = 0; i < 50000; ++i)
        longSum += QStringLiteral("1+");
    QString functions;
    for (int i = 0; i < 10000; ++i)
        functions += QStringLiteral("sin(");

    QTest::addRow("10 000 nested parentheses") << nested(10000) << impossible;
    QTest::addRow("10 000 open parentheses") << QString(10000, u'(') << impossible;
    QTest::addRow("900 open parentheses") << QString(900, u'(') << parentheses;
    QTest::addRow("10 000 nested functions") << functions + u'1' + QString(10000, u')') << impossible;
    QTest::addRow("100 000 characters") << longSum << impossible;
    QTest::addRow("100 000 digits") << QString(100000, u'7') << impossible;
    QTest::addRow("NUL byte inside") << QString("2") + QChar(0) + QString("+3") << impossible;
    QTest::addRow("NUL bytes only") << QString(16, QChar(0)) << impossible;
    QTest::addRow("huge exponent") << "1E99999999999999999999" << overflow;
    QTest::addRow("tiny exponent") << "1E-99999999999999999999"
                                   << "0";
    QTest::addRow("lone surrogate") << QString(QChar(0xD800)) << impossible;
    QTest::addRow("control characters") << "2\x01+\x1b" << impossible;
    QTest::addRow("a thousand signs") << QString(999, u'-') + u'1' << operators;
    QTest::addRow("long unknown name") << QString(900, u'x') << impossible;
}

void TestEvaluator::hostileInputs()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    Evaluator evaluator;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(shown(evaluator.evaluate(typed)), expected);
    QVERIFY2(clock.elapsed() < testsupport::timeBound(200), qPrintable(QString::number(clock.elapsed()) + " ms"));
}

// A fault in the middle of muparser's work leaves it ready for the next line.
void TestEvaluator::usableAfterEveryFault()
{
    Evaluator evaluator;
    for (const char* faulty : {"1/0", "10^400", "sqrt(-1)", "(2", "2+", "foo", "tan(90)", "1E400"}) {
        QVERIFY(!evaluator.evaluate(faulty).hasValue());
        QCOMPARE(evaluator.evaluate("2+2×sin(30)").value, 3.0);
    }
}

// Lines of random pieces: whatever they make, the answer is a value or one of
// the four messages, never a crash, a hang or a value that is not finite.
void TestEvaluator::randomLines()
{
    const QStringList pieces{"1", "0",   "2,5", "9E9", "E", "e", ",",    ";",     "+",      "-",
                             "×", "÷",   "^",   "²",   "(", ")", "sin(", "ln(",   "round(", "√",
                             "π", "Ans", "k",   "µ",   "m", " ", "E-",   "1E308", "0,0",    QString(QChar(0))};
    Evaluator evaluator;
    evaluator.setAns(1e300);
    QRandomGenerator random(20261208);
    QElapsedTimer clock;
    clock.start();
    for (int line = 0; line < 20000; ++line) {
        QString typed;
        const int length = random.bounded(1, 24);
        for (int i = 0; i < length; ++i)
            typed += pieces[random.bounded(pieces.size())];
        const Evaluation evaluation = evaluator.evaluate(typed);
        if (evaluation.hasValue())
            QVERIFY2(std::isfinite(evaluation.value), qPrintable(typed));
        else
            QVERIFY2(!calcMessage(evaluation.status).isEmpty() || evaluation.status == CalcStatus::Blank,
                     qPrintable(typed));
    }
    QVERIFY(clock.elapsed() < 20000);
}

TAVREL_TEST_GUILESS_MAIN(TestEvaluator)
#include "test_evaluator.moc"
