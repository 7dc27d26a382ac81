// What the windows of lower layers get from the main window: the graphs
// window's setup as plain data, and the exercise window's narrow host.

#include "windowfixture.h"

#include "sim/catalogue.h"
#include "common/testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTextEdit>

class TestHosts : public QObject {
    Q_OBJECT
private slots:
    void graphesSetup();
    void exerciseHostReachesTheStatementBox();
    void editedStatementAsksBeforeClosing_data();
    void editedStatementAsksBeforeClosing();
};

void TestHosts::graphesSetup()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo1, 2);
    WindowFixture::choose(w.ui().Combo2, sim::Rocher);
    WindowFixture::enter(w.ui().Text2, QStringLiteral("3"));
    w.ui().Check13[size_t(graphs::KindVy)]->setChecked(true);

    const graphs::GraphesSetup in = w.graphesSetup();
    QCOMPARE(in.situation.gravityField, 3.71f);
    QCOMPARE(in.situation.projectileMass, 1830.0f);
    QCOMPARE(in.situation.y0, 3.0);
    QCOMPARE(in.situation.initialVelocityX, w.state().initialVelocityX);
    QCOMPARE(in.situation.initialVelocityY, w.state().initialVelocityY);
    for (int i = 0; i < graphs::kindCount; ++i)
        QCOMPARE(in.situation.checked[size_t(i)], i == graphs::KindVy);
    QVERIFY(!in.icon.isNull());
    QCOMPARE(in.geometry, w.geometry());
}

void TestHosts::exerciseHostReachesTheStatementBox()
{
    WindowFixture f;
    ExerciseHost& host = f.w();
    QCOMPARE(host.hostWindow(), &f.w());
    QCOMPARE(host.statementBox(), f.w().ui().supertext);
    QCOMPARE(host.exerciseFileField(), f.w().ui().fich);
    const QString welcome = host.statementBox()->toPlainText();
    QVERIFY(welcome.startsWith(QStringLiteral("Tavrel TS")));
    host.statementBox()->setPlainText(QStringLiteral("Exercice 1"));
    host.showWelcomeText();
    QCOMPARE(host.statementBox()->toPlainText(), welcome);
}

void TestHosts::editedStatementAsksBeforeClosing_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("questions");
    QTest::newRow("statement as loaded") << false << 1;
    QTest::newRow("statement edited") << true << 2;
}

void TestHosts::editedStatementAsksBeforeClosing()
{
    QFETCH(bool, modified);
    QFETCH(int, questions);
    WindowFixture f;
    ExerciseHost& host = f.w();
    host.setExerciseTextModified(modified);
    QVERIFY(f.w().close());
    QCOMPARE(int(f.dialogs.shown().size()), questions);
    QCOMPARE(f.dialogs.shown().front().title,
             modified ? QStringLiteral("Abandon des données?") : QStringLiteral("Fermer"));
}

TAVREL_TEST_MAIN(TestHosts)
#include "test_hosts.moc"
