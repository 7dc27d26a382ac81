// The window going away while it is still shown with the focus in a field:
// at the end of the event loop, and on the "Erreur fatale" road. The field
// must not validate itself on a window half destroyed.

#include "windowfixture.h"
#include "common/testmain.h"

#include "common/testmain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

class TestShutdown : public QObject {
    Q_OBJECT
private slots:
    void destroyedWithAFocusedField_data();
    void destroyedWithAFocusedField();
    void fatalRoadWithAFocusedField();
};

void TestShutdown::destroyedWithAFocusedField_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("x0") << QStringLiteral("Text1");
    QTest::newRow("y0") << QStringLiteral("Text2");
    QTest::newRow("v0") << QStringLiteral("Text3");
    QTest::newRow("alpha") << QStringLiteral("Text4");
    QTest::newRow("chronophotography interval") << QStringLiteral("chrono");
}

void TestShutdown::destroyedWithAFocusedField()
{
    QFETCH(QString, field);
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* edit = w.findChild<QLineEdit*>(field);
    QVERIFY(edit);
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->setText(QStringLiteral("3"));
    // A crash here ends the test program.
    f.window.reset();
    QVERIFY(!QApplication::focusWidget());
}

// A place photograph gone missing is found again by "Effacer", which runs the
// place choice: the fatal message ends the program while the field is focused.
void TestShutdown::fatalRoadWithAFocusedField()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.ui().Text1->setFocus();
    QTRY_VERIFY(w.ui().Text1->hasFocus());
    QVERIFY(QFile::remove(f.directory.filePath(QStringLiteral("terre.jpg"))));
    WindowFixture::activate(w.ui().Command13);
    QVERIFY(w.failedFatally());
    QCOMPARE(f.dialogs.shown().back().title, QStringLiteral("Erreur fatale"));
    f.window.reset();
    QVERIFY(!QApplication::focusWidget());
}

TAVREL_TEST_MAIN(TestShutdown)
#include "test_shutdown.moc"
