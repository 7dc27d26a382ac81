// Chronophotography in the window: the warning about the velocity-variation
// interval, starting a recording, the interval field, the photo dates, the
// camera button's state, what a photograph leaves on the scene, the marks
// and their erasing.

#include "windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "ui/updown.h"
#include "common/testmain.h"

namespace {

constexpr int tickLimit = 5000;

// The projectile picture of the ball (third of the list).
QImage ballPicture()
{
    return QImage(applicationDirectory() + QStringLiteral("projectile3.png"))
        .convertToFormat(QImage::Format_ARGB32);
}

// How many pixels of the scene differ, in the square the projectile
// picture covers at (left, top).
int changedUnderPicture(const QImage& before, const QImage& after, QPoint at)
{
    int changed = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (before.pixel(at.x() + x, at.y() + y) != after.pixel(at.x() + x, at.y() + y))
                ++changed;
    return changed;
}

// Whether every opaque pixel of the picture shows on the scene at (left, top).
bool pictureShowsAt(const QImage& scene, QPoint at)
{
    const QImage picture = ballPicture();
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) != 255)
                continue;
            ++opaque;
            if ((scene.pixel(at.x() + x, at.y() + y) & RGB_MASK) != (pixel & RGB_MASK))
                return false;
        }
    return opaque > 100;
}

QPoint imageCorner(FeuilleP& w)
{
    return {qRound(w.sceneState().imageLeft), qRound(w.sceneState().imageTop)};
}

// The scene with the frame switched off, to compare photographs with.
QImage sceneWithoutFrame(FeuilleP& w)
{
    w.ui().Check1->setChecked(false);
    w.retico();
    return w.sceneSurface().canvas().copy();
}

// Runs ticks until the next photograph has been taken.
void tickToNextPhotograph(FeuilleP& w)
{
    for (int i = 0; i < tickLimit; ++i) {
        w.Timer1_Timer();
        if (w.state().chrono.photoThisTick == 1)
            return;
    }
    QFAIL("no photograph");
}

} // namespace

class TestChrono : public QObject {
    Q_OBJECT
private slots:
    void warning_data();
    void warning();
    void switchingOnStartsTheAnimation();
    void intervalField_data();
    void intervalField();
    void shortIntervalSlowsTheDate();
    void photographBeforeTheGroundIsNotTheLanding();
    void buttonShowsTheRecording();
    void photographIsBaked();
    void marksInsteadOfPictures();
    void newestMarkTakesNewColours();
    void eraseRestoresThePhotograph();
};

void TestChrono::warning_data()
{
    QTest::addColumn<int>("spin");
    QTest::addColumn<bool>("keepVectors");
    QTest::addColumn<bool>("variation");
    QTest::addColumn<bool>("warns");
    QTest::newRow("600 ms is twice 300 ms") << 6 << true << true << false;
    QTest::newRow("500 ms") << 5 << true << true << true;
    QTest::newRow("500 ms, vectors not kept") << 5 << false << true << false;
    QTest::newRow("500 ms, no variation") << 5 << true << false << false;
}

void TestChrono::warning()
{
    QFETCH(int, spin);
    QFETCH(bool, keepVectors);
    QFETCH(bool, variation);
    QFETCH(bool, warns);
    WindowFixture f;
    FeuilleP& w = f.w();
    QCOMPARE(w.ui().chrono->text(), QStringLiteral("300"));
    w.ui().UpDown1->setValue(spin);
    w.ui().Check9->setChecked(keepVectors);
    w.ui().Check6->setChecked(variation);
    WindowFixture::activate(w.ui().command12);

    QCOMPARE(w.state().chrono.chronoActive, 1);
    if (!warns) {
        QVERIFY(f.dialogs.shown().empty());
        return;
    }
    QCOMPARE(f.dialogs.shown().size(), size_t(1));
    const ScriptedDialogs::Shown& box = f.dialogs.shown().front();
    QVERIFY(box.icon == DialogService::Icon::Information);
    QCOMPARE(box.title, QStringLiteral("Avertissement"));
    QCOMPARE(box.text,
             QStringLiteral("Il est préférable que l'intervalle de temps qui permet de représenter les variations\n"
                            "du vecteur vitesse soit le double de la durée entre deux photographies.\n"
                            "Pour chaque photographie, la représentation sera calculée avec un intervalle\n"
                            "de temps de 600 ms."));
}

