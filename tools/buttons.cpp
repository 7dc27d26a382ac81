// The button pictures (flat 32 x 32 icons), the magnifying-glass pointer and
// the 64 x 64 window icon.
#include "datagen.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace datagen {

namespace {

constexpr int Size = 32;
constexpr double Pi = std::numbers::pi;

// Flat icons still get a faint top-to-bottom shade so they do not look dull.
QLinearGradient verticalShade(double top, double bottom, const QColor &light, const QColor &dark)
{
    QLinearGradient g(QPointF(0, top), QPointF(0, bottom));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

QImage play()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    const QPolygonF triangle({QPointF(9, 6), QPointF(26, 16), QPointF(9, 26)});
    // A thick pen of the same colour rounds the corners of the triangle.
    p.setPen(QPen(QColor(30, 130, 45), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(verticalShade(6, 26, QColor(100, 210, 95), QColor(35, 150, 50)));
    p.drawPolygon(triangle);
    return canvas.result();
}

QImage pause()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    p.setPen(QPen(QColor(35, 65, 130), 1));
    p.setBrush(verticalShade(6, 26, QColor(95, 140, 210), QColor(45, 80, 155)));
    p.drawRoundedRect(QRectF(8, 6, 6, 20), 1.5, 1.5);
    p.drawRoundedRect(QRectF(18, 6, 6, 20), 1.5, 1.5);
    return canvas.result();
}

QImage stop()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    p.setPen(QPen(QColor(150, 20, 20), 1));
    p.setBrush(verticalShade(7, 25, QColor(245, 85, 70), QColor(190, 25, 25)));
    p.drawRoundedRect(QRectF(7, 7, 18, 18), 2.5, 2.5);
    return canvas.result();
}

// A circular arrow turning backwards (anticlockwise), like an undo.
QImage reset()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    const QColor blue(35, 105, 200);
    const double radius = 9;
    const double endDegrees = 75;
    p.setPen(QPen(blue, 3.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    // Angles in sixteenths of a degree, anticlockwise from three o'clock.
    p.drawArc(QRectF(16 - radius, 16 - radius, 2 * radius, 2 * radius), int((endDegrees - 290) * 16), 290 * 16);

    const double a = endDegrees * Pi / 180;
    const QPointF end(16 + radius * std::cos(a), 16 - radius * std::sin(a));
    const QPointF forward(-std::sin(a), -std::cos(a));  // anticlockwise on screen
    const QPointF outward(std::cos(a), -std::sin(a));
    const QPolygonF head({end + forward * 5.5, end + outward * 4.6, end - outward * 4.6});
    p.setPen(QPen(blue, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(blue);
    p.drawPolygon(head);
    return canvas.result();
}

void drawCamera(QPainter &p)
{
    p.setPen(QPen(QColor(30, 32, 38), 0.9));
    p.setBrush(verticalShade(6, 11, QColor(120, 125, 135), QColor(70, 74, 82)));
    p.drawRoundedRect(QRectF(10, 6.5, 10, 5), 1.5, 1.5);
    p.setBrush(verticalShade(10, 27, QColor(110, 115, 125), QColor(40, 42, 48)));
    p.drawRoundedRect(QRectF(3, 10, 26, 17), 3, 3);
    p.setBrush(QColor(235, 235, 210));
    p.drawRoundedRect(QRectF(5, 12, 4, 2.5), 0.6, 0.6);

    QLinearGradient ring(QPointF(10, 12), QPointF(22, 25));
    ring.setColorAt(0, QColor(235, 238, 242));
    ring.setColorAt(1, QColor(120, 124, 132));
    p.setBrush(ring);
    p.drawEllipse(QPointF(16, 18.5), 6.5, 6.5);
    QRadialGradient glass(QPointF(16, 18.5), 4.5, QPointF(14.5, 17));
    glass.setColorAt(0, QColor(90, 130, 200));
    glass.setColorAt(0.6, QColor(25, 40, 80));
    glass.setColorAt(1, QColor(5, 10, 20));
    p.setBrush(glass);
    p.drawEllipse(QPointF(16, 18.5), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(14.3, 16.8), 1.2, 1);
}

QImage camera()
{
    SmallCanvas canvas(Size);
    drawCamera(canvas.painter());
    return canvas.result();
}

// The same camera with the red dot every recorder shows while it records.
QImage cameraRecording()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    drawCamera(p);
    QRadialGradient red(QPointF(26, 6.5), 4.5, QPointF(25, 5.5));
    red.setColorAt(0, QColor(255, 110, 100));
    red.setColorAt(1, QColor(210, 10, 10));
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(red);
    p.drawEllipse(QPointF(26, 6.5), 4.6, 4.6);
    return canvas.result();
}

// The enlarge pointer. Its hot spot is pixel (12, 12), the lens centre.
QImage loupe()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    const QPointF lens(12.5, 12.5);
    p.setPen(QPen(QColor(45, 45, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(QColor(120, 120, 130), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20.5, 20), QPointF(27.5, 27));

    QRadialGradient glass(lens, 8, QPointF(10, 10));
    glass.setColorAt(0, QColor(255, 255, 255, 220));
    glass.setColorAt(1, QColor(190, 220, 250, 200));
    p.setPen(QPen(QColor(45, 45, 55), 2.4));
    p.setBrush(glass);
    p.drawEllipse(lens, 8.3, 8.3);

    p.setPen(QPen(QColor(20, 60, 150), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(lens - QPointF(4.5, 0), lens + QPointF(4.5, 0));
    p.drawLine(lens - QPointF(0, 4.5), lens + QPointF(0, 4.5));
    return canvas.result();
}

// The arrows of the short scroll bars: a small dark triangle in a 9 x 9
// square, pointing up or down.
QImage scrollArrow(bool up)
{
    SmallCanvas canvas(9);
    QPainter &p = canvas.painter();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    const double tip = up ? 2.5 : 6.5;
    const double base = up ? 6.5 : 2.5;
    p.drawPolygon(QPolygonF({QPointF(4.5, tip), QPointF(8, base), QPointF(1, base)}));
    return canvas.result();
}

QImage scrollArrowUp() { return scrollArrow(true); }
QImage scrollArrowDown() { return scrollArrow(false); }

// The window icon: a ball on its parabola above a strip of ground.
QImage windowIcon()
{
    constexpr int IconSize = 64;
    SmallCanvas canvas(IconSize);
    QPainter &p = canvas.painter();
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(verticalShade(2, 62, QColor(60, 125, 225), QColor(175, 215, 250)));
    p.drawPath(tile);

    p.save();
    p.setClipPath(tile);
    p.setBrush(verticalShade(47, 62, QColor(85, 175, 70), QColor(35, 110, 40)));
    p.drawRect(QRectF(0, 47, IconSize, 17));

    // y = 47 - 34 (1 - ((x - 32) / 24)^2): launched at x = 8, landing at x = 56.
    auto height = [](double x) { return 47 - 34 * (1 - std::pow((x - 32) / 24, 2)); };
    QPainterPath parabola;
    parabola.moveTo(8, height(8));
    for (double x = 9; x <= 56; x += 1)
        parabola.lineTo(x, height(x));
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.2, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(parabola);

    const QPointF ball(46, height(46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(QPointF(46, 50), 5, 1.6);
    QRadialGradient red(ball, 6, ball - QPointF(2, 2));
    red.setColorAt(0, QColor(255, 170, 120));
    red.setColorAt(0.5, QColor(235, 70, 30));
    red.setColorAt(1, QColor(150, 30, 10));
    p.setPen(QPen(QColor(110, 20, 5), 0.8));
    p.setBrush(red);
    p.drawEllipse(ball, 6, 6);
    p.restore();

    p.setPen(QPen(QColor(30, 70, 140), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);
    return canvas.result();
}

} // namespace

bool writeButtons(const QString &dir)
{
    struct Button {
        const char *name;
        QImage (*draw)();
    };
    const Button buttons[] = {{"play.png", play},     {"pause.png", pause},           {"stop.png", stop},
                              {"reset.png", reset},   {"camera.png", camera},         {"camera_rec.png", cameraRecording},
                              {"loupe.png", loupe},   {"tavrel.png", windowIcon},
                              {"arrow_up.png", scrollArrowUp}, {"arrow_down.png", scrollArrowDown}};
    for (const Button &button : buttons)
        if (!save(button.draw(), dir + '/' + QLatin1String(button.name)))
            return false;
    return true;
}

} // namespace datagen
