// A tick redraws only what moved: after every tick of a flight the scene is
// the one a whole redraw paints, and the widget was asked to repaint every
// changed pixel, and little more. CTest runs it again at QT_SCALE_FACTOR=2.

#include "windowfixture.h"

#include "app/scenepicture.h"
#include "common/testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPaintEvent>
#include <QTimer>
#include <cstring>

// The areas the scene was asked to repaint, in units.
struct PaintRegions : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted |= static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class TestRedraw : public QObject {
    Q_OBJECT
private slots:
    void tickMatchesWholeRedraw_data()
    {
        QTest::addColumn<int>("projectile"); // 1 the stone, 2 the ball, which bounces
        QTest::addColumn<bool>("vectors");   // the five, in thick lines
        QTest::addColumn<int>("frame");      // 0 none, 1 graduations, 2 grid
        QTest::addColumn<int>("chrono");     // 0 none, 1 photographs with their vectors, 2 marks with projections
        QTest::addColumn<bool>("slowMotion");
        QTest::newRow("ball, frame") << 2 << false << 1 << 0 << false;
        QTest::newRow("ball, vectors, grid") << 2 << true << 2 << 0 << false;
        QTest::newRow("stone, vectors, photographs") << 1 << true << 0 << 1 << false;
        QTest::newRow("ball, grid, marks, slow motion") << 2 << false << 2 << 2 << true;
        QTest::newRow("stone, vectors, grid, marks") << 1 << true << 2 << 2 << false;
    }

    void tickMatchesWholeRedraw()
    {
        QFETCH(int, projectile);
        QFETCH(bool, vectors);
        QFETCH(int, frame);
        QFETCH(int, chrono);
        QFETCH(bool, slowMotion);
        WindowFixture f;
        FeuilleP whole;
        FeuilleP& moved = f.w();
        const PictureSurface& scene = moved.sceneSurface();
        if (const QByteArray factor = qgetenv("QT_SCALE_FACTOR"); !factor.isEmpty())
            QCOMPARE(scene.devicePixelRatio(), factor.toDouble());
        for (FeuilleP* w : {&moved, &whole}) {
            // The test is the clock: the window's own never fires while events are processed.
            w->ui().Timer1->setInterval(3600 * 1000);
            WindowFixture::choose(w->ui().Combo2, projectile);
            for (QCheckBox* box :
                 {w->ui().Check5, w->ui().Check14, w->ui().Check6, w->ui().Check7, w->ui().Check12, w->ui().Check10})
                box->setChecked(vectors);
            w->ui().speed->setChecked(slowMotion);
            w->ui().Check1->setChecked(frame > 0);
            w->ui().Check3->setChecked(frame == 2);
            w->ui().Check9->setChecked(chrono == 1);
            w->ui().Check2->setChecked(chrono == 2);
            w->ui().Check11->setChecked(chrono == 2);
            WindowFixture::enter(w->ui().chrono, QStringLiteral("60"));
            WindowFixture::activate(w->ui().command15);
            if (chrono > 0)
                WindowFixture::activate(w->ui().command12);
        }
        moved.show();
        QVERIFY(QTest::qWaitForWindowExposed(&moved));
        PaintRegions regions;
        moved.ui().Picture2->installEventFilter(&regions);
        // The part of the scene scrolled out of sight is never repainted.
        const QRegion hidden = QRegion(scene.rect()) - moved.ui().Picture2->visibleRegion();
        const qreal ratio = scene.devicePixelRatio();

        int ticks = 0;
        int smallRepaints = 0;
        for (; ticks < 400 && moved.timerRunning(); ++ticks) {
            QCoreApplication::processEvents();
            const QImage before = scene.canvas().copy();
            regions.painted = QRegion();
            // Anything drawn on the scene between two ticks makes the next redraw whole.
            whole.ui().Picture2->surface().clear();
            moved.Timer1_Timer();
            whole.Timer1_Timer();
            QCoreApplication::processEvents();

            QVERIFY2(scene.canvas() == whole.sceneSurface().canvas(), qPrintable(QString::number(ticks)));
            QVERIFY(scene.background() == whole.sceneSurface().background());
            const QImage& after = scene.canvas();
            const QRegion shown = regions.painted | hidden;
            for (int y = 0; y < after.height(); ++y)
                if (std::memcmp(before.constScanLine(y), after.constScanLine(y), size_t(after.bytesPerLine())))
                    for (int x = 0; x < after.width(); ++x)
                        if (before.pixel(x, y) != after.pixel(x, y))
                            QVERIFY(shown.contains(QPoint(int(x / ratio), int(y / ratio))));
            int painted = 0;
            for (const QRect& r : regions.painted)
                painted += r.width() * r.height();
            smallRepaints += painted < scene.width() * scene.height() / 4 ? 1 : 0;
        }
        QVERIFY(ticks > 20);
        // The first tick after the launch and the end of the flight repaint the whole scene.
        QVERIFY2(smallRepaints >= ticks - 2, qPrintable(QStringLiteral("%1 of %2").arg(smallRepaints).arg(ticks)));
        QCOMPARE(moved.marks().empty(), chrono != 2);
    }
};

TAVREL_TEST_MAIN(TestRedraw)
#include "test_redraw.moc"
