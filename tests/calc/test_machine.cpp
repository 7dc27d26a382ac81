#include "calc/calcmessages.h"
#include "calc/machine.h"
#include "common/testmain.h"
#include "common/tabwalk.h"
#include "common/timebound.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

class TestMachine : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyControlHasItsName();
    void typedLineIsPreviewedAndCalculated();
    void keyboardWritesTheKeypadSigns();
    void keypadComputes();
    void keysInsertTheirText_data();
    void keysInsertTheirText();
    void keysEditAtTheCursor();
    void afterResultOperatorContinuesWithAns();
    void afterResultDigitStartsANewLine();
    void editingAfterResultKeepsTheLine();
    void degreeSwitchChangesThePreview();
    void historyGivesBackExpressionsAndResults();
    void resultTakenBackIsOneValue_data();
    void resultTakenBackIsOneValue();
    void historyKeepsTheLatestCalculations();
    void historyCanBeCleared();
    void faultsAreShownInTheResultLine_data();
    void faultsAreShownInTheResultLine();
    void equalsClosesOpenParentheses_data();
    void equalsClosesOpenParentheses();
    void firstKeyAfterAFault_data();
    void firstKeyAfterAFault();
    void invalidLineHasNoPreview();
    void escapeClosesAndKeepsTheCalculations();
    void keyboardReachesEveryKey();
    void patienceNoticeOnlyForSlowCalculations();
    void hostileLinesGiveAMessage_data();
    void hostileLinesGiveAMessage();

private:
    QPushButton* key(const char* name) const;
    void clickKeys(std::initializer_list<const char*> names) const;
    void typeLine(const QString& text) const;
    void clickHistory(int row, int column) const;
    QString display() const { return m_machine->ui().display->text(); }
    QString resultLine() const { return m_machine->ui().resultLine->text(); }

    std::unique_ptr<Machine> m_machine;
};

void TestMachine::init()
{
    m_machine = std::make_unique<Machine>();
    m_machine->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_machine.get()));
}

void TestMachine::cleanup() { m_machine.reset(); }

QPushButton* TestMachine::key(const char* name) const
{
    auto* found = m_machine->findChild<QPushButton*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no key %s", name);
    return found;
}

void TestMachine::clickKeys(std::initializer_list<const char*> names) const
{
    for (const char* name : names)
        QTest::mouseClick(key(name), Qt::LeftButton);
}

// Types text on the keyboard; each line break is a press of Enter.
void TestMachine::typeLine(const QString& text) const
{
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(m_machine->ui().display, Qt::Key_Return);
        QTest::keyClicks(m_machine->ui().display, lines[i]);
    }
}

void TestMachine::clickHistory(int row, int column) const
{
    QTableWidget* history = m_machine->ui().history;
    const QRect cell = history->visualItemRect(history->item(row, column));
    QTest::mouseClick(history->viewport(), Qt::LeftButton, {}, cell.center());
}

void TestMachine::everyControlHasItsName()
{
    QCOMPARE(m_machine->objectName(), QStringLiteral("Machine"));
    QCOMPARE(m_machine->windowTitle(), QStringLiteral("Calculatrice"));
    for (const char* name : {"display", "resultLine", "ansLabel", "unitLabel", "degreesButton", "radiansButton",
                             "history", "clearHistoryButton"})
        QVERIFY2(m_machine->findChild<QWidget*>(QString::fromLatin1(name)), name);
    QCOMPARE(m_machine->ui().keys.size(), size_t(50));
    for (QPushButton* each : m_machine->ui().keys) {
        QVERIFY(each->objectName().startsWith(u"key"));
        QVERIFY2(!each->autoDefault(), qPrintable(each->objectName()));
    }
}

void TestMachine::typedLineIsPreviewedAndCalculated()
{
    typeLine(QStringLiteral("2+3×4"));
    QCOMPARE(resultLine(), QStringLiteral("= 14"));
    QCOMPARE(m_machine->ui().history->rowCount(), 0);

    QTest::keyClick(m_machine->ui().display, Qt::Key_Return);
    QCOMPARE(resultLine(), QStringLiteral("= 14"));
    QCOMPARE(display(), QStringLiteral("2+3×4"));
    QCOMPARE(m_machine->ui().history->rowCount(), 1);
    QCOMPARE(m_machine->ui().history->item(0, 0)->text(), QStringLiteral("2+3×4"));
    QCOMPARE(m_machine->ui().history->item(0, 1)->text(), QStringLiteral("14"));
    QCOMPARE(m_machine->evaluator().ans(), 14.0);
    QCOMPARE(m_machine->ui().ansLabel->text(), QStringLiteral("Ans = 14"));

    // "=" typed calculates too, and is not written.
    typeLine(QStringLiteral("1/4="));
    QCOMPARE(display(), QStringLiteral("1÷4"));
    QCOMPARE(resultLine(), QStringLiteral("= 0,25"));
    QCOMPARE(m_machine->ui().history->rowCount(), 2);
}

