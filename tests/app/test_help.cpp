// "&Aide" and F1: the manual opens at its contents, from the main window and
// from any window over it.

#include "windowfixture.h"

#include "common/testmain.h"

#include "app/helpwindow.h"

#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void helpButtonOpensTheContents();
    void f1Anywhere_data();
    void f1Anywhere();
    void f1OverAModalWindow();

private:
    // The headless platform cannot bring a window to the front.
    testsupport::ToleratedMessages m_noRaise{QRegularExpression(QStringLiteral("^This plugin does not support raise\\(\\)$"))};
};

void TestHelp::helpButtonOpensTheContents()
{
    WindowFixture f;
    QVERIFY(!f.w().helpWindow());
    f.w().ui().Command7->click();
    HelpWindow* help = f.w().helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentPage(), QString("index.html"));
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Sommaire")));

    // Once the user has wandered, the button brings the same window back to the contents.
    help->showPage(QStringLiteral("vecteurs.html"));
    f.w().ui().Command7->click();
    QCOMPARE(f.w().helpWindow(), help);
    QCOMPARE(help->currentPage(), QString("index.html"));
}

void TestHelp::f1Anywhere_data()
{
    QTest::addColumn<QString>("control");
    QTest::addRow("the window") << "feuilleP";
    QTest::addRow("a parameter field") << "Text3";
    QTest::addRow("the scene") << "Picture2";
    QTest::addRow("the exercise text") << "supertext";
}

void TestHelp::f1Anywhere()
{
    QFETCH(QString, control);
    WindowFixture f;
    f.w().show();
    QVERIFY(QTest::qWaitForWindowActive(&f.w()));
    QWidget* target = control == QLatin1String("feuilleP") ? &f.w() : f.w().findChild<QWidget*>(control);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_F1);
    QVERIFY(f.w().helpWindow());
    QVERIFY(f.w().helpWindow()->isVisible());
    QCOMPARE(f.w().helpWindow()->currentPage(), QString("index.html"));
}

void TestHelp::f1OverAModalWindow()
{
    WindowFixture f;
    f.w().show();
    QDialog modal(&f.w());
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&modal));
    QCOMPARE(QApplication::activeModalWidget(), &modal);
    QTest::keyClick(&modal, Qt::Key_F1);
    HelpWindow* help = f.w().helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    // It belongs to the modal window: a modal window blocks every window
    // but its own.
    QCOMPARE(help->parentWidget(), &modal);
    QVERIFY(help->isWindow());
    modal.close();
    // Back on the main window, F1 gives the help back to it.
    QTest::keyClick(&f.w(), Qt::Key_F1);
    QCOMPARE(f.w().helpWindow(), help);
    QCOMPARE(help->parentWidget(), &f.w());
}

TAVREL_TEST_MAIN(TestHelp)
#include "test_help.moc"
