// Moving the projectile with the mouse and reading the coordinates under the
// pointer, driven by mouse events through the window as the platform sends
// them (the press reaches whatever control is under the pointer).

#define QTEST_QPA_MOUSE_HANDLING
#include "common/testmain.h"
#include "windowfixture.h"

#include "app/scenepicture.h"
#include "scene/scenegeometry.h"
#include "ui/numberformat.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

// The mouse over the scene: points in scene pixels (Picture2's own
// coordinates). Buttons still down at the end of a test are released, so
// that the next test starts with none.
class Mouse {
public:
    explicit Mouse(FeuilleP& w)
        : m_scene(w.ui().Picture2)
    {
    }
    ~Mouse()
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (m_down.testFlag(button))
                release(m_at, button);
    }

    void press(QPointF at, Qt::MouseButton button = Qt::LeftButton)
    {
        m_at = at;
        m_down.setFlag(button);
        QTest::mousePress(m_scene, button, {}, at.toPoint());
    }
    void move(QPointF at)
    {
        m_at = at;
        QTest::mouseMove(m_scene, at.toPoint());
    }
    void release(QPointF at, Qt::MouseButton button = Qt::LeftButton)
    {
        m_at = at;
        m_down.setFlag(button, false);
        QTest::mouseRelease(m_scene, button, {}, at.toPoint());
    }

private:
    QWidget* m_scene;
    QPointF m_at;
    Qt::MouseButtons m_down;
};

void showWindow(FeuilleP& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

QPointF cornerOf(const QWidget* control) { return QPointF(control->pos()); }

QString dateReadout(const FeuilleP& w) { return w.ui().Label3->text(); }

// The five actions that need a throw to act upon.
int enabledActions(const FeuilleP& w)
{
    int count = 0;
    for (const QWidget* action : {static_cast<QWidget*>(w.ui().command15), static_cast<QWidget*>(w.ui().command16),
                                  static_cast<QWidget*>(w.ui().command18), static_cast<QWidget*>(w.ui().command12),
                                  static_cast<QWidget*>(w.ui().Command14)})
        count += action->isEnabled() ? 1 : 0;
    return count;
}

const QString helpLine =
    QStringLiteral("Vous pouvez déplacer le projectile directement sur l'image pour modifier la position initiale");

} // namespace

class TestDrag : public QObject {
    Q_OBJECT
private slots:
    void followsThePointer();
    void limits_data();
    void limits();
    void groundWithoutUpwardSpeed_data();
    void groundWithoutUpwardSpeed();
    void otherButtonsDoNothing_data();
    void otherButtonsDoNothing();
    void releaseEndsTheDrag();
    void handPointers();
    void catchingAFlight_data();
    void catchingAFlight();
    void pressBesideAFlyingProjectile();
    void catchingEndsTheRecording();
    void coordinatesUnderThePointer_data();
    void coordinatesUnderThePointer();
    void noCoordinatesWhileRunning();
};

// Grabbed 10 pixels right of its left edge and 20 below its top, the picture
// keeps that point under the pointer over several moves; the fields, the
// shadow and both read-outs follow.
void TestDrag::followsThePointer()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showWindow(w);
    Mouse mouse(w);
    QCOMPARE(cornerOf(w.ui().projectile), QPointF(14, 420));

    mouse.press({24, 440});
    mouse.move({25, 438});
    mouse.move({60, 400});
    mouse.move({96, 332});
    QCOMPARE(cornerOf(w.ui().projectile), QPointF(86, 312));
    QCOMPARE(cornerOf(w.ui().ombre), QPointF(86, 420));
    QCOMPARE(w.ui().Text1->text(), QStringLiteral("2,00"));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("3,00"));
    QCOMPARE(dateReadout(w), QStringLiteral(" Date: t = 0,00 s."));
    QCOMPARE(w.ui().Label1->text(), QStringLiteral("Coordonnées : x = 2,00 m ; y = 3,00 m. "));
    mouse.release({96, 332});

    // The new position is the initial position: a reset keeps it.
    WindowFixture::activate(w.ui().command18);
    QCOMPARE(cornerOf(w.ui().projectile), QPointF(86, 312));
}