void TestMachine::keyboardWritesTheKeypadSigns()
{
    typeLine(QStringLiteral("1.5*2/3-1"));
    QCOMPARE(display(), QStringLiteral("1,5×2÷3-1"));
    QCOMPARE(resultLine(), QStringLiteral("= 0"));
    QTest::keyClick(m_machine->ui().display, Qt::Key_Enter);
    QCOMPARE(m_machine->ui().history->rowCount(), 1);
}

void TestMachine::keypadComputes()
{
    clickKeys({"key7", "keyPlus", "key8", "keyTimes", "key2", "keyComma", "key5"});
    QCOMPARE(display(), QStringLiteral("7+8×2,5"));
    QCOMPARE(resultLine(), QStringLiteral("= 27"));
    clickKeys({"keyEquals"});
    QCOMPARE(m_machine->ui().history->rowCount(), 1);
    QCOMPARE(m_machine->evaluator().ans(), 27.0);

    clickKeys({"keyRoot", "key1", "key6", "keyClose", "keyMinus", "key3", "keyKilo", "keyTimes", "key1", "keyMilli",
               "keyEquals"});
    QCOMPARE(display(), QStringLiteral("√(16)-3k×1m"));
    QCOMPARE(resultLine(), QStringLiteral("= 1"));
}

void TestMachine::keysInsertTheirText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inserted");

    QTest::addRow("sin") << "keySin"
                         << "sin(";
    QTest::addRow("acos") << "keyAcos"
                          << "acos(";
    QTest::addRow("tanh") << "keyTanh"
                          << "tanh(";
    QTest::addRow("ln") << "keyLn"
                        << "ln(";
    QTest::addRow("log") << "keyLog"
                         << "log(";
    QTest::addRow("ten power") << "keyTenPower"
                               << "10^(";
    QTest::addRow("root") << "keyRoot"
                          << "√(";
    QTest::addRow("square") << "keySquare"
                            << "²";
    QTest::addRow("power") << "keyPower"
                           << "^";
    QTest::addRow("pi") << "keyPi"
                        << "π";
    QTest::addRow("round") << "keyRound"
                           << "round(";
    QTest::addRow("separator") << "keySeparator"
                               << ";";
    QTest::addRow("exponent") << "keyExponent"
                              << "E";
    QTest::addRow("micro") << "keyMicro"
                           << "µ";
    QTest::addRow("giga") << "keyGiga"
                          << "G";
    QTest::addRow("pico") << "keyPico"
                          << "p";
    QTest::addRow("ans") << "keyAns"
                         << "Ans";
    QTest::addRow("divide") << "keyDivide"
                            << "÷";
    QTest::addRow("minus") << "keyMinus"
                           << "-";
}

