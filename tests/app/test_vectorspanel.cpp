// The Vecteurs panel as it acts on the scene: the scroll bars and the spin
// control change the vectors drawn on the projectile at once, the options
// choose which are drawn, and the construction follows the variation.

#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include "ui/updown.h"
#include "common/testmain.h"
#include <QTest>
#include <array>

namespace {

const QColor velocityColour(255, 0, 0);
const QColor changeColour(255, 0, 255);
const QColor afterColour(255, 128, 0);
const QColor beforeColour(0, 0, 255);
const QColor weightColour(0, 255, 255);
const QColor accelerationColour(0, 192, 0);

QImage sceneNow(const FeuilleP& w)
{
    return w.sceneSurface().canvas().copy();
}

// Where a drawing added pixels of one colour to the scene, and how many.
struct Added {
    QRect extent;
    int count = 0;
};

Added addedPixels(const QImage& before, const QImage& after, QColor colour)
{
    Added added;
    const QRgb wanted = colour.rgb();
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            const QRgb pixel = after.pixel(x, y);
            if (pixel == wanted && pixel != before.pixel(x, y)) {
                added.extent |= QRect(x, y, 1, 1);
                ++added.count;
            }
        }
    return added;
}

QList<QCheckBox*> vectorOptions(FeuilleP& w)
{
    return {w.ui().Check5, w.ui().Check6, w.ui().Check7, w.ui().Check14, w.ui().Check12};
}

void setVectorOptions(FeuilleP& w, bool ticked)
{
    for (QCheckBox* option : vectorOptions(w))
        option->setChecked(ticked);
}

// A horizontal throw at 6 m/s from 8 m high, paused after its first tick:
// every vector of the tests fits on the scene, even at the largest scales.
void pausedHorizontalThrow(FeuilleP& w)
{
    WindowFixture::enter(w.ui().Text2, QStringLiteral("8"));
    WindowFixture::enter(w.ui().Text3, QStringLiteral("6"));
    WindowFixture::enter(w.ui().Text4, QStringLiteral("0"));
    WindowFixture::activate(w.ui().command15);
    w.Timer1_Timer();
    WindowFixture::activate(w.ui().command16);
}

// The centre of inertia on the scene.
QPointF centre(FeuilleP& w)
{
    return {30.0 + 36.0 * w.state().posX, 436.0 - 36.0 * w.state().posY};
}

} // namespace

class TestVectorsPanel : public QObject {
    Q_OBJECT
private slots:
    void scalesActOnThePausedScene_data();
    void scalesActOnThePausedScene();
    void intervalLengthensTheVariation();
    void onlyTheWeightBeforeLaunch();
    void allTickedVectorsAfterAPause();
    void constructionNeedsTheVariation();
    void weightLegendFollowsTheProjectile();
};

void TestVectorsPanel::scalesActOnThePausedScene_data()
{
    QTest::addColumn<QString>("scrollBar");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("reach");

    // Velocity (6; -0,39) m/s, acceleration 9,8 m/s², weight 0,45 x 9,8 N.
    QTest::newRow("velocity, 1 per m/s") << "VScroll1" << 49 << "Check5" << velocityColour << true << 6.0;
    QTest::newRow("velocity, 50 per m/s") << "VScroll1" << 0 << "Check5" << velocityColour << true << 300.0;
    QTest::newRow("acceleration, 1 per m/s²") << "VScroll4" << 49 << "Check14" << accelerationColour << false << 9.8;
    QTest::newRow("acceleration, 50 per m/s²") << "VScroll4" << 0 << "Check14" << accelerationColour << false
                                                << 490.0;
    QTest::newRow("weight, 10 per N") << "VScroll3" << 90 << "Check12" << weightColour << false << 44.0;
    QTest::newRow("weight, 100 per N") << "VScroll3" << 0 << "Check12" << weightColour << false << 441.0;
}

void TestVectorsPanel::scalesActOnThePausedScene()
{
    QFETCH(QString, scrollBar);
    QFETCH(int, value);
    QFETCH(QString, option);
    QFETCH(QColor, colour);
    QFETCH(bool, horizontal);
    QFETCH(double, reach);
    WindowFixture f;
    FeuilleP& w = f.w();
    pausedHorizontalThrow(w);
    QVERIFY(!w.timerRunning());
    QVERIFY(w.state().simTime > 0);
    const QImage bare = sceneNow(w);

    w.findChild<QCheckBox*>(option)->setChecked(true);
    // No tick after this: the scene is redrawn by the change itself.
    w.findChild<QScrollBar*>(scrollBar)->setValue(value);
    const Added vector = addedPixels(bare, sceneNow(w), colour);
    QVERIFY(vector.count > 0);
    const QPointF p = centre(w);
    const double drawn = horizontal ? vector.extent.right() - p.x() : vector.extent.bottom() - p.y();
    QVERIFY2(qAbs(drawn - reach) <= 1.5, qPrintable(QStringLiteral("%1 drawn, %2 expected").arg(drawn).arg(reach)));
}