void TestDrag::limits_data()
{
    QTest::addColumn<QString>("startY0");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<QPointF>("corner");
    QTest::addColumn<QString>("x0");
    QTest::addColumn<QString>("y0");
    QTest::newRow("beyond the right edge") << "0" << QPointF(600, -36) << QPointF(375, 384) << "10,03" << "1,00";
    QTest::newRow("beyond the left edge") << "0" << QPointF(-40, -36) << QPointF(0, 384) << "-0,39" << "1,00";
    QTest::newRow("above the top") << "0" << QPointF(36, -450) << QPointF(50, 0) << "1,00" << "11,67";
    QTest::newRow("below the ground") << "5" << QPointF(36, 250) << QPointF(50, 420) << "1,00" << "0,00";
    QTest::newRow("into the corner") << "5" << QPointF(-100, 250) << QPointF(0, 420) << "-0,39" << "0,00";
}

// The pointer runs far past the edges (over the rest of the window, even
// above the scene); the picture stops at Left 0..375 and Top 0..420.
void TestDrag::limits()
{
    QFETCH(QString, startY0);
    QFETCH(QPointF, by);
    QFETCH(QPointF, corner);
    QFETCH(QString, x0);
    QFETCH(QString, y0);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text2, startY0);
    showWindow(w);
    Mouse mouse(w);

    const QPointF grab = cornerOf(w.ui().projectile) + QPointF(16, 16);
    mouse.press(grab);
    mouse.move(grab + QPointF(by.x() / 2, by.y() / 2));
    mouse.move(grab + by);
    QCOMPARE(cornerOf(w.ui().projectile), corner);
    QCOMPARE(w.sceneState().imageLeft, float(corner.x()));
    QCOMPARE(w.sceneState().imageTop, float(corner.y()));
    QCOMPARE(w.ui().Text1->text(), x0);
    QCOMPARE(w.ui().Text2->text(), y0);
    QCOMPARE(w.ui().Label1->text(), QStringLiteral("Coordonnées : x = ") + x0 + QStringLiteral(" m ; y = ") + y0
                                        + QStringLiteral(" m. "));
    mouse.release(grab + by);
}

void TestDrag::groundWithoutUpwardSpeed_data()
{
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<int>("enabledOnTheGround");
    QTest::newRow("horizontal") << "0" << 0;
    QTest::newRow("downwards") << "-45" << 0;
    QTest::newRow("straight down") << "-90" << 0;
    QTest::newRow("upwards") << "45" << 5;
}

// Brought down to the ground, a projectile that is not thrown upwards has
// nothing to do: the five actions go off, and come back when it is raised.
void TestDrag::groundWithoutUpwardSpeed()
{
    QFETCH(QString, alpha);
    QFETCH(int, enabledOnTheGround);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text4, alpha);
    WindowFixture::enter(w.ui().Text2, QStringLiteral("3"));
    showWindow(w);
    Mouse mouse(w);
    QCOMPARE(enabledActions(w), 5);

    const QPointF grab = cornerOf(w.ui().projectile) + QPointF(16, 16);
    mouse.press(grab);
    mouse.move(grab + QPointF(0, 200));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("0,00"));
    QCOMPARE(enabledActions(w), enabledOnTheGround);
    mouse.move(grab + QPointF(0, 72));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("1,00"));
    QCOMPARE(enabledActions(w), 5);
    mouse.release(grab + QPointF(0, 72));
}

void TestDrag::otherButtonsDoNothing_data()
{
    QTest::addColumn<QList<int>>("pressed");
    QTest::newRow("right") << QList<int>{Qt::RightButton};
    QTest::newRow("middle") << QList<int>{Qt::MiddleButton};
    QTest::newRow("left, then right") << QList<int>{Qt::LeftButton, Qt::RightButton};
    QTest::newRow("right, then left") << QList<int>{Qt::RightButton, Qt::LeftButton};
    QTest::newRow("left with middle") << QList<int>{Qt::LeftButton, Qt::MiddleButton};
}

void TestDrag::otherButtonsDoNothing()
{
    QFETCH(QList<int>, pressed);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text1, QStringLiteral("2"));
    WindowFixture::enter(w.ui().Text2, QStringLiteral("3"));
    showWindow(w);
    Mouse mouse(w);
    const QPointF before = cornerOf(w.ui().projectile);
    const QString readout = w.ui().Label1->text();

    const QPointF grab = before + QPointF(16, 16);
    for (int button : pressed)
        mouse.press(grab, Qt::MouseButton(button));
    mouse.move(grab + QPointF(50, 50));
    mouse.move(grab + QPointF(100, -72));
    QCOMPARE(cornerOf(w.ui().projectile), before);
    QCOMPARE(w.ui().Text1->text(), QStringLiteral("2,00"));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("3,00"));
    QCOMPARE(w.ui().Label1->text(), readout);
    QCOMPARE(w.ui().projectile->cursor().shape(), Qt::OpenHandCursor);
}

