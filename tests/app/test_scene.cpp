// The scene as drawn on its canvas: the frame, its graduations or dotted
// grid, and the trajectory baked into the background.

#include "windowfixture.h"
#include "common/testmain.h"

#include "common/pixels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>

namespace {

const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);

const QImage& canvas(FeuilleP& w) { return w.sceneSurface().canvas(); }

bool isFrame(FeuilleP& w, int x, int y) { return canvas(w).pixelColor(x, y) == white; }

// Nothing drawn there: the canvas shows the background.
bool isBare(FeuilleP& w, int x, int y)
{
    return canvas(w).pixelColor(x, y) == w.sceneSurface().background().pixelColor(x, y);
}

int framePixelsOnRow(FeuilleP& w, int y, int fromX, int toX)
{
    int count = 0;
    for (int x = fromX; x <= toX; ++x)
        count += isFrame(w, x, y) ? 1 : 0;
    return count;
}

int framePixelsOnColumn(FeuilleP& w, int x, int fromY, int toY)
{
    int count = 0;
    for (int y = fromY; y <= toY; ++y)
        count += isFrame(w, x, y) ? 1 : 0;
    return count;
}

// The lowest row holding the colour, -1 when there is none.
int lowestRowOf(const QImage& image, QColor colour)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return y;
    return -1;
}

} // namespace

class TestScene : public QObject {
    Q_OBJECT
private slots:
    void axes();
    void graduations_data();
    void graduations();
    void dottedGrid();
    void noFrame();
    void trajectoryIsBaked();
    void trajectoryStaysAboveTheGround();
};

void TestScene::axes()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(w.ui().Check1->isChecked());
    QCOMPARE(framePixelsOnRow(w, 436, 30, 401), 372);
    QCOMPARE(framePixelsOnColumn(w, 30, 20, 436), 417);
    // The arrow heads, halfway along one of their strokes.
    // Like every line here, the axis stops one pixel short of its end point.
    QVERIFY(isFrame(w, 398, 434));
    QVERIFY(isFrame(w, 398, 438));
    QVERIFY(isFrame(w, 32, 24));
    QVERIFY(isFrame(w, 28, 24));
    QVERIFY(isBare(w, 404, 436));
    QVERIFY(isBare(w, 30, 17));
}

void TestScene::graduations_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("mark across the y axis at 1 m") << QPoint(28, 400) << true;
    QTest::newRow("its last pixel") << QPoint(32, 400) << true;
    QTest::newRow("right of it") << QPoint(36, 400) << false;
    QTest::newRow("mark at 11 m") << QPoint(32, 40) << true;
    QTest::newRow("mark across the x axis at 1 m") << QPoint(66, 438) << true;
    QTest::newRow("its top end") << QPoint(66, 433) << true;
    QTest::newRow("above it") << QPoint(66, 430) << false;
    QTest::newRow("mark at 10 m") << QPoint(390, 434) << true;
    QTest::newRow("between two marks") << QPoint(84, 438) << false;
}

void TestScene::graduations()
{
    QFETCH(QPoint, point);
    QFETCH(bool, drawn);
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(!w.ui().Check3->isChecked());
    if (drawn)
        QVERIFY(isFrame(w, point.x(), point.y()));
    else
        QVERIFY(isBare(w, point.x(), point.y()));
}

