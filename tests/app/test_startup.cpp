#include "windowfixture.h"
#include "common/testmain.h"

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
    QCOMPARE(w.ui().Combo1->currentText(), QStringLiteral("Terre"));
    QCOMPARE(w.ui().Combo2->currentText(), QStringLiteral("ballon (450 g)"));
    QCOMPARE(w.ui().Text1->text(), QStringLiteral("0,00"));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("0,00"));
    QCOMPARE(w.ui().Text3->text(), QStringLiteral("15,00"));
    QCOMPARE(w.ui().Text4->text(), QStringLiteral("77,00"));
    QVERIFY(w.ui().Check1->isChecked());
    QVERIFY(!w.failedFatally());
}

TAVREL_TEST_MAIN(TestStartup)
#include "test_startup.moc"
