// The live graph in the main window: the choice of curves by clicks, the
// frame kept when nothing is chosen, the curves traced during a run and the
// graph's buttons during and after a flight.

#include "windowfixture.h"

#include "common/pixels.h"
#include "common/testmain.h"
#include "sim/catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int tickLimit = 5000;

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor green(0, 128, 0);

// The graph as its panel paints it, without the buttons and the choice
// panel that lie over it.
QImage graphPicture(FeuilleP& w)
{
    QImage image(w.ui().Frame1->size(), QImage::Format_RGB32);
    w.ui().Frame1->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// The curves are traced inside x 20 to 260; the legend, in the same
// colours, stands right of x 280.
int curvePixels(const QImage& graph, QColor colour)
{
    int count = 0;
    for (int y = 0; y < graph.height(); ++y)
        for (int x = 20; x <= 260; ++x)
            count += graph.pixel(x, y) == colour.rgb() ? 1 : 0;
    return count;
}

QString checkedBoxes(const FeuilleP& w)
{
    QString boxes;
    for (const QCheckBox* box : w.ui().Check13)
        boxes += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return boxes;
}

void clickBox(FeuilleP& w, int index)
{
    QTest::mouseClick(w.ui().Check13[size_t(index)], Qt::LeftButton, Qt::NoModifier,
                      w.ui().Check13[size_t(index)]->rect().center());
}

QString helpOverGraph(FeuilleP& w)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(w.ui().Frame1, &enter);
    return w.ui().info->text();
}

} // namespace

class TestLiveGraphWindow : public QObject {
    Q_OBJECT
private slots:
    void groupsByClicks_data();
    void groupsByClicks();
    void uncheckingTheLastKeepsTheFrame();
    void energiesTracedDuringTheFlight();
    void buttonsDuringAFlight_data();
    void buttonsDuringAFlight();
    void timeAxisArrowWhole();
    void choicePanelTitlesAndLabels();
};

void TestLiveGraphWindow::groupsByClicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("checked");
    QTest::newRow("nothing chosen") << QList<int>{} << "00000000";
    QTest::newRow("x and y together") << QList<int>{0, 1} << "11000000";
    QTest::newRow("velocities replace y") << QList<int>{1, 2, 4} << "00101000";
    QTest::newRow("y replaces velocities") << QList<int>{2, 4, 1} << "01000000";
    QTest::newRow("energies together") << QList<int>{5, 6, 7} << "00000111";
    QTest::newRow("vy replaces energies") << QList<int>{5, 7, 3} << "00010000";
    QTest::newRow("x replaces energies") << QList<int>{6, 0} << "10000000";
    QTest::newRow("unchecking one of two") << QList<int>{0, 1, 0} << "01000000";
    QTest::newRow("unchecking the last") << QList<int>{3, 3} << "00000000";
}

void TestLiveGraphWindow::groupsByClicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, checked);
    WindowFixture f;
    FeuilleP& w = f.w();
    for (int index : clicks)
        clickBox(w, index);
    QCOMPARE(checkedBoxes(w), checked);
    QCOMPARE(w.ui().Command6->isEnabled(), checked.contains(QLatin1Char('1')));
}

void TestLiveGraphWindow::uncheckingTheLastKeepsTheFrame()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QImage blank = graphPicture(w);
    clickBox(w, 1);
    QVERIFY(w.ui().Command6->isEnabled());
    const QImage frame = graphPicture(w);
    QVERIFY(frame != blank);

    clickBox(w, 1);
    QVERIFY(!w.ui().Command6->isEnabled());
    QCOMPARE(graphPicture(w), frame);
}

void TestLiveGraphWindow::energiesTracedDuringTheFlight()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(w.ui().Frame1->width() > 280 && w.ui().Frame1->height() > 200);
    w.ui().Check4->setChecked(false);
    for (int index : {5, 6, 7})
        clickBox(w, index);
    w.ui().Command6->click();
    QVERIFY(w.ui().Picture5->isHidden());

    WindowFixture::activate(w.ui().command15);
    w.Timer1_Timer();
    QImage graph = graphPicture(w);
    for (const QColor& colour : {blue, red, green})
        QVERIFY2(curvePixels(graph, colour) < 10, qPrintable(colour.name()));

    for (int i = 0; i < tickLimit && w.state().bounceActive == sim::BouncePhase::FreeFlight; ++i)
        w.Timer1_Timer();
    graph = graphPicture(w);
    // Ec, Ep and Em over the whole flight, 240 units wide at most.
    for (const QColor& colour : {blue, red, green})
        QVERIFY2(curvePixels(graph, colour) > 100, qPrintable(colour.name()));

    // Nothing more while the ball bounces.
    for (int i = 0; i < 20; ++i)
        w.Timer1_Timer();
    QCOMPARE(w.state().bounceActive, sim::BouncePhase::Bouncing);
    QCOMPARE(graphPicture(w), graph);
}

void TestLiveGraphWindow::buttonsDuringAFlight_data()
{
    QTest::addColumn<int>("projectile");
    QTest::newRow("pierre, ends at the ground") << int(sim::Pierre);
    QTest::newRow("ballon, ends at rest") << int(sim::Ballon);
}