// The grid covers X 30 to 390 and Y 40 to 436 in dotted lines.
void TestScene::dottedGrid()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check3->setChecked(true);

    for (int row : {400, 220, 40}) {
        const int drawn = framePixelsOnRow(w, row, 31, 389);
        QVERIFY2(drawn > 60 && drawn < 300, qPrintable(QStringLiteral("row %1: %2").arg(row).arg(drawn)));
        QCOMPARE(framePixelsOnRow(w, row, 392, 408), 0);
    }
    for (int column : {66, 210, 390}) {
        const int drawn = framePixelsOnColumn(w, column, 41, 435);
        QVERIFY2(drawn > 60 && drawn < 330, qPrintable(QStringLiteral("column %1: %2").arg(column).arg(drawn)));
        QCOMPARE(framePixelsOnColumn(w, column, 21, 38), 0);
    }
    // No row above 11 m, no column beyond 10 m.
    QCOMPARE(framePixelsOnRow(w, 22, 40, 380), 0);
    QCOMPARE(framePixelsOnColumn(w, 400, 60, 420), 0);
    // The axes stay solid.
    QCOMPARE(framePixelsOnRow(w, 436, 30, 401), 372);

    w.ui().Check3->setChecked(false);
    QCOMPARE(framePixelsOnRow(w, 400, 40, 389), 0);
}

void TestScene::noFrame()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check3->setChecked(true);
    w.ui().Check1->setChecked(false);
    QVERIFY(!w.ui().Check3->isEnabled());
    QCOMPARE(framePixelsOnRow(w, 436, 50, 402), 0);
    QCOMPARE(framePixelsOnColumn(w, 30, 20, 400), 0);
    QCOMPARE(framePixelsOnRow(w, 400, 31, 389), 0);

    w.ui().Check1->setChecked(true);
    QVERIFY(w.ui().Check3->isEnabled());
    QCOMPARE(framePixelsOnRow(w, 436, 30, 401), 372);
}

// The trajectory is committed to the background as it is drawn, so that
// clearing the scene keeps it.
void TestScene::trajectoryIsBaked()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QCOMPARE(testing::countColour(canvas(w), yellow), 0);
    w.ui().Check8->setChecked(true);
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 6; ++i)
        w.Timer1_Timer();
    WindowFixture::activate(w.ui().command16);
    w.retico();
    const QImage& baked = w.sceneSurface().background();
    QVERIFY(testing::countColour(canvas(w), yellow) > 50);
    QVERIFY(testing::countColour(baked, yellow) >= testing::countColour(canvas(w), yellow));
    // It starts from the centre of the projectile on the ground and climbs
    // towards its position at t = 0,24 s (x = 0,81 m, y = 3,23 m).
    QVERIFY(testing::holdsColour(baked, yellow, QRect(QPoint(29, 432), QPoint(32, 436))));
    QVERIFY(testing::holdsColour(baked, yellow, QRect(QPoint(57, 317), QPoint(61, 321))));
    QVERIFY(!testing::holdsColour(baked, yellow, QRect(QPoint(0, 0), QPoint(408, 300))));
}

// On the tick that crosses the ground the ball's ordinate is below 0; its
// trajectory point is drawn on the ground row, never below.
void TestScene::trajectoryStaysAboveTheGround()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text1, QStringLiteral("1"));
    WindowFixture::enter(w.ui().Text2, QStringLiteral("5"));
    WindowFixture::enter(w.ui().Text3, QStringLiteral("5"));
    WindowFixture::enter(w.ui().Text4, QStringLiteral("0"));
    w.ui().Check8->setChecked(true);
    WindowFixture::activate(w.ui().command15);
    int ticks = 0;
    while (w.state().bounceActive == sim::BouncePhase::FreeFlight && ticks < 200) {
        w.Timer1_Timer();
        ++ticks;
    }
    QCOMPARE(w.state().bounceActive, sim::BouncePhase::Touched);
    QVERIFY(w.state().posY < -0.1);
    const QImage& baked = w.sceneSurface().background();
    // Unclamped, the point would be 11 rows below the ground; the segment
    // ends on row 436, its last pixel left out.
    const int lowest = lowestRowOf(baked, yellow);
    QVERIFY2(lowest == 435 || lowest == 436, qPrintable(QString::number(lowest)));
    const int x = qRound(30 + 36 * w.state().posX);
    QVERIFY(testing::holdsColour(baked, yellow, QRect(QPoint(x - 3, 434), QPoint(x + 1, 436))));
}

TAVREL_TEST_MAIN(TestScene)
#include "test_scene.moc"