void TestChrono::switchingOnStartsTheAnimation()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QImage before = w.sceneSurface().background().copy();
    const QPoint start = imageCorner(w);
    WindowFixture::activate(w.ui().command12);
    QVERIFY(w.timerRunning());
    QVERIFY(w.ui().projectile->isHidden());
    QCOMPARE(w.state().chrono.nextPhotoTime, 0.0f);

    // The first tick is a photo instant: the date goes back to 0 and the
    // picture is taken where the projectile stands.
    w.Timer1_Timer();
    QCOMPARE(w.state().chrono.photoThisTick, 1);
    QCOMPARE(w.state().simTime, 0.0f);
    QCOMPARE(imageCorner(w), start);
    QVERIFY(changedUnderPicture(before, w.sceneSurface().background(), start) > 100);
    QCOMPARE(w.state().chrono.nextPhotoTime, 0.3f);
}

void TestChrono::intervalField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("below 10") << "5" << "10";
    QTest::newRow("10") << "10" << "10";
    QTest::newRow("5000") << "5000" << "5000";
    QTest::newRow("above 5000") << "6000" << "5000";
    QTest::newRow("letters refused") << "1x5y0" << "150";
    QTest::newRow("no decimal point") << "2.5" << "25";
    QTest::newRow("leading zeros") << "0040" << "40";
}

void TestChrono::intervalField()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().chrono, typed);
    QCOMPARE(w.ui().chrono->text(), kept);
}

void TestChrono::shortIntervalSlowsTheDate()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().chrono, QStringLiteral("10"));
    WindowFixture::activate(w.ui().command12);
    w.Timer1_Timer();
    QCOMPARE(w.state().simTime, 0.0f);
    for (int tick = 1; tick <= 50; ++tick) {
        w.Timer1_Timer();
        QCOMPARE(w.state().chrono.photoThisTick, 1);
        QVERIFY2(qAbs(w.state().simTime - 0.01f * tick) < 1e-5f, qPrintable(QString::number(w.state().simTime)));
    }
}

// With photographs every 10 ms the tick that crosses the ground is taken back
// to the last photo date before the contact: the stone is still in the air
// then, and it lands on the next tick, at the contact date, on the ground.
void TestChrono::photographBeforeTheGroundIsNotTheLanding()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo2, 1);
    WindowFixture::enter(w.ui().chrono, QStringLiteral("10"));
    WindowFixture::activate(w.ui().command12);
    double lastHeight = -1;
    for (int i = 0; i < tickLimit && w.timerRunning(); ++i) {
        w.Timer1_Timer();
        if (w.timerRunning())
            lastHeight = w.state().posY;
    }
    QVERIFY(!w.timerRunning());
    QVERIFY2(lastHeight > 0, "the photograph just before the contact was taken in the air");
    QCOMPARE(w.ui().Label3->text(), QStringLiteral(" Date: t = 2,98 s."));
    QVERIFY(w.ui().Label1->text().endsWith(QStringLiteral(" m ; y = 0,00 m. ")));
    QVERIFY(qAbs(w.state().posY) < 1e-3);
    QCOMPARE(w.sceneState().imageTop, 420.0f);
}

void TestChrono::buttonShowsTheRecording()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QCOMPARE(w.ui().Label5->text(), QStringLiteral("Activer la chronophotographie"));
    QCOMPARE(w.ui().command12->toolTip(), QStringLiteral("Chronophotographie"));

    WindowFixture::activate(w.ui().command12);
    w.Timer1_Timer();
    QCOMPARE(w.ui().Label5->text(), QStringLiteral("Arrêter la chronophotographie"));
    QCOMPARE(w.ui().command12->toolTip(), QStringLiteral("Arrêter la chronophotographie"));

    // Pausing ends the recording.
    WindowFixture::activate(w.ui().command16);
    QVERIFY(!w.timerRunning());
    QCOMPARE(w.state().chrono.chronoActive, 0);
    QCOMPARE(w.ui().Label5->text(), QStringLiteral("Activer la chronophotographie"));
    QCOMPARE(w.ui().command12->toolTip(), QStringLiteral("Chronophotographie"));
}

