// The five projectile pictures and their shadows, 32 x 32 with transparency.
// Each object is centred on the square: the program takes the centre of the
// picture as the centre of inertia.
#include "datagen.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace datagen {

namespace {

constexpr int Size = 32;
constexpr double Pi = std::numbers::pi;

// A closed smooth outline through points spread around a centre, each at its
// own radius: pebbles and boulders are never round.
QPainterPath blob(QPointF centre, const std::vector<QPointF> &radii)
{
    const int n = int(radii.size());
    std::vector<QPointF> points;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * Pi * i / n;
        points.emplace_back(centre.x() + radii[i].x() * std::cos(a), centre.y() + radii[i].y() * std::sin(a));
    }
    // Quadratic curves between the midpoints of successive edges round the corners.
    QPainterPath path;
    auto mid = [&](int i) { return (points[i % n] + points[(i + 1) % n]) / 2; };
    path.moveTo(mid(0));
    for (int i = 1; i <= n; ++i)
        path.quadTo(points[i % n], mid(i));
    path.closeSubpath();
    return path;
}

std::vector<QPointF> jitteredRadii(Rng &rng, int count, double rx, double ry, double jitter)
{
    std::vector<QPointF> radii;
    for (int i = 0; i < count; ++i) {
        const double k = 1 + rng.uniform(-jitter, jitter);
        radii.emplace_back(rx * k, ry * k);
    }
    return radii;
}

// A soft white gleam: light comes from the upper left in every picture.
void highlight(QPainter &p, QPointF centre, double rx, double ry, int alpha)
{
    QRadialGradient g(0, 0, 1);
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.translate(centre);
    p.scale(rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

// Draws what follows a little smaller about the centre of the picture, so
// that two clear pixels surround the object on every side.
void keepMargin(QPainter &p, double factor)
{
    p.translate(Size / 2.0, Size / 2.0);
    p.scale(factor, factor);
    p.translate(-Size / 2.0, -Size / 2.0);
}

QImage apple()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    // The leaf and the stalk rise to the top edge of the drawing.
    keepMargin(p, 0.92);

    QPainterPath body;
    body.moveTo(16, 8.5);
    body.cubicTo(19.5, 5.2, 29.2, 5.0, 29.6, 15.5);
    body.cubicTo(29.9, 24.5, 23.5, 30.2, 19.5, 29.6);
    body.quadTo(16, 28.6, 12.5, 29.6);
    body.cubicTo(8.5, 30.2, 2.1, 24.5, 2.4, 15.5);
    body.cubicTo(2.8, 5.0, 12.5, 5.2, 16, 8.5);

    QRadialGradient skin(QPointF(12, 13), 19, QPointF(10.5, 11.5));
    skin.setColorAt(0, QColor(255, 125, 110));
    skin.setColorAt(0.3, QColor(225, 30, 35));
    skin.setColorAt(0.75, QColor(160, 12, 22));
    skin.setColorAt(1, QColor(95, 5, 15));
    p.setPen(QPen(QColor(90, 5, 12), 0.6));
    p.setBrush(skin);
    p.drawPath(body);

    // A touch of yellow on the side the sun ripened, and the hollow of the stalk.
    p.save();
    p.setClipPath(body);
    QRadialGradient ripe(QPointF(24, 22), 10);
    ripe.setColorAt(0, QColor(255, 170, 40, 45));
    ripe.setColorAt(1, QColor(255, 170, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ripe);
    p.drawEllipse(QPointF(24, 22), 10, 10);
    QRadialGradient hollow(QPointF(16, 9), 4);
    hollow.setColorAt(0, QColor(60, 0, 5, 170));
    hollow.setColorAt(1, QColor(60, 0, 5, 0));
    p.setBrush(hollow);
    p.drawEllipse(QPointF(16, 9), 4, 2.6);
    p.restore();

    highlight(p, QPointF(9.5, 13), 3.2, 4.5, 220);

    p.setPen(QPen(QColor(95, 60, 25), 1.7, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stalk;
    stalk.moveTo(16, 9.5);
    stalk.quadTo(16.2, 5, 18, 2);
    p.setBrush(Qt::NoBrush);
    p.drawPath(stalk);

    QPainterPath leaf;
    leaf.moveTo(17.3, 4.8);
    leaf.quadTo(20.5, 0.2, 27, 2.2);
    leaf.quadTo(23, 7.2, 17.3, 4.8);
    QLinearGradient green(QPointF(18, 2), QPointF(25, 5));
    green.setColorAt(0, QColor(130, 210, 70));
    green.setColorAt(1, QColor(35, 125, 35));
    p.setPen(QPen(QColor(30, 90, 25), 0.4));
    p.setBrush(green);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(40, 100, 30), 0.35));
    p.drawLine(QPointF(17.8, 4.6), QPointF(26, 2.5));
    return canvas.result();
}

QImage stone()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    Rng rng(11);
    const QPainterPath outline = blob(QPointF(16, 16), jitteredRadii(rng, 7, 13.5, 10.5, 0.14));

    QRadialGradient grey(QPointF(12, 11), 17, QPointF(11, 9.5));
    grey.setColorAt(0, QColor(205, 203, 196));
    grey.setColorAt(0.45, QColor(140, 138, 132));
    grey.setColorAt(1, QColor(62, 61, 60));
    p.setPen(QPen(QColor(50, 50, 50), 0.6));
    p.setBrush(grey);
    p.drawPath(outline);

    // Grain and a few pits, kept inside the outline; a pit is dark on its
    // upper edge and catches light on its lower one.
    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 45; ++i) {
        const bool dark = rng.uniform() < 0.6;
        p.setBrush(dark ? QColor(50, 50, 48, 90) : QColor(240, 240, 235, 90));
        p.drawEllipse(QPointF(rng.uniform(4, 28), rng.uniform(5, 27)), 0.45, 0.45);
    }
    for (const QPointF pit : {QPointF(19, 13), QPointF(9, 19), QPointF(22, 21)}) {
        p.setBrush(QColor(235, 235, 230, 100));
        p.drawEllipse(pit + QPointF(0.3, 0.4), 1.1, 0.8);
        p.setBrush(QColor(45, 45, 45, 150));
        p.drawEllipse(pit, 1, 0.7);
    }
    p.restore();

    highlight(p, QPointF(11, 10.5), 4.5, 3, 170);
    return canvas.result();
}