void TestVectorsPanel::intervalLengthensTheVariation()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    pausedHorizontalThrow(w);
    const QImage bare = sceneNow(w);
    QCOMPARE(w.ui().UpDown1->value(), 6);
    QCOMPARE(w.ui().Label9->text(), QStringLiteral("600"));

    w.ui().Check6->setChecked(true);
    const Added at600 = addedPixels(bare, sceneNow(w), changeColour);
    w.ui().UpDown1->stepUp();
    QCOMPARE(w.ui().Label9->text(), QStringLiteral("700"));
    const Added at700 = addedPixels(bare, sceneNow(w), changeColour);

    // g x scale x Dt downwards: 9,8 x 20 x 0,6, then 0,1 s longer.
    const double py = centre(w).y();
    QVERIFY(qAbs(at600.extent.bottom() - py - 117.6) <= 1.5);
    const double longer = at700.extent.bottom() - at600.extent.bottom();
    QVERIFY2(qAbs(longer - 9.8 * 20 * 0.1) <= 1.0, qPrintable(QString::number(longer)));
    QCOMPARE(at700.extent.left(), at600.extent.left());
}

void TestVectorsPanel::onlyTheWeightBeforeLaunch()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QImage bare = sceneNow(w);
    setVectorOptions(w, true);
    QVERIFY(w.ui().Check7->isEnabled());
    const QImage ticked = sceneNow(w);

    QVERIFY(addedPixels(bare, ticked, weightColour).count > 100);
    for (const QColor& colour : {velocityColour, changeColour, afterColour, beforeColour, accelerationColour})
        QVERIFY2(addedPixels(bare, ticked, colour).count == 0, qPrintable(colour.name()));
}

void TestVectorsPanel::allTickedVectorsAfterAPause()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    setVectorOptions(w, true);
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 3; ++i)
        w.Timer1_Timer();
    WindowFixture::activate(w.ui().command16);
    QVERIFY(!w.timerRunning());

    setVectorOptions(w, false);
    const QImage bare = sceneNow(w);
    setVectorOptions(w, true);
    w.majaff();
    const QImage ticked = sceneNow(w);
    for (const QColor& colour :
         {velocityColour, changeColour, afterColour, beforeColour, weightColour, accelerationColour})
        QVERIFY2(addedPixels(bare, ticked, colour).count > 0, qPrintable(colour.name()));
}

void TestVectorsPanel::constructionNeedsTheVariation()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 3; ++i)
        w.Timer1_Timer();
    WindowFixture::activate(w.ui().command16);
    const QImage bare = sceneNow(w);

    w.ui().Check6->setChecked(true);
    QVERIFY(w.ui().Check7->isEnabled());
    w.ui().Check7->setChecked(true);
    QVERIFY(addedPixels(bare, sceneNow(w), afterColour).count > 0);

    // The construction keeps its tick while it cannot be drawn.
    w.ui().Check6->setChecked(false);
    QVERIFY(!w.ui().Check7->isEnabled());
    QVERIFY(w.ui().Check7->isChecked());
    const QImage without = sceneNow(w);
    QCOMPARE(addedPixels(bare, without, afterColour).count, 0);
    QCOMPARE(addedPixels(bare, without, beforeColour).count, 0);

    w.ui().Check6->setChecked(true);
    QVERIFY(w.ui().Check7->isEnabled());
    QVERIFY(addedPixels(bare, sceneNow(w), beforeColour).count > 0);
}

// The rock's weight scale reads per 10 000 N: its legend is longer than
// "1 N" and goes back when another projectile is chosen.
void TestVectorsPanel::weightLegendFollowsTheProjectile()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QImage ball = w.ui().Picture1->grab().toImage();
    WindowFixture::choose(w.ui().Combo2, 4);
    const QImage rock = w.ui().Picture1->grab().toImage();
    QVERIFY(rock != ball);
    WindowFixture::choose(w.ui().Combo2, 2);
    QCOMPARE(w.ui().Picture1->grab().toImage(), ball);
}

TAVREL_TEST_MAIN(TestVectorsPanel)
#include "test_vectorspanel.moc"