void TestLiveGraphWindow::buttonsDuringAFlight()
{
    QFETCH(int, projectile);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo2, projectile);
    w.ui().Check4->setChecked(false);
    QVERIFY(w.ui().Command3->isEnabled());
    QVERIFY(w.ui().Command5->isEnabled());
    QCOMPARE(helpOverGraph(w), QStringLiteral("Ce graphe peut être agrandi"));

    WindowFixture::activate(w.ui().command15);
    w.Timer1_Timer();
    QVERIFY(!w.ui().Command3->isEnabled());
    QVERIFY(!w.ui().Command5->isEnabled());
    QCOMPARE(helpOverGraph(w), QStringLiteral("Le graphe est tracé pendant l'animation"));

    int ticks = 1;
    for (; ticks < tickLimit && w.timerRunning(); ++ticks) {
        w.Timer1_Timer();
        QCOMPARE(w.ui().Command3->isEnabled(), !w.timerRunning());
    }
    QVERIFY(ticks > 70);
    QVERIFY(w.ui().Command3->isEnabled());
    QVERIFY(w.ui().Command5->isEnabled());
    QCOMPARE(helpOverGraph(w), QStringLiteral("Ce graphe peut être agrandi"));
}

// The time axis lies on row 200; the lower barb of its arrow goes down to
// row 204, on screen and in the copied picture, with room below it.
void TestLiveGraphWindow::timeAxisArrowWhole()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    clickBox(w, 0);
    const QColor black(0, 0, 0);
    const QImage copied = w.liveGraph().picture();
    const QImage onScreen = graphPicture(w);
    for (const QImage& picture : {copied, onScreen}) {
        QVERIFY2(picture.height() >= 208, qPrintable(QString::number(picture.height())));
        QVERIFY(testing::holdsColour(picture, black, QRect(271, 203, 3, 2)));
        QVERIFY(testing::holdsColour(picture, black, QRect(271, 196, 3, 2)));
        QVERIFY(!testing::hasInk(picture, QRect(0, 206, 280, picture.height() - 206)));
    }
}

namespace {

// The rows [first, last] of the picture's dark pixels in the area; (-1, -1)
// when it has none.
std::pair<int, int> inkRows(const QImage& picture, const QRect& area, int darkness = 128)
{
    int first = -1;
    int last = -1;
    const QRect clipped = area & picture.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (qGray(picture.pixel(x, y)) < darkness) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return {first, last};
}

} // namespace

// The choice panel: no title cut at the top, each title nearer to its own
// boxes than to the group above, each label level with its box.
void TestLiveGraphWindow::choicePanelTitlesAndLabels()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Command3->click();
    QVERIFY(w.ui().Picture5->isVisible() || !w.ui().Picture5->isHidden());
    const QImage panel = w.ui().Picture5->grab().toImage();
    const auto box = [&](int i) { return w.ui().Check13[size_t(i)]->geometry(); };
    // The indicator's frame, by the rows where the box's middle column
    // differs from the panel.
    const auto indicatorRows = [&](int i) {
        const QRect b = box(i);
        return inkRows(panel, QRect(b.center().x(), b.top() - 2, 1, b.height() + 4), 230);
    };

    const QRect titleColumn(box(0).left(), 0, 60, 0);
    const auto title = inkRows(panel, titleColumn.adjusted(0, 0, 0, box(0).top() - 1));
    QVERIFY2(title.first > 0, "Position is cut at the top");
    for (const auto& [first, previousLast] : {std::pair{2, 1}, std::pair{5, 4}}) {
        const int above = indicatorRows(previousLast).second;
        const int below = indicatorRows(first).first;
        const auto rows = inkRows(panel, QRect(titleColumn.left(), above + 1, 60, below - above - 1));
        QVERIFY(rows.first > above);
        QVERIFY2(rows.first - above > below - rows.second,
                 qPrintable(QStringLiteral("title of box %1: %2 rows under the group above, %3 over its boxes")
                                .arg(first)
                                .arg(rows.first - above)
                                .arg(below - rows.second)));
    }
    // The letters x, v and E before their parentheses stand in the middle
    // of the box's height.
    for (int i : {0, 2, 4, 5}) {
        const QRect b = box(i);
        const auto indicator = indicatorRows(i);
        const auto label = inkRows(panel, QRect(b.left() + 20, b.top() - 2, 5, b.height() + 2));
        const double labelMiddle = (label.first + label.second) / 2.0;
        const double boxMiddle = (indicator.first + indicator.second) / 2.0;
        const double tolerance = i == 5 ? 1.0 : 0.5;
        QVERIFY2(std::abs(labelMiddle - boxMiddle) <= tolerance,
                 qPrintable(QStringLiteral("label %1 centred on row %2, its box on %3").arg(i).arg(labelMiddle).arg(boxMiddle)));
    }
}

TAVREL_TEST_MAIN(TestLiveGraphWindow)
#include "test_livegraph_window.moc"