// A second drag takes the picture where it is pressed this time: the
// picture does not jump by the first grab point.
void TestDrag::releaseEndsTheDrag()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showWindow(w);
    Mouse mouse(w);
    mouse.press({19, 425});
    mouse.move({55, 425});
    mouse.release({55, 425});
    QCOMPARE(cornerOf(w.ui().projectile), QPointF(50, 420));

    mouse.press({75, 445});
    mouse.move({75, 445});
    QCOMPARE(cornerOf(w.ui().projectile), QPointF(50, 420));
    mouse.move({75, 409});
    QCOMPARE(cornerOf(w.ui().projectile), QPointF(50, 384));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("1,00"));
}

void TestDrag::handPointers()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showWindow(w);
    Mouse mouse(w);
    QCOMPARE(w.ui().projectile->cursor().shape(), Qt::OpenHandCursor);
    mouse.press({30, 436});
    QCOMPARE(w.ui().projectile->cursor().shape(), Qt::OpenHandCursor);
    mouse.move({40, 400});
    QCOMPARE(w.ui().projectile->cursor().shape(), Qt::ClosedHandCursor);
    mouse.move({80, 300});
    QCOMPARE(w.ui().projectile->cursor().shape(), Qt::ClosedHandCursor);
    mouse.release({80, 300});
    QCOMPARE(w.ui().projectile->cursor().shape(), Qt::OpenHandCursor);
}

void TestDrag::catchingAFlight_data()
{
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("paused");
    QTest::newRow("flying") << "77" << 10 << false;
    QTest::newRow("paused") << "77" << 10 << true;
    // Thrown nearly upright, the ball bounces within the scene.
    QTest::newRow("bouncing") << "85" << 80 << false;
}

// During a flight the image control is hidden and the projectile painted:
// a press on its picture takes it where it is seen, stops the flight, and
// what follows starts from where it is left.
void TestDrag::catchingAFlight()
{
    QFETCH(QString, alpha);
    QFETCH(int, ticks);
    QFETCH(bool, paused);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text4, alpha);
    showWindow(w);
    Mouse mouse(w);

    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < ticks; ++i)
        w.Timer1_Timer();
    if (paused)
        WindowFixture::activate(w.ui().command16);
    if (ticks > 75)
        QCOMPARE(w.state().bounceActive, sim::BouncePhase::Bouncing);
    QVERIFY(w.ui().projectile->isHidden());
    QVERIFY(w.state().simTime > 0);
    QCOMPARE(w.ui().Picture2->cursor().shape(), Qt::ArrowCursor);

    const QPointF painted(w.sceneState().imageLeft, w.sceneState().imageTop);
    const QString x0 = formatPattern(scene::xForImageLeft(painted.x()), QStringLiteral("###0.00"));
    mouse.press(painted + QPointF(16, 16));
    QVERIFY(!w.timerRunning());
    QVERIFY(!w.ui().projectile->isHidden());
    QCOMPARE(w.state().simTime, 0.0f);
    QCOMPARE(w.state().bounceActive, sim::BouncePhase::FreeFlight);
    QCOMPARE(dateReadout(w), QStringLiteral(" Date: t = 0,00 s."));
    QCOMPARE(w.ui().Text1->text(), x0);
    QVERIFY(w.sceneState().sceneClean);
    QCOMPARE(w.ui().Picture2->cursor().shape(), Qt::ClosedHandCursor);

    // The scene receives the moves of this drag.
    mouse.move(painted + QPointF(16 + 36, 16 - 36));
    QCOMPARE(w.sceneState().imageLeft, float(painted.x() + 36));
    QCOMPARE(w.sceneState().imageTop, float(painted.y() - 36));
    QCOMPARE(cornerOf(w.ui().projectile), QPointF(qRound(painted.x() + 36), qRound(painted.y() - 36)));
    mouse.release(painted + QPointF(16 + 36, 16 - 36));
    QCOMPARE(w.ui().Picture2->cursor().shape(), Qt::CrossCursor);

    const float startX = float(toNumber(w.ui().Text1->text()).value());
    const float startY = float(toNumber(w.ui().Text2->text()).value());
    WindowFixture::activate(w.ui().command15);
    QVERIFY(w.timerRunning());
    w.Timer1_Timer();
    QCOMPARE(w.state().posX, startX + w.state().initialVelocityX * 0.04f);
    QVERIFY(qAbs(w.state().posY - (startY + w.state().initialVelocityY * 0.04 - 4.9 * 0.04 * 0.04)) < 1e-5);
}