void TestMachine::keysInsertTheirText()
{
    QFETCH(QString, name);
    QFETCH(QString, inserted);
    QTest::mouseClick(key(name.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(display(), inserted);
    // The line keeps the keyboard after a click on a key.
    QVERIFY(m_machine->ui().display->hasFocus());
}

void TestMachine::keysEditAtTheCursor()
{
    typeLine(QStringLiteral("2+4"));
    QTest::keyClick(m_machine->ui().display, Qt::Key_Left);
    clickKeys({"key3", "keyTimes"});
    QCOMPARE(display(), QStringLiteral("2+3×4"));
    clickKeys({"keyBack"});
    QCOMPARE(display(), QStringLiteral("2+34"));
    clickKeys({"keyClear"});
    QCOMPARE(display(), QString());
    QCOMPARE(resultLine(), QString());
}

void TestMachine::afterResultOperatorContinuesWithAns()
{
    typeLine(QStringLiteral("6×7\n"));
    QCOMPARE(m_machine->evaluator().ans(), 42.0);
    typeLine(QStringLiteral("/2"));
    QCOMPARE(display(), QStringLiteral("Ans÷2"));
    QCOMPARE(resultLine(), QStringLiteral("= 21"));
    clickKeys({"keyEquals", "keySquare", "keyEquals"});
    QCOMPARE(display(), QStringLiteral("Ans²"));
    QCOMPARE(resultLine(), QStringLiteral("= 441"));

    // The sign may need Shift or AltGr first, which changes nothing.
    for (Qt::Key modifier : {Qt::Key_Shift, Qt::Key_AltGr}) {
        QKeyEvent press(QEvent::KeyPress, modifier, Qt::NoModifier);
        QApplication::sendEvent(m_machine->ui().display, &press);
        typeLine(QStringLiteral("+1"));
        QCOMPARE(display(), QStringLiteral("Ans+1"));
        typeLine(QStringLiteral("\n"));
    }
    QCOMPARE(m_machine->evaluator().ans(), 443.0);
}

void TestMachine::afterResultDigitStartsANewLine()
{
    typeLine(QStringLiteral("6×7\n"));
    clickKeys({"key5"});
    QCOMPARE(display(), QStringLiteral("5"));
    QCOMPARE(resultLine(), QStringLiteral("= 5"));
    typeLine(QStringLiteral("\n"));
    clickKeys({"keySin"});
    QCOMPARE(display(), QStringLiteral("sin("));
}

// Moving the cursor or erasing after "=" means the pupil corrects the line.
void TestMachine::editingAfterResultKeepsTheLine()
{
    typeLine(QStringLiteral("6×7\n"));
    QTest::keyClick(m_machine->ui().display, Qt::Key_Backspace);
    typeLine(QStringLiteral("8"));
    QCOMPARE(display(), QStringLiteral("6×8"));
    typeLine(QStringLiteral("\n"));
    QTest::keyClick(m_machine->ui().display, Qt::Key_Home);
    typeLine(QStringLiteral("1"));
    QCOMPARE(display(), QStringLiteral("16×8"));
}

void TestMachine::degreeSwitchChangesThePreview()
{
    QVERIFY(m_machine->ui().degreesButton->isChecked());
    QCOMPARE(m_machine->ui().unitLabel->text(), QStringLiteral("DEG"));
    typeLine(QStringLiteral("sin(30)"));
    QCOMPARE(resultLine(), QStringLiteral("= 0,5"));

    QTest::mouseClick(m_machine->ui().radiansButton, Qt::LeftButton);
    QVERIFY(m_machine->ui().radiansButton->isChecked());
    QVERIFY(!m_machine->ui().degreesButton->isChecked());
    QCOMPARE(m_machine->ui().unitLabel->text(), QStringLiteral("RAD"));
    QCOMPARE(resultLine(), QStringLiteral("= -0,9880316241"));
    typeLine(QStringLiteral("\n"));
    QCOMPARE(m_machine->ui().history->item(0, 1)->text(), QStringLiteral("-0,9880316241"));

    QTest::mouseClick(m_machine->ui().degreesButton, Qt::LeftButton);
    typeLine(QStringLiteral("acos(0)"));
    QCOMPARE(resultLine(), QStringLiteral("= 90"));
}

void TestMachine::historyGivesBackExpressionsAndResults()
{
    typeLine(QStringLiteral("1,5E-3×2\n"));
    typeLine(QStringLiteral("2^10\n"));
    QCOMPARE(m_machine->ui().history->rowCount(), 2);

    clickHistory(0, 0);
    QCOMPARE(display(), QStringLiteral("1,5E-3×2"));
    QCOMPARE(resultLine(), QStringLiteral("= 0,003"));

    // A result goes in at the cursor of the line being edited.
    typeLine(QStringLiteral("+"));
    clickHistory(1, 1);
    QCOMPARE(display(), QStringLiteral("1,5E-3×2+1024"));
    QCOMPARE(resultLine(), QStringLiteral("= 1024,003"));

    // Right after "=", a result taken back starts the new line.
    typeLine(QStringLiteral("\n"));
    clickHistory(0, 1);
    QCOMPARE(display(), QStringLiteral("0,003"));
}

void TestMachine::resultTakenBackIsOneValue_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("result");

    QTest::addRow("negative, right after =") << "1-5" << "" << "(-4)" << "= -4";
    QTest::addRow("negative, after an operator") << "1-5" << "3×" << "3×(-4)" << "= -12";
    QTest::addRow("negative, after a number") << "1-5" << "2" << "2(-4)" << "= -8";
    QTest::addRow("negative in E notation") << "-3÷200000" << "" << "(-1,5E-05)" << "= -1,5E-05";
    QTest::addRow("negative with a positive exponent") << "-2×3E15" << "1+" << "1+(-6E+15)" << "= -6E+15";
    QTest::addRow("positive in E notation") << "1÷40000" << "" << "2,5E-05" << "= 2,5E-05";
}

// A click on a result in the history inserts that value, never an operator
// that would continue Ans.
void TestMachine::resultTakenBackIsOneValue()
{
    QFETCH(QString, calculation);
    QFETCH(QString, before);
    QFETCH(QString, display);
    QFETCH(QString, result);

    typeLine(calculation + u'\n');
    typeLine(before);
    clickHistory(0, 1);
    QCOMPARE(this->display(), display);
    QCOMPARE(resultLine(), result);
    typeLine(QStringLiteral("\n"));
    QCOMPARE(m_machine->ui().history->item(1, 1)->text(), result.mid(2));
}

void TestMachine::historyKeepsTheLatestCalculations()
{
    for (int i = 1; i <= Machine::historyLength + 5; ++i) {
        m_machine->ui().display->setText(QString::number(i) + QStringLiteral("+0"));
        m_machine->calculate();
    }
    QTableWidget* history = m_machine->ui().history;
    QCOMPARE(history->rowCount(), Machine::historyLength);
    QCOMPARE(history->item(0, 1)->text(), QStringLiteral("6"));
    QCOMPARE(history->item(history->rowCount() - 1, 1)->text(), QString::number(Machine::historyLength + 5));
}

void TestMachine::historyCanBeCleared()
{
    typeLine(QStringLiteral("1+1\n2+2\n"));
    QCOMPARE(m_machine->ui().history->rowCount(), 2);
    QTest::mouseClick(m_machine->ui().clearHistoryButton, Qt::LeftButton);
    QCOMPARE(m_machine->ui().history->rowCount(), 0);
    // Ans is the calculator's memory, not the history's.
    QCOMPARE(m_machine->evaluator().ans(), 4.0);
}

void TestMachine::faultsAreShownInTheResultLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::addRow("parentheses") << "(2+3))"
                                 << "Erreur saisie: revoir les parenthèses";
    QTest::addRow("operators") << "2×÷3"
                               << "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
    QTest::addRow("impossible") << "1/0"
                                << "Calcul impossible";
    QTest::addRow("overflow") << "10^400"
                              << "Dépassement de capacité";
}