// A beach ball seen slightly from above: coloured gores meet at a white cap.
QImage ball()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    const QPointF centre(16, 16);
    const double radius = 13;
    const QPointF pole(13, 10.5);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);

    const std::array<QColor, 6> gores = {QColor(235, 35, 40), QColor(255, 255, 255), QColor(25, 105, 225),
                                         QColor(255, 210, 20), QColor(255, 255, 255), QColor(30, 170, 70)};
    p.save();
    p.setClipPath(disc);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 6; ++k) {
        // Each gore edge bends the same way, as meridians do on a sphere.
        const double a0 = (k * 60 + 20) * Pi / 180, a1 = a0 + Pi / 3;
        const QPointF e0 = pole + QPointF(std::cos(a0), std::sin(a0)) * 30;
        const QPointF e1 = pole + QPointF(std::cos(a1), std::sin(a1)) * 30;
        const QPointF bend0 = pole + QPointF(std::cos(a0 + 0.35), std::sin(a0 + 0.35)) * 14;
        const QPointF bend1 = pole + QPointF(std::cos(a1 + 0.35), std::sin(a1 + 0.35)) * 14;
        QPainterPath gore;
        gore.moveTo(pole);
        gore.quadTo(bend0, e0);
        gore.lineTo(e1);
        gore.quadTo(bend1, pole);
        p.setBrush(gores[k]);
        p.drawPath(gore);
    }
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(pole, 3, 2.6);

    // Roundness: darker towards the rim, away from the light.
    QRadialGradient shade(QPointF(12, 11), 17);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.55, QColor(0, 0, 0, 20));
    shade.setColorAt(1, QColor(0, 0, 30, 150));
    p.setBrush(shade);
    p.drawPath(disc);
    p.restore();

    p.setPen(QPen(QColor(40, 40, 60, 160), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(disc);
    highlight(p, QPointF(10, 9.5), 4.2, 3.2, 230);
    return canvas.result();
}

// A circle of the sphere cut by a plane of normal n at distance h from the
// centre; only the half facing the viewer (z > 0) is drawn.
void engravedCircle(QPainter &p, QPointF centre, double radius, const std::array<double, 3> &n, double h)
{
    // u and v complete n into an orthonormal frame.
    std::array<double, 3> u = {-n[1], n[0], 0};
    const double lu = std::hypot(u[0], u[1]);
    u = {u[0] / lu, u[1] / lu, 0};
    const std::array<double, 3> v = {n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2],
                                     n[0] * u[1] - n[1] * u[0]};
    const double r = std::sqrt(radius * radius - h * h);
    QPainterPath arc;
    bool drawing = false;
    for (int i = 0; i <= 120; ++i) {
        const double t = 2 * Pi * i / 120;
        double q[3];
        for (int c = 0; c < 3; ++c)
            q[c] = h * n[c] + r * (u[c] * std::cos(t) + v[c] * std::sin(t));
        const QPointF point = centre + QPointF(q[0], q[1]);
        if (q[2] < 0) {
            drawing = false;
        } else if (!drawing) {
            arc.moveTo(point);
            drawing = true;
        } else {
            arc.lineTo(point);
        }
    }
    // A light edge under a dark groove reads as a cut in the steel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 140), 0.6));
    p.drawPath(arc.translated(0.35, 0.35));
    p.setPen(QPen(QColor(25, 28, 35, 220), 0.6));
    p.drawPath(arc);
}

