// The graphs window opened from the main window: by "Agrandir" with the
// hourglass on the button while it is open, by "&Graphes", and by a click on
// the live graph when the enlarge pointer shows; it opens on the situation
// and the choice of the live graph, with the main window's look.

#include "windowfixture.h"

#include "calc/machine.h"
#include "graphs/graphes.h"
#include "common/testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

// What the user found in the graphs window while it was open.
struct Seen {
    int opened = 0;
    QString caption;
    QRect geometry;
    std::array<bool, graphs::kindCount> checked{};
    int rows = 0;
    Qt::CursorShape agrandirPointer = Qt::ArrowCursor;
    Qt::CursorShape graphPointer = Qt::ArrowCursor;
};

void watchNextWindow(WindowFixture& f, Seen& seen)
{
    f.dialogs.queueModal([&f, &seen](QDialog& dialog) {
        auto* window = qobject_cast<graphs::Graphes*>(&dialog);
        QVERIFY(window);
        ++seen.opened;
        seen.caption = window->windowTitle();
        seen.geometry = window->geometry();
        for (int i = 0; i < graphs::kindCount; ++i)
            seen.checked[size_t(i)] = window->ui().Check1[size_t(i)]->isChecked();
        seen.rows = window->ui().MSFlexGrid1->rowCount();
        seen.agrandirPointer = f.w().ui().Command5->cursor().shape();
        seen.graphPointer = f.w().ui().Frame1->cursor().shape();
    });
}

void moveOverGraph(FeuilleP& w, int x)
{
    const QPointF at(x, 100);
    QMouseEvent move(QEvent::MouseMove, at, w.ui().Frame1->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w.ui().Frame1, &move);
}

void clickGraph(FeuilleP& w, int x)
{
    QTest::mouseClick(w.ui().Frame1, Qt::LeftButton, Qt::NoModifier, QPoint(x, 100));
}

// The window shown with this curve on the live graph, its choice put away.
FeuilleP& showGraph(WindowFixture& f, int kind)
{
    FeuilleP& w = f.w();
    w.show();
    w.ui().Check13[size_t(kind)]->click();
    w.ui().Command6->click();
    return w;
}

} // namespace

class TestGraphsWindow : public QObject {
    Q_OBJECT
private slots:
    void agrandirWithTheHourglass();
    void graphesButton();
    void clickOnTheEnlargeableGraph();
    void noEnlargingWhileTracing();
    void noEnlargingWithoutAFlight();
    void windowClosedLeavesTheMainWindowAsItWas();
    void calculatriceOpensTheCalculator();
};

void TestGraphsWindow::agrandirWithTheHourglass()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    WindowFixture::enter(w.ui().Text2, QStringLiteral("10"));
    w.ui().Check13[graphs::KindY]->click();
    Seen seen;
    watchNextWindow(f, seen);
    QTest::mouseClick(w.ui().Command5, Qt::LeftButton);
    QCOMPARE(seen.opened, 1);
    QCOMPARE(f.dialogs.modalsShown(), std::vector<QString>{QStringLiteral("graphes")});
    QCOMPARE(seen.agrandirPointer, Qt::WaitCursor);
    QCOMPARE(w.ui().Command5->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(seen.caption, QStringLiteral("Graphes"));
    QCOMPARE(seen.geometry, w.geometry());
    QCOMPARE(seen.checked, (std::array<bool, graphs::kindCount>{false, true}));
    QVERIFY(seen.rows > 1);
}

void TestGraphsWindow::graphesButton()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    QCOMPARE(w.ui().Command14->toolTip(), QStringLiteral("Afficher les graphes x(t), y(t) et y(x)"));
    // A throw from the ground that does not rise has no flight to show.
    WindowFixture::enter(w.ui().Text4, QStringLiteral("-10"));
    QVERIFY(!w.ui().Command14->isEnabled());
    WindowFixture::enter(w.ui().Text2, QStringLiteral("4"));
    for (int kind : {graphs::KindEc, graphs::KindEp})
        w.ui().Check13[size_t(kind)]->click();
    Seen seen;
    watchNextWindow(f, seen);
    QVERIFY(w.ui().Command14->isEnabled());
    w.ui().Command14->click();
    QCOMPARE(seen.opened, 1);
    QVERIFY(seen.checked[graphs::KindEc] && seen.checked[graphs::KindEp] && !seen.checked[graphs::KindEm]);
}

