#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void defaults();
};

void TestStartup::defaults()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QCOMPARE(w.windowTitle(), QStringLiteral("Tavrel TS"));
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("Terre"));
    QCOMPARE(w.Combo2->currentText(), QStringLiteral("ballon (450 g)"));
    QCOMPARE(w.Text1->text(), QStringLiteral("0,00"));
    QCOMPARE(w.Text2->text(), QStringLiteral("0,00"));
    QCOMPARE(w.Text3->text(), QStringLiteral("15,00"));
    QCOMPARE(w.Text4->text(), QStringLiteral("77,00"));
    QVERIFY(w.Check1->isChecked());
    QVERIFY(!w.failedFatally());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