QImage boule()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    const QPointF centre(16, 16);
    const double radius = 13;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);

    QRadialGradient steel(centre, radius, QPointF(11, 10));
    steel.setColorAt(0, QColor(255, 255, 255));
    steel.setColorAt(0.18, QColor(215, 220, 228));
    steel.setColorAt(0.55, QColor(135, 140, 150));
    steel.setColorAt(0.82, QColor(62, 65, 72));
    steel.setColorAt(0.94, QColor(150, 152, 158));
    steel.setColorAt(1, QColor(85, 86, 92));
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawPath(disc);

    // Polished metal mirrors its surroundings: a dark horizon band and warm ground below.
    p.save();
    p.setClipPath(disc);
    QLinearGradient world(QPointF(0, 3), QPointF(0, 29));
    world.setColorAt(0, QColor(200, 220, 255, 40));
    world.setColorAt(0.52, QColor(0, 0, 0, 0));
    world.setColorAt(0.6, QColor(20, 20, 30, 90));
    world.setColorAt(0.7, QColor(120, 90, 60, 50));
    world.setColorAt(1, QColor(90, 70, 50, 70));
    p.setBrush(world);
    p.drawPath(disc);
    const std::array<double, 3> tilt = {0.45, -0.85, 0.3};
    const double length = std::sqrt(tilt[0] * tilt[0] + tilt[1] * tilt[1] + tilt[2] * tilt[2]);
    const std::array<double, 3> n = {tilt[0] / length, tilt[1] / length, tilt[2] / length};
    for (double h : {-2.0, 0.0, 2.0})
        engravedCircle(p, centre, radius, n, h);
    p.restore();

    p.setPen(QPen(QColor(40, 42, 48), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(disc);
    highlight(p, QPointF(10.5, 9.5), 3.2, 2.4, 255);
    return canvas.result();
}

// A big boulder that nearly fills the square, with facets, cracks and grain.
// Its outline is a polygon with barely rounded corners and a flat base it
// rests on.
QImage rock()
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    // The outline is drawn from edge to edge of the square.
    keepMargin(p, 0.88);
    Rng rng(55);
    const QPolygonF corners({QPointF(1.2, 17), QPointF(3.5, 8), QPointF(10, 2.2), QPointF(19, 1.5), QPointF(27.5, 5),
                             QPointF(30.8, 13), QPointF(30.5, 24), QPointF(27, 30.6), QPointF(5, 30.6),
                             QPointF(1.5, 25)});
    QPainterPath outline;
    outline.addPolygon(corners);
    outline.closeSubpath();

    QRadialGradient brown(QPointF(12, 11), 21, QPointF(10, 9));
    brown.setColorAt(0, QColor(185, 150, 110));
    brown.setColorAt(0.45, QColor(135, 100, 68));
    brown.setColorAt(1, QColor(60, 44, 30));
    p.setPen(QPen(QColor(50, 35, 22), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(brown);
    p.drawPath(outline);

    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    // Flat faces catch the light or turn away from it; the front one keeps the base colour.
    const QPolygonF topFace({QPointF(3.5, 8), QPointF(10, 2.2), QPointF(19, 1.5), QPointF(27.5, 5), QPointF(20, 9),
                             QPointF(8, 12)});
    const QPolygonF leftFace({QPointF(1.2, 17), QPointF(3.5, 8), QPointF(8, 12), QPointF(10, 22), QPointF(1.5, 25)});
    const QPolygonF rightFace({QPointF(27.5, 5), QPointF(30.8, 13), QPointF(30.5, 24), QPointF(27, 30.6),
                               QPointF(18, 30.6), QPointF(20, 18), QPointF(20, 9)});
    p.setBrush(QColor(255, 230, 190, 70));
    p.drawPolygon(topFace);
    p.setBrush(QColor(255, 230, 190, 30));
    p.drawPolygon(leftFace);
    p.setBrush(QColor(25, 12, 5, 95));
    p.drawPolygon(rightFace);
    for (int i = 0; i < 70; ++i) {
        const bool dark = rng.uniform() < 0.55;
        p.setBrush(dark ? QColor(40, 25, 10, 90) : QColor(235, 205, 160, 80));
        p.drawEllipse(QPointF(rng.uniform(1, 31), rng.uniform(1, 31)), 0.5, 0.5);
    }
    QPainterPath crack;
    crack.moveTo(12, 12);
    crack.lineTo(14.5, 17);
    crack.lineTo(13.5, 22);
    crack.lineTo(15.5, 28);
    crack.moveTo(14.5, 17);
    crack.lineTo(18, 19);
    crack.moveTo(24, 12);
    crack.lineTo(26.5, 19);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 210, 170, 90), 0.5));
    p.drawPath(crack.translated(-0.4, -0.3));
    p.setPen(QPen(QColor(35, 20, 8, 200), 0.6));
    p.drawPath(crack);
    p.restore();

    highlight(p, QPointF(10, 9), 4.5, 3, 90);
    return canvas.result();
}