void TestChrono::photographIsBaked()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QImage bare = sceneWithoutFrame(w);

    WindowFixture::activate(w.ui().command12);
    w.Timer1_Timer();
    tickToNextPhotograph(w);
    QVERIFY(qAbs(w.state().simTime - 0.3f) < 1e-5f);
    const QPoint at = imageCorner(w);
    WindowFixture::activate(w.ui().command16);

    w.retico();
    QVERIFY(pictureShowsAt(w.sceneSurface().canvas(), at));
    QVERIFY(!pictureShowsAt(bare, at));
}

void TestChrono::marksInsteadOfPictures()
{
    // Every tick is a photo instant at 10 ms: the marks follow the ball down
    // to the ground and through its bounces.
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check1->setChecked(false);
    w.ui().Check4->setChecked(false);
    w.ui().Check2->setChecked(true);
    WindowFixture::enter(w.ui().chrono, QStringLiteral("10"));
    w.retico();
    const QImage bare = w.sceneSurface().canvas().copy();

    WindowFixture::activate(w.ui().command12);
    w.Timer1_Timer();
    QCOMPARE(w.marks().size(), size_t(1));
    tickToNextPhotograph(w);
    QCOMPARE(w.marks().size(), size_t(2));
    const QPoint at = imageCorner(w);

    // Only a cross, no picture, is left on the scene.
    WindowFixture::activate(w.ui().command16);
    w.retico();
    QVERIFY(changedUnderPicture(bare, w.sceneSurface().canvas(), at) < 40);
    QVERIFY(changedUnderPicture(bare, w.sceneSurface().canvas(), at) > 0);

    WindowFixture::activate(w.ui().command12);
    bool landed = false;
    for (int i = 0; i < tickLimit && w.timerRunning(); ++i) {
        w.Timer1_Timer();
        landed = landed || w.state().bounceActive != sim::BouncePhase::FreeFlight;
    }
    QVERIFY(landed);
    int lowest = 0;
    for (const scene::Mark& mark : w.marks())
        lowest = std::max<int>(lowest, mark.y);
    QCOMPARE(lowest, 436);
}

void TestChrono::newestMarkTakesNewColours()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check2->setChecked(true);
    WindowFixture::activate(w.ui().command12);
    w.Timer1_Timer();
    tickToNextPhotograph(w);
    QCOMPARE(w.marks().size(), size_t(2));
    // Pause on a tick that is not a photo instant, so that the redraws record
    // nothing more.
    w.Timer1_Timer();
    QCOMPARE(w.state().chrono.photoThisTick, 0);
    WindowFixture::activate(w.ui().command16);

    const QColor oldColour = w.marks().front().colour;
    const QColor newColour(10, 20, 30);
    f.dialogs.queueColour(newColour);
    WindowFixture::activate(w.ui().Label4[6]);

    QCOMPARE(w.marks().size(), size_t(2));
    QCOMPARE(w.marks().back().colour, newColour);
    QCOMPARE(w.marks().front().colour, oldColour);
    const QImage& scene = w.sceneSurface().canvas();
    QCOMPARE(QColor(scene.pixel(w.marks().back().x, w.marks().back().y)), newColour);
    QCOMPARE(QColor(scene.pixel(w.marks().front().x, w.marks().front().y)), oldColour);
}

void TestChrono::eraseRestoresThePhotograph()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QImage bare = sceneWithoutFrame(w);

    // A picture at 0 s, then marks from 0,3 s on.
    WindowFixture::activate(w.ui().command12);
    w.Timer1_Timer();
    const QPoint pictured = imageCorner(w);
    w.ui().Check2->setChecked(true);
    tickToNextPhotograph(w);
    QCOMPARE(w.marks().size(), size_t(1));
    WindowFixture::activate(w.ui().command16);
    w.retico();
    QVERIFY(pictureShowsAt(w.sceneSurface().canvas(), pictured));

    w.ui().Command13->click();
    QVERIFY(w.marks().empty());
    QVERIFY(!pictureShowsAt(w.sceneSurface().canvas(), pictured));
    QCOMPARE(w.sceneSurface().canvas(), bare);
}

TAVREL_TEST_MAIN(TestChrono)
#include "test_chrono.moc"