void TestMachine::faultsAreShownInTheResultLine()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);

    typeLine(QStringLiteral("2×3\n"));
    typeLine(typed + u'\n');
    QCOMPARE(resultLine(), message);
    QCOMPARE(m_machine->ui().resultLine->property("state").toString(), QStringLiteral("message"));
    // Nothing of a fault reaches the history or Ans, and the line stays for
    // the pupil to correct.
    QCOMPARE(m_machine->ui().history->rowCount(), 1);
    QCOMPARE(m_machine->evaluator().ans(), 6.0);
    const QString shown = QString(typed).replace(u'/', QStringLiteral("÷"));
    QCOMPARE(display(), shown);
    typeLine(QStringLiteral("+1"));
    QCOMPARE(display(), shown + QStringLiteral("+1"));
}

void TestMachine::equalsClosesOpenParentheses_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("result");

    const QString parentheses = QStringLiteral("Erreur saisie: revoir les parenthèses");
    QTest::addRow("√ 1 6 = on the keypad") << "" << QStringList{"keyRoot", "key1", "key6", "keyEquals"} << "√(16)"
                                           << "= 4";
    QTest::addRow("sin(30 then Enter") << "sin(30\n" << QStringList{} << "sin(30)" << "= 0,5";
    QTest::addRow("two left open") << "2×(3+(4=" << QStringList{} << "2×(3+(4))" << "= 14";
    QTest::addRow("one ) too many") << "(2+3))\n" << QStringList{} << "(2+3))" << parentheses;
    QTest::addRow(") before its (") << ")2+3(\n" << QStringList{} << ")2+3(" << parentheses;
    QTest::addRow("an empty function") << "" << QStringList{"keySin", "keyEquals"} << "sin(" << parentheses;
    QTest::addRow("an operand missing inside") << "2×(3+\n" << QStringList{} << "2×(3+"
                                               << "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
}