// The shadow picture shares the Top of a projectile resting on the ground,
// whose centre is on the ground row: the ellipse is centred on the middle row
// so that it lies on the ground line. Its width follows the object's.
QImage shadow(double width, double height)
{
    SmallCanvas canvas(Size);
    QPainter &p = canvas.painter();
    QRadialGradient dark(QPointF(0, 0), 1);
    dark.setColorAt(0, QColor(0, 0, 0, 170));
    dark.setColorAt(0.6, QColor(0, 0, 0, 120));
    dark.setColorAt(1, QColor(0, 0, 0, 0));
    p.translate(16, Size / 2.0);
    p.scale(width / 2, height / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    return canvas.result();
}

} // namespace

bool writeProjectiles(const QString &dir)
{
    struct Projectile {
        QImage (*draw)();
        double shadowWidth;
        double shadowHeight;
    };
    // Picture number n of the lists matches projectile number n of the catalogue.
    const Projectile projectiles[] = {{apple, 26, 6}, {stone, 27, 6}, {ball, 27, 6}, {boule, 27, 6}, {rock, 28, 7}};
    for (int i = 0; i < 5; ++i) {
        const QString n = QString::number(i + 1);
        const Projectile &item = projectiles[i];
        if (!save(item.draw(), dir + "/projectile" + n + ".png")
            || !save(shadow(item.shadowWidth, item.shadowHeight), dir + "/shadow" + n + ".png"))
            return false;
    }
    return true;
}

} // namespace datagen
