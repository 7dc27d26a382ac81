// The zoom: the step chosen from a screen, the one asked for on the command
// line, the scene's frame drawn at 100 % and 200 %, and the same metres under
// the pointer and in a drag at both zooms.

// The mouse goes through the window system, which scales it as a real one.
#define QTEST_QPA_MOUSE_HANDLING
#include "common/testmain.h"

#include "app/scenepicture.h"
#include "app/windowfixture.h"
#include "app/zoom.h"
#include "common/childcase.h"
#include "scene/frame.h"
#include "ui/picturesurface.h"

#include <QImage>
#include <QLabel>

class TestZoom : public QObject {
    Q_OBJECT
private slots:
    void fittingZoom_data();
    void fittingZoom();
    void zoomArgument_data();
    void zoomArgument();
    void askedZoomFitsTheScreen();
    void frameLinesAtZoom_data();
    void frameLinesAtZoom();
    void sameMetresAtZoom_data();
    void sameMetresAtZoom();
};

void TestZoom::fittingZoom_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<int>("percent");
    // Decorations of 12 x 40 device pixels around the window.
    QTest::newRow("netbook 1024 x 600") << QSize(1024, 600) << 100;
    QTest::newRow("1366 x 768 laptop") << QSize(1366, 768) << 100;
    QTest::newRow("just 125 % high") << QSize(1012, 790) << 125;
    QTest::newRow("one pixel short of 125 %") << QSize(1011, 790) << 100;
    QTest::newRow("1600 x 900") << QSize(1600, 900) << 125;
    QTest::newRow("1920 x 1080 projector") << QSize(1920, 1080) << 150;
    QTest::newRow("1920 x 1040 under a panel") << QSize(1920, 1040) << 150;
    QTest::newRow("1280 x 1024, the width decides") << QSize(1280, 1024) << 150;
    QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 200;
    QTest::newRow("3840 x 2160, no more than 200 %") << QSize(3840, 2160) << 200;
    QTest::newRow("smaller than the window") << QSize(640, 480) << 100;
}

void TestZoom::fittingZoom()
{
    QFETCH(QSize, available);
    QFETCH(int, percent);
    QCOMPARE(zoom::fittingZoom(available, QSize(12, 40)), percent);
}

void TestZoom::askedZoomFitsTheScreen()
{
    const QSize projector(1920, 1080);
    QCOMPARE(zoom::zoomToUse(200, projector), 150);
    QCOMPARE(zoom::zoomToUse(125, projector), 125);
    QCOMPARE(zoom::zoomToUse(std::nullopt, projector), 150);
    QCOMPARE(zoom::zoomToUse(200, QSize()), 200);
    QCOMPARE(zoom::zoomToUse(std::nullopt, QSize()), 100);
    QCOMPARE(zoom::lowered(200, 150),
             QStringLiteral("Tavrel TS : à 200 %, la fenêtre ne tiendrait pas sur l'écran ; le zoom est de 150 %."));
}

void TestZoom::zoomArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("percent");     // 0: none accepted
    QTest::addColumn<QString>("refused"); // empty: none refused
    QTest::addColumn<QStringList>("files");

    const QString file = QStringLiteral("lune.P20");
    QTest::newRow("files only") << QStringList{file} << 0 << QString() << QStringList{file};
    QTest::newRow("zoom then a file") << QStringList{"--zoom", "150", file} << 150 << QString() << QStringList{file};
    QTest::newRow("a file then zoom=") << QStringList{file, "--zoom=175"} << 175 << QString() << QStringList{file};
    QTest::newRow("not a step") << QStringList{"--zoom", "130", file} << 0 << QStringLiteral("130")
                                << QStringList{file};
    QTest::newRow("not a number") << QStringList{"--zoom", "grand"} << 0 << QStringLiteral("grand") << QStringList{};
    QTest::newRow("value missing") << QStringList{file, "--zoom"} << 0 << QString("") << QStringList{file};
    QTest::newRow("the last one wins") << QStringList{"--zoom", "200", "--zoom", "100"} << 100 << QString()
                                       << QStringList{};
}

void TestZoom::zoomArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, percent);
    QFETCH(QString, refused);
    QFETCH(QStringList, files);
    const zoom::ZoomArguments taken = zoom::takeZoomArgument(arguments);
    QCOMPARE(taken.percent.value_or(0), percent);
    QCOMPARE(taken.refused.has_value(), !refused.isNull());
    if (taken.refused) {
        QCOMPARE(*taken.refused, refused);
        QVERIFY(zoom::refusal(refused).contains(QStringLiteral("100, 125, 150, 175 et 200")));
    }
    QCOMPARE(taken.others, files);
}

void TestZoom::frameLinesAtZoom_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("100 %") << 100;
    QTest::newRow("200 %") << 200;
}

// The y axis (x = 30) across a row between two graduations (Y = 250): as many device
// pixels of the frame's colour as the zoom has per unit, nothing blended.
void TestZoom::frameLinesAtZoom()
{
    QFETCH(int, percent);
    const qreal ratio = percent / 100.0;
    const QColor back(224, 224, 224);
    const QColor white(255, 255, 255);
    PictureSurface surface(409, 800, back, ratio);
    scene::repere(surface, false, white);
    const QImage& canvas = surface.canvas();
    QCOMPARE(canvas.size(), QSize(409, 800) * ratio);

    const int row = int(250 * ratio);
    int width = 0;
    for (int x = int(20 * ratio); x < int(40 * ratio); ++x) {
        const QColor pixel = canvas.pixelColor(x, row);
        if (pixel == white)
            ++width;
        else
            QCOMPARE(pixel, back);
    }
    QCOMPARE(width, int(ratio));
    QCOMPARE(canvas.pixelColor(int(30 * ratio), row), white);
}

void TestZoom::sameMetresAtZoom_data()
{
    frameLinesAtZoom_data();
}

// Qt takes the zoom when the program starts: a zoom other than this
// program's runs in a child started at that zoom. The points are in the
// scene's pixels, whatever the zoom.
void TestZoom::sameMetresAtZoom()
{
    QFETCH(int, percent);
    const qreal ratio = percent / 100.0;
    const QString factor = QString::number(ratio);
    if (qApp->devicePixelRatio() != ratio && qEnvironmentVariable("QT_SCALE_FACTOR") != factor) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), factor);
        testsupport::runCaseInChild(QStringLiteral("TestZoom"), QStringLiteral("sameMetresAtZoom"),
                                    QString::fromUtf8(QTest::currentDataTag()), environment);
        return;
    }
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget* scene = w.ui().Picture2;
    QCOMPARE(scene->devicePixelRatioF(), ratio);

    QTest::mouseMove(scene, QPoint(12, 100));
    QCOMPARE(scene->toolTip(), QStringLiteral("x = -0,50 m ; y = 9,33 m."));

    // Grabbed 10 pixels right of its left edge and 20 below its top.
    QTest::mousePress(scene, Qt::LeftButton, {}, QPoint(24, 440));
    for (const QPoint& at : {QPoint(25, 438), QPoint(60, 400), QPoint(96, 332)})
        QTest::mouseMove(scene, at);
    QCOMPARE(w.ui().projectile->pos(), QPoint(86, 312));
    QCOMPARE(w.ui().Text1->text(), QStringLiteral("2,00"));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("3,00"));
    QCOMPARE(w.ui().Label1->text(), QStringLiteral("Coordonnées : x = 2,00 m ; y = 3,00 m. "));
    QTest::mouseRelease(scene, Qt::LeftButton, {}, QPoint(96, 332));
}

TAVREL_TEST_MAIN(TestZoom)
#include "test_zoom.moc"