// Left of the legend the pointer is the enlarge pointer, and a click opens
// the window with the hourglass on the graph, then the enlarge pointer back.
void TestGraphsWindow::clickOnTheEnlargeableGraph()
{
    WindowFixture f;
    FeuilleP& w = showGraph(f, graphs::KindX);
    Seen seen;
    watchNextWindow(f, seen);
    moveOverGraph(w, 300);
    QCOMPARE(w.ui().Frame1->cursor().shape(), Qt::ArrowCursor);
    clickGraph(w, 300);
    QCOMPARE(seen.opened, 0);

    moveOverGraph(w, 150);
    QCOMPARE(w.ui().Frame1->cursor().shape(), Qt::BitmapCursor);
    clickGraph(w, 150);
    QCOMPARE(seen.opened, 1);
    QCOMPARE(seen.graphPointer, Qt::WaitCursor);
    QCOMPARE(seen.agrandirPointer, Qt::WaitCursor);
    QCOMPARE(w.ui().Frame1->cursor().shape(), Qt::BitmapCursor);
    QVERIFY(seen.checked[graphs::KindX]);
}

// During a flight the graph is being traced: no enlarge pointer, no window.
void TestGraphsWindow::noEnlargingWhileTracing()
{
    WindowFixture f;
    FeuilleP& w = showGraph(f, graphs::KindY);
    WindowFixture::activate(w.ui().command15);
    w.Timer1_Timer();
    QVERIFY(!w.ui().Command5->isEnabled());
    moveOverGraph(w, 150);
    QCOMPARE(w.ui().Frame1->cursor().shape(), Qt::ArrowCursor);
    Seen seen;
    watchNextWindow(f, seen);
    clickGraph(w, 150);
    QCOMPARE(seen.opened, 0);
    QVERIFY(f.dialogs.modalsShown().empty());
}

// A throw from the ground that does not rise has no flight: its graph is
// blank, and neither "Agrandir" nor the click on it opens a blank window.
// From above the ground the same throw falls, and its curves show.
void TestGraphsWindow::noEnlargingWithoutAFlight()
{
    WindowFixture f;
    FeuilleP& w = showGraph(f, graphs::KindY);
    WindowFixture::enter(w.ui().Text4, QStringLiteral("-30"));
    QVERIFY(!w.ui().Command5->isEnabled());
    QVERIFY(w.ui().Command3->isEnabled());
    moveOverGraph(w, 150);
    QCOMPARE(w.ui().Frame1->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w.ui().info->text(), QStringLiteral("Pas de graphe : le projectile part du sol sans être lancé vers le haut"));
    Seen seen;
    watchNextWindow(f, seen);
    clickGraph(w, 150);
    QCOMPARE(seen.opened, 0);

    WindowFixture::enter(w.ui().Text2, QStringLiteral("5"));
    QVERIFY(w.ui().Command5->isEnabled());
    moveOverGraph(w, 150);
    QCOMPARE(w.ui().info->text(), QStringLiteral("Ce graphe peut être agrandi"));
    clickGraph(w, 150);
    QCOMPARE(seen.opened, 1);
    QVERIFY(seen.rows > 1);
}

// The window changes nothing: the live graph, its choice and the state stay.
void TestGraphsWindow::windowClosedLeavesTheMainWindowAsItWas()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    w.ui().Check13[graphs::KindVx]->click();
    const QImage before = w.liveGraph().picture();
    f.dialogs.queueModal([](QDialog& dialog) {
        auto& window = static_cast<graphs::Graphes&>(dialog);
        window.ui().Check1[graphs::KindEm]->click();
        window.ui().Image1[0]->click();
    });
    WindowFixture::activate(w.ui().Command14);
    QVERIFY(w.ui().Check13[graphs::KindVx]->isChecked());
    QVERIFY(!w.ui().Check13[graphs::KindEm]->isChecked());
    QCOMPARE(w.liveGraph().picture(), before);
}

void TestGraphsWindow::calculatriceOpensTheCalculator()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    bool enabled = false;
    f.dialogs.queueModal([&enabled](QDialog& dialog) {
        auto& window = static_cast<graphs::Graphes&>(dialog);
        enabled = window.ui().Image1[3]->isEnabled();
        window.ui().Image1[3]->click();
    });
    WindowFixture::activate(w.ui().Command5);
    QVERIFY(enabled);
    QCOMPARE(f.dialogs.modalsShown().size(), size_t(2));
    QCOMPARE(f.dialogs.modalsShown()[0], QStringLiteral("graphes"));
    QVERIFY(w.calculator());
    QCOMPARE(f.dialogs.modalsShown()[1], w.calculator()->objectName());
}

TAVREL_TEST_MAIN(TestGraphsWindow)
#include "test_graphswindow.moc"
