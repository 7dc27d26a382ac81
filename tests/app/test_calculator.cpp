#include "calc/machine.h"
#include "common/testmain.h"
#include "windowfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void commandOpensTheCalculatorModally();
    void calculatorKeepsItsMemoryBetweenOpenings();
    void unloadUnloadsTheCalculator();
};

void TestCalculator::commandOpensTheCalculatorModally()
{
    WindowFixture fixture;
    QPushButton* command = fixture.w().ui().Command8;
    QCOMPARE(command->text(), QStringLiteral("&Calculatrice"));
    QVERIFY(command->isEnabled());
    QVERIFY(!fixture.w().calculator());

    bool sawParent = false;
    fixture.dialogs.queueModal([&](QDialog& dialog) {
        sawParent = dialog.parentWidget() == fixture.window.get();
        auto& machine = static_cast<Machine&>(dialog);
        QTest::keyClicks(machine.ui().display, QStringLiteral("2+3×4"));
        QTest::keyClick(machine.ui().display, Qt::Key_Return);
    });
    QTest::mouseClick(command, Qt::LeftButton);

    QCOMPARE(fixture.dialogs.modalsShown(), std::vector<QString>{QStringLiteral("Machine")});
    QVERIFY(sawParent);
    QVERIFY(fixture.w().calculator());
    QCOMPARE(fixture.w().calculator()->evaluator().ans(), 14.0);
}

// History, Ans and the angle unit are still there at the next opening.
void TestCalculator::calculatorKeepsItsMemoryBetweenOpenings()
{
    WindowFixture fixture;
    fixture.dialogs.queueModal([](QDialog& dialog) {
        auto& machine = static_cast<Machine&>(dialog);
        machine.setAngleUnit(AngleUnit::Radians);
        QTest::keyClicks(machine.ui().display, QStringLiteral("6×7"));
        QTest::keyClick(machine.ui().display, Qt::Key_Return);
    });
    WindowFixture::activate(fixture.w().ui().Command8);

    int rows = 0;
    bool radians = false;
    QString ans;
    fixture.dialogs.queueModal([&](QDialog& dialog) {
        auto& machine = static_cast<Machine&>(dialog);
        rows = machine.ui().history->rowCount();
        radians = machine.ui().radiansButton->isChecked();
        ans = machine.ui().ansLabel->text();
    });
    WindowFixture::activate(fixture.w().ui().Command8);
    QCOMPARE(fixture.dialogs.modalsShown().size(), size_t(2));
    QCOMPARE(rows, 1);
    QVERIFY(radians);
    QCOMPARE(ans, QStringLiteral("Ans = 42"));
}

void TestCalculator::unloadUnloadsTheCalculator()
{
    WindowFixture fixture;
    WindowFixture::activate(fixture.w().ui().Command8);
    QPointer<const Machine> machine = fixture.w().calculator();
    QVERIFY(machine);
    QVERIFY(fixture.w().close());
    QVERIFY(!fixture.w().calculator());
    QVERIFY(!machine);
}

TAVREL_TEST_MAIN(TestCalculator)
#include "test_calculator.moc"