// At "=" every parenthesis still open is closed, and the history shows the
// line closed; a fault leaves the line as it was typed.
void TestMachine::equalsClosesOpenParentheses()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, keys);
    QFETCH(QString, display);
    QFETCH(QString, result);

    typeLine(typed);
    for (const QString& name : keys)
        QTest::mouseClick(key(name.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(this->display(), display);
    QCOMPARE(resultLine(), result);
    QTableWidget* history = m_machine->ui().history;
    const bool computed = result.startsWith(u'=');
    QCOMPARE(history->rowCount(), computed ? 1 : 0);
    if (computed)
        QCOMPARE(history->item(0, 0)->text(), display);
}

void TestMachine::firstKeyAfterAFault_data()
{
    QTest::addColumn<Qt::Key>("press");
    QTest::addColumn<QString>("keypad");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("display");

    // The fault: "1÷0" gives "Calcul impossible".
    QTest::addRow("a digit starts a new line") << Qt::Key_unknown << "" << "5" << "5";
    QTest::addRow("a function") << Qt::Key_unknown << "keySin" << "" << "sin(";
    QTest::addRow("a function typed") << Qt::Key_unknown << "" << "ln(2" << "ln(2";
    QTest::addRow("an opening parenthesis") << Qt::Key_unknown << "" << "(" << "(";
    QTest::addRow("π") << Qt::Key_unknown << "keyPi" << "" << "π";
    QTest::addRow("Ans") << Qt::Key_unknown << "keyAns" << "" << "Ans";
    QTest::addRow("an operator edits") << Qt::Key_unknown << "" << "+2" << "1÷0+2";
    QTest::addRow("a closing parenthesis edits") << Qt::Key_unknown << "" << ")" << "1÷0)";
    QTest::addRow("an exponent edits") << Qt::Key_unknown << "keyExponent" << "" << "1÷0E";
    QTest::addRow("a prefix edits") << Qt::Key_unknown << "" << "k" << "1÷0k";
    QTest::addRow("backspace edits") << Qt::Key_Backspace << "" << "5" << "1÷5";
    QTest::addRow("an arrow edits") << Qt::Key_Left << "" << "5" << "1÷50";
    QTest::addRow("Shift alone changes nothing") << Qt::Key_Shift << "" << "5" << "5";
}

// After a fault the line stays to be corrected; the first key begins a new
// line only when it begins an operand, and only the first.
void TestMachine::firstKeyAfterAFault()
{
    QFETCH(Qt::Key, press);
    QFETCH(QString, keypad);
    QFETCH(QString, typed);
    QFETCH(QString, display);

    typeLine(QStringLiteral("1/0\n"));
    QCOMPARE(resultLine(), QStringLiteral("Calcul impossible"));
    QCOMPARE(this->display(), QStringLiteral("1÷0"));
    if (press != Qt::Key_unknown)
        QTest::keyClick(m_machine->ui().display, press);
    if (!keypad.isEmpty())
        QTest::mouseClick(key(keypad.toLatin1().constData()), Qt::LeftButton);
    typeLine(typed);
    QCOMPARE(this->display(), display);
}

void TestMachine::invalidLineHasNoPreview()
{
    typeLine(QStringLiteral("2+"));
    QCOMPARE(resultLine(), QString());
    typeLine(QStringLiteral("5"));
    QCOMPARE(resultLine(), QStringLiteral("= 7"));
    QCOMPARE(m_machine->ui().resultLine->property("state").toString(), QStringLiteral("preview"));
    typeLine(QStringLiteral("÷0"));
    QCOMPARE(resultLine(), QString());
}

// Escape closes at once, as the window's close button does: the line, the
// history, Ans and the angle unit are still there at the next opening.
void TestMachine::escapeClosesAndKeepsTheCalculations()
{
    m_machine->setAngleUnit(AngleUnit::Radians);
    typeLine(QStringLiteral("6×7\n12+"));
    QTest::keyClick(m_machine->ui().display, Qt::Key_Escape);
    QVERIFY(!m_machine->isVisible());
    m_machine->show();
    QCOMPARE(display(), QStringLiteral("12+"));
    QCOMPARE(m_machine->ui().history->rowCount(), 1);
    QCOMPARE(m_machine->evaluator().ans(), 42.0);
    QVERIFY(m_machine->ui().radiansButton->isChecked());
}

// Tab goes from the line to the unit switch (one stop: the arrows choose
// the unit, as in a group of radio buttons) and through the keys as they
// are read; Space and Enter press the key that has the focus.
void TestMachine::keyboardReachesEveryKey()
{
    const QStringList expected = {"display",
                                  "degreesButton",
                                  "keySin",
                                  "keyCos",
                                  "keyTan",
                                  "keyLn",
                                  "keyLog",
                                  "key7",
                                  "key8",
                                  "key9",
                                  "keyDivide",
                                  "keyBack",
                                  "keyAsin",
                                  "keyAcos",
                                  "keyAtan",
                                  "keyExp",
                                  "keyTenPower",
                                  "key4",
                                  "key5",
                                  "key6",
                                  "keyTimes",
                                  "keyClear",
                                  "keySinh",
                                  "keyCosh",
                                  "keyTanh",
                                  "keyRoot",
                                  "keySquare",
                                  "key1",
                                  "key2",
                                  "key3",
                                  "keyMinus",
                                  "keyOpen",
                                  "keyPi",
                                  "keyE",
                                  "keyAbs",
                                  "keyRound",
                                  "keyPower",
                                  "key0",
                                  "keyComma",
                                  "keyExponent",
                                  "keyPlus",
                                  "keyClose",
                                  "keyPico",
                                  "keyNano",
                                  "keyMicro",
                                  "keyMilli",
                                  "keyKilo",
                                  "keyMega",
                                  "keyGiga",
                                  "keySeparator",
                                  "keyAns",
                                  "keyEquals",
                                  "clearHistoryButton"};
    const std::vector<testsupport::TabStop> stops = testsupport::walkTabOrder(m_machine.get(), m_machine->ui().display);
    QCOMPARE(testsupport::namesOf(stops), expected);
    QCOMPARE(testsupport::firstUnnamed(stops), QString());
    QCOMPARE(stops[size_t(expected.indexOf("keyRoot"))].accessibleName, QStringLiteral("Racine carrée"));

    key("keyRoot")->setFocus();
    QTest::keyClick(key("keyRoot"), Qt::Key_Space);
    key("key9")->setFocus();
    QTest::keyClick(key("key9"), Qt::Key_Return);
    QCOMPARE(display(), QStringLiteral("√(9"));
}

// A normal calculation shows its result at once; only a line whose preview
// took longer than the threshold shows the notice first.
void TestMachine::patienceNoticeOnlyForSlowCalculations()
{
    typeLine(QStringLiteral("2+2\n"));
    QCOMPARE(resultLine(), QStringLiteral("= 4"));

    m_machine->setSlowCalculation(std::chrono::nanoseconds(0));
    typeLine(QStringLiteral("+1\n"));
    QCOMPARE(resultLine(), patienceNotice());
    QCOMPARE(resultLine(), QStringLiteral("    Patience... Calculs en cours.     "));
    QTRY_COMPARE(resultLine(), QStringLiteral("= 5"));
    QCOMPARE(m_machine->ui().history->rowCount(), 2);
}

void TestMachine::hostileLinesGiveAMessage_data()
{
    QTest::addColumn<QString>("line");
    QString longLine;
    for (int i = 0; i < 50000; ++i)
        longLine += QStringLiteral("1+");
    QTest::addRow("10 000 nested parentheses") << QString(10000, u'(') + u'1' + QString(10000, u')');
    QTest::addRow("100 000 characters") << longLine;
    QTest::addRow("NUL bytes") << QString("4") + QChar(0) + QChar(0) + QString("×2");
}

void TestMachine::hostileLinesGiveAMessage()
{
    QFETCH(QString, line);
    QElapsedTimer clock;
    clock.start();
    m_machine->ui().display->setText(line);
    QCOMPARE(resultLine(), QString());
    m_machine->calculate();
    QCOMPARE(resultLine(), QStringLiteral("Calcul impossible"));
    QVERIFY(clock.elapsed() < testsupport::timeBound(500));
    QCOMPARE(m_machine->ui().history->rowCount(), 0);
}

TAVREL_TEST_MAIN(TestMachine)
#include "test_machine.moc"
