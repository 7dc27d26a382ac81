// The main window by keyboard alone: the tabs' pages by Ctrl+Tab, the scene
// and its menu by Tab and the menu key, and a name for every control a
// screen reader reaches.

#include "app/windowfixture.h"
#include "common/tabwalk.h"
#include "app/scenepicture.h"
#include "common/testmain.h"
#include "scene/swatches.h"
#include "scene/tabstripwidget.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void ctrlTabTurnsTheTabs();
    void tabReachesEveryControlWithAName();
    void menuKeyOpensTheSceneMenu();
    void enterPressesTheFocusedButton();
    void displayPageInReadingOrderWithItsSwatches();
};

namespace {

void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

} // namespace

void TestKeyboard::ctrlTabTurnsTheTabs()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showActive(w);
    auto* strip = static_cast<TabStrip*>(w.ui().Onglets);
    QCOMPARE(strip->currentTab(), 1);
    // Forwards through the five pages and round to the first; backwards
    // from the first to the last.
    for (const int expected : {2, 3, 4, 5, 1}) {
        QTest::keyClick(w.ui().Text1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(strip->currentTab(), expected);
        QVERIFY(strip->panel(expected)->isVisible());
    }
    QTest::keyClick(&w, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(strip->currentTab(), 5);
}

void TestKeyboard::tabReachesEveryControlWithAName()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showActive(w);
    const std::vector<testsupport::TabStop> stops = testsupport::walkTabOrder(&w, w.ui().Command2);
    const QStringList reached = testsupport::namesOf(stops);
    QCOMPARE(testsupport::firstUnnamed(stops), QString());
    // The top buttons in their row, the fields of the first page in reading
    // order, and the scene.
    QStringList expected{QStringLiteral("Command2"),  QStringLiteral("Command11"), QStringLiteral("Command4"),
                         QStringLiteral("Command10"), QStringLiteral("Command14"), QStringLiteral("Command8"),
                         QStringLiteral("btexo"),     QStringLiteral("Command7"),  QStringLiteral("Command1")};
    QCOMPARE(reached.mid(0, expected.size()), expected);
    qsizetype previous = -1;
    for (const QLineEdit* field : {w.ui().Text1, w.ui().Text2, w.ui().Text3, w.ui().Text4}) {
        const qsizetype at = reached.indexOf(field->objectName());
        QVERIFY2(at > previous, qPrintable(field->objectName()));
        previous = at;
    }
    QVERIFY(reached.contains(QStringLiteral("Picture2")));
    QCOMPARE(w.ui().Command11->accessibleName(), QStringLiteral("Enregistrer"));
}

void TestKeyboard::menuKeyOpensTheSceneMenu()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showActive(w);
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers(Qt::NoModifier)},
                                         std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        w.ui().Picture2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.ui().Picture2, key, modifiers);
        QTRY_VERIFY(w.ui().sceneMenu->isVisible());
        w.ui().sceneMenu->close();
        QTRY_VERIFY(!w.ui().sceneMenu->isVisible());
    }
}

void TestKeyboard::enterPressesTheFocusedButton()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showActive(w);
    // Enter, on the keypad too, starts and pauses; with a modifier it is not Enter.
    w.ui().command15->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.ui().command15, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(w.ui().Timer1->isActive());
    w.ui().command16->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.ui().command16, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(w.ui().Timer1->isActive());
    QTest::keyClick(w.ui().command16, Qt::Key_Return);
    QVERIFY(!w.ui().Timer1->isActive());
}

void TestKeyboard::displayPageInReadingOrderWithItsSwatches()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showActive(w);
    static_cast<TabStrip*>(w.ui().Onglets)->selectTab(2);
    const std::vector<testsupport::TabStop> stops = testsupport::walkTabOrder(&w, w.ui().Check1);
    QCOMPARE(testsupport::firstUnnamed(stops), QString());
    // Each swatch comes after the box of its row.
    const QStringList expected{QStringLiteral("Check1"), QStringLiteral("Label4_4"), QStringLiteral("Check3"),
                               QStringLiteral("Check8"), QStringLiteral("Label4_5"), QStringLiteral("Check10"),
                               QStringLiteral("speed"),  QStringLiteral("Check4"),   QStringLiteral("keepPaths")};
    QCOMPARE(testsupport::namesOf(stops).mid(0, expected.size()), expected);

    QLabel* trajectory = w.ui().Label4[scene::SwatchTrajectory];
    trajectory->setFocus(Qt::TabFocusReason);
    QTest::keyClick(trajectory, Qt::Key_Space);
    QCOMPARE(f.dialogs.lastInitialColour(), std::optional<QColor>(QColor(255, 255, 0)));
}

TAVREL_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