void TestDrag::pressBesideAFlyingProjectile()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showWindow(w);
    Mouse mouse(w);
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 10; ++i)
        w.Timer1_Timer();
    const QPointF painted(w.sceneState().imageLeft, w.sceneState().imageTop);
    const float date = w.state().simTime;

    for (const QPointF& beside : {QPointF(-1, 16), QPointF(33, 16), QPointF(16, -1), QPointF(16, 33)}) {
        mouse.press(painted + beside);
        mouse.move(painted + beside + QPointF(20, 20));
        mouse.release(painted + beside + QPointF(20, 20));
    }
    mouse.press(painted + QPointF(16, 16), Qt::RightButton);
    mouse.move(painted + QPointF(40, 40));
    mouse.release(painted + QPointF(40, 40), Qt::RightButton);

    QVERIFY(w.timerRunning());
    QVERIFY(w.ui().projectile->isHidden());
    QCOMPARE(w.state().simTime, date);
    QCOMPARE(w.ui().Text1->text(), QStringLiteral("0,00"));
}

// The camera stops with the flight it was photographing.
void TestDrag::catchingEndsTheRecording()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showWindow(w);
    Mouse mouse(w);
    // The camera sits on a tab not shown: the shown window would take the
    // pointer, so the button is pressed by program.
    w.ui().command12->click();
    QVERIFY(w.state().chrono.chronoActive);
    for (int i = 0; i < 10; ++i)
        w.Timer1_Timer();
    mouse.press(QPointF(w.sceneState().imageLeft + 16, w.sceneState().imageTop + 16));
    QVERIFY(!w.state().chrono.chronoActive);
    QCOMPARE(w.ui().command12->toolTip(), QStringLiteral("Chronophotographie"));
    QCOMPARE(w.ui().Label5->text(), QStringLiteral("Activer la chronophotographie"));
}

void TestDrag::coordinatesUnderThePointer_data()
{
    QTest::addColumn<int>("scroll");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("tip");
    QTest::newRow("frame origin") << 0 << QPointF(30, 436) << "x = 0,00 m ; y = 0,00 m.";
    QTest::newRow("one metre each way") << 0 << QPointF(66, 400) << "x = 1,00 m ; y = 1,00 m.";
    QTest::newRow("last grid column, top row") << 0 << QPointF(390, 40) << "x = 10,00 m ; y = 11,00 m.";
    QTest::newRow("left of the axis") << 0 << QPointF(12, 100) << "x = -0,50 m ; y = 9,33 m.";
    QTest::newRow("near the scene's corner") << 0 << QPointF(1, 1) << "x = -0,81 m ; y = 12,08 m.";
    QTest::newRow("scrolled, frame origin") << 100 << QPointF(30, 436) << "x = 0,00 m ; y = 0,00 m.";
    QTest::newRow("scrolled, under the ground") << 343 << QPointF(48, 700) << "x = 0,50 m ; y = -7,33 m.";
}

void TestDrag::coordinatesUnderThePointer()
{
    QFETCH(int, scroll);
    QFETCH(QPointF, at);
    QFETCH(QString, tip);
    WindowFixture f;
    FeuilleP& w = f.w();
    showWindow(w);
    w.ui().VScroll2->setValue(scroll);
    Mouse mouse(w);
    mouse.move(at);
    QCOMPARE(w.ui().Picture2->toolTip(), tip);
    QCOMPARE(w.ui().Picture2->cursor().shape(), Qt::CrossCursor);
    QCOMPARE(w.ui().info->text(), helpLine);
}

void TestDrag::noCoordinatesWhileRunning()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    showWindow(w);
    Mouse mouse(w);
    mouse.move({200, 200});
    QVERIFY(!w.ui().Picture2->toolTip().isEmpty());

    // Over the shadow, which lets the pointer through to the scene.
    WindowFixture::activate(w.ui().command15);
    mouse.move({30, 436});
    QCOMPARE(w.ui().Picture2->toolTip(), QString());
    QCOMPARE(w.ui().Picture2->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w.ui().info->text(), helpLine);

    WindowFixture::activate(w.ui().Image4);
    mouse.move({66, 400});
    QCOMPARE(w.ui().Picture2->toolTip(), QStringLiteral("x = 1,00 m ; y = 1,00 m."));
    QCOMPARE(w.ui().Picture2->cursor().shape(), Qt::CrossCursor);
}

TAVREL_TEST_MAIN(TestDrag)
#include "test_drag.moc"
