// The three place photographs, 409 x 800: sky above row 436, ground from row
// 436 down. The program draws its white frame and grid over the sky between
// columns 30 and 402, so skies stay calm and fairly dark.
#include "datagen.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace datagen {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr int GroundRows = PlaceHeight - GroundRow;

// The ground is a plane seen from an eye 1.6 m high with a 400-pixel focal
// length: textures shrink and flatten towards the horizon as on a photograph.
constexpr double EyeHeight = 1.6;
constexpr double Focal = 400;

// Rows below the horizon, never zero so that the horizon stays finite.
double belowHorizon(int row) { return row - GroundRow + 1.5; }

// How much nearer than the horizon a row is: 0 at the horizon, 1 at the bottom.
double nearness(double row) { return std::clamp((row - GroundRow) / double(GroundRows), 0.0, 1.0); }

// Noise painted on the ground plane (frequency in cycles per metre). Octaves
// finer than a pixel are left out, otherwise the distance would shimmer.
double groundNoise(int x, int row, double frequency, std::uint32_t seed)
{
    const double dy = belowHorizon(row);
    const double groundX = (x - PlaceWidth / 2.0) * EyeHeight / dy;
    const double groundZ = Focal * EyeHeight / dy;
    const double footprint = Focal * EyeHeight / (dy * dy) * frequency;
    double sum = 0, amplitude = 1, total = 0, f = frequency;
    for (int octave = 0; octave < 6; ++octave, f *= 2, amplitude *= 0.5) {
        const double cellsPerPixel = footprint * f / frequency;
        const double weight = std::clamp(2 - 4 * cellsPerPixel, 0.0, 1.0);
        total += amplitude;
        // A left-out octave counts as its mean value.
        const double value = weight > 0 ? valueNoise(groundX * f, groundZ * f, seed + octave * 31u) : 0.5;
        sum += amplitude * (0.5 + weight * (value - 0.5));
    }
    return sum / total;
}

QImage emptyPlace()
{
    QImage image(PlaceWidth, PlaceHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// Fills the sky rows with a vertical gradient from the top colour to the
// colour at the horizon.
void paintSky(QImage &image, const QColor &top, const QColor &horizon, double curve)
{
    for (int row = 0; row < GroundRow; ++row) {
        const QRgb colour = mix(top, horizon, std::pow(row / double(GroundRow), curve)).rgb();
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        std::fill(line, line + PlaceWidth, colour);
    }
}

// Fills the ground rows pixel by pixel with the colour the place gives.
void paintGround(QImage &image, const std::function<QColor(int x, int row)> &colourAt)
{
    for (int row = GroundRow; row < PlaceHeight; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        for (int x = 0; x < PlaceWidth; ++x)
            line[x] = colourAt(x, row).rgb();
    }
}

QColor shaded(const QColor &colour, double factor)
{
    return QColor::fromRgbF(float(std::clamp(colour.redF() * factor, 0.0, 1.0)),
                            float(std::clamp(colour.greenF() * factor, 0.0, 1.0)),
                            float(std::clamp(colour.blueF() * factor, 0.0, 1.0)));
}

// The top edge (a row for each column) of a range of distant hills.
using Skyline = std::vector<double>;

Skyline skyline(double baseRow, double amplitude, double width, std::uint32_t seed)
{
    Skyline edge(PlaceWidth);
    for (int x = 0; x < PlaceWidth; ++x)
        edge[x] = baseRow - amplitude * fractalNoise(x / width, 0.5, 4, seed);
    return edge;
}

// Paints hills from their skyline down to the horizon. Their surface is a
// noise relief lit from the left; slopes of the skyline facing the sun catch
// extra light just below the crest. The colour darkens slightly towards the foot.
void paintHills(QImage &image, const Skyline &edge, const QColor &colour, double relief, std::uint32_t seed)
{
    auto elevation = [seed](double x, double row) { return fractalNoise(x / 16.0, row / 8.0, 4, seed); };
    for (int x = 0; x < PlaceWidth; ++x) {
        const double slope = (edge[std::min(x + 3, PlaceWidth - 1)] - edge[std::max(x - 3, 0)]) / 6;
        const int top = int(std::ceil(edge[x]));
        for (int row = top; row < GroundRow; ++row) {
            const double below = row - edge[x];
            const double surface = 8 * (elevation(x - 1, row) - elevation(x + 1, row));
            const double crest = -slope * std::exp(-below / 10);
            const double light = std::clamp(1 + relief * (surface + crest), 1 - 2 * relief, 1 + 2 * relief);
            QColor c = shaded(colour, light * (1 - 0.12 * std::clamp(below / 30, 0.0, 1.0)));
            // The top pixel covers the edge only partly: blend it with the sky.
            if (row == top)
                c = mix(QColor(image.pixel(x, row)), c, 1 - (top - edge[x]));
            image.setPixel(x, row, c.rgb());
        }
    }
}

// A soft cloud: a cluster of blurred puffs with a flat base.
void paintCloud(QPainter &p, Rng &rng, QPointF centre, double width)
{
    for (int i = 0; i < 9; ++i) {
        const double dx = rng.uniform(-0.5, 0.5) * width;
        const double r = width * rng.uniform(0.16, 0.3) * (1 - std::abs(dx) / width);
        const QPointF puff = centre + QPointF(dx, -r * rng.uniform(0.2, 0.7));
        QRadialGradient g(puff, r);
        g.setColorAt(0, QColor(255, 255, 255, 95));
        g.setColorAt(0.6, QColor(250, 252, 255, 45));
        g.setColorAt(1, QColor(250, 252, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(puff, r, r * 0.75);
    }
}

// A painter that cannot spill out of the ground rows.
void clipToGround(QPainter &p)
{
    p.setClipRect(0, GroundRow, PlaceWidth, GroundRows);
    p.setRenderHint(QPainter::Antialiasing);
}

// A random spot of the ground, more often near than far (the near ground
// covers more pixels), returned with its scale (pixels per "unit" there).
struct GroundSpot {
    QPointF at;
    double scale;
};

GroundSpot randomSpot(Rng &rng, double firstRow = GroundRow + 3)
{
    const double t = std::sqrt(rng.uniform());
    const double row = firstRow + t * (PlaceHeight - firstRow);
    return {QPointF(rng.uniform(-20, PlaceWidth + 20), row), belowHorizon(int(row)) / GroundRows};
}

// Spots ordered from far to near, so that near things are drawn over far ones.
std::vector<GroundSpot> randomSpots(Rng &rng, int count, double firstRow = GroundRow + 3)
{
    std::vector<GroundSpot> spots;
    for (int i = 0; i < count; ++i)
        spots.push_back(randomSpot(rng, firstRow));
    std::sort(spots.begin(), spots.end(), [](const GroundSpot &a, const GroundSpot &b) { return a.at.y() < b.at.y(); });
    return spots;
}

// Earth: blue sky with a few clouds, hills and a hedge far away, a meadow.
QImage terre()
{
    QImage image = emptyPlace();
    paintSky(image, QColor(40, 95, 180), QColor(150, 195, 235), 1.3);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        Rng rng(1);
        paintCloud(p, rng, QPointF(85, 95), 110);
        paintCloud(p, rng, QPointF(315, 150), 85);
        paintCloud(p, rng, QPointF(200, 285), 60);
        paintCloud(p, rng, QPointF(360, 340), 45);
    }
    paintHills(image, skyline(425, 55, 90, 7), QColor(115, 150, 150), 0.05, 8);
    paintHills(image, skyline(432, 30, 45, 9), QColor(85, 130, 80), 0.08, 10);
    {
        // A hedge of round treetops stands on the far edge of the meadow.
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        Rng rng(2);
        for (double x = -4; x < PlaceWidth + 4; x += rng.uniform(3, 7)) {
            const double r = rng.uniform(2.5, 5);
            p.setPen(Qt::NoPen);
            p.setBrush(mix(QColor(45, 85, 45), QColor(70, 110, 60), rng.uniform()));
            p.drawEllipse(QPointF(x, GroundRow - r * 0.6), r, r * 0.8);
        }
    }

    paintGround(image, [](int x, int row) {
        const double t = nearness(row);
        const QColor far(110, 155, 75), near(65, 135, 40);
        const QColor base = mix(far, near, std::pow(t, 0.6));
        const double patches = groundNoise(x, row, 0.35, 21);
        const double grain = groundNoise(x, row, 6, 22);
        const QColor tinted = mix(base, QColor(150, 165, 65), std::clamp((patches - 0.5) * 2.2, 0.0, 0.45));
        return shaded(tinted, 0.82 + 0.36 * grain);
    });
    {
        QPainter p(&image);
        clipToGround(p);
        Rng rng(3);
        // Blades of grass, longer near the viewer.
        for (const GroundSpot &spot : randomSpots(rng, 5000, GroundRow + 20)) {
            const double length = 16 * spot.scale * rng.uniform(0.6, 1.2);
            const QPointF tip = spot.at + QPointF(rng.uniform(-0.35, 0.35) * length, -length);
            const bool light = rng.uniform() < 0.5;
            const QColor colour = light ? QColor(130, 190, 70) : QColor(35, 95, 25);
            p.setPen(QPen(withAlpha(colour, 150), std::max(0.6, 1.6 * spot.scale)));
            p.drawLine(spot.at, tip);
        }
        // A few daisies and buttercups in the near grass.
        for (const GroundSpot &spot : randomSpots(rng, 45, GroundRow + 120)) {
            const double r = 2.6 * spot.scale;
            p.setPen(Qt::NoPen);
            p.setBrush(rng.uniform() < 0.6 ? QColor(250, 250, 245) : QColor(250, 215, 40));
            p.drawEllipse(spot.at, r, r * 0.7);
            p.setBrush(QColor(240, 190, 30));
            p.drawEllipse(spot.at, r * 0.35, r * 0.3);
        }
    }
    return image;
}

// A crater seen at a grazing angle: a flattened bowl whose inner wall on the
// sun's side (the left) lies in shadow while the opposite wall is lit.
void paintCrater(QPainter &p, QPointF centre, double width, double flatness)
{
    const double w = width / 2, h = w * flatness;
    QRadialGradient ejecta(QPointF(0, 0), 1);
    ejecta.setColorAt(0, QColor(205, 205, 205, 55));
    ejecta.setColorAt(1, QColor(205, 205, 205, 0));
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(centre);
    p.scale(w * 1.7, h * 1.7);
    p.setBrush(ejecta);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();

    QPainterPath bowl;
    bowl.addEllipse(centre, w, h);
    p.setBrush(QColor(118, 118, 118));
    p.drawPath(bowl);
    p.save();
    p.setClipPath(bowl);
    p.setBrush(QColor(175, 175, 172));
    p.drawEllipse(centre + QPointF(w * 0.35, h * 0.1), w * 0.75, h * 0.9);
    p.setBrush(QColor(82, 82, 84));
    p.drawEllipse(centre + QPointF(-w * 0.55, -h * 0.2), w * 0.7, h * 1.0);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 200, 198, 120), std::max(0.6, w * 0.06)));
    p.drawPath(bowl);
}

// The Moon: black sky with a few stars and the Earth, bright grey mountains,
// a cratered plain.
QImage lune()
{
    QImage image = emptyPlace();
    paintSky(image, QColor(0, 0, 0), QColor(8, 8, 12), 2);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        Rng rng(4);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 70; ++i) {
            const QPointF star(rng.uniform(0, PlaceWidth), rng.uniform(0, GroundRow - 50));
            const int brightness = rng.range(110, 255);
            p.setBrush(QColor(brightness, brightness, std::min(255, brightness + 15)));
            const double r = rng.uniform() < 0.12 ? 1.1 : 0.55;
            p.drawEllipse(star, r, r);
        }
        // The Earth, half lit from the left like the ground.
        const QPointF earth(352, 78);
        const double r = 15;
        QPainterPath disc;
        disc.addEllipse(earth, r, r);
        QRadialGradient ocean(earth, r, earth - QPointF(5, 5));
        ocean.setColorAt(0, QColor(90, 150, 235));
        ocean.setColorAt(1, QColor(25, 60, 150));
        p.setBrush(ocean);
        p.drawPath(disc);
        p.save();
        p.setClipPath(disc);
        p.setBrush(QColor(85, 140, 70));
        p.drawEllipse(earth + QPointF(-4, -2), 6, 8);
        p.setBrush(QColor(255, 255, 255, 190));
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(earth + QPointF(rng.uniform(-12, 12), rng.uniform(-12, 12)), rng.uniform(3, 7), 1.6);
        p.setBrush(QColor(0, 0, 0, 215));
        p.drawEllipse(earth + QPointF(r * 0.9, 0), r * 1.05, r * 1.3);
        p.restore();
    }
    paintHills(image, skyline(430, 70, 80, 11), QColor(100, 100, 104), 0.12, 12);
    paintHills(image, skyline(435, 25, 40, 13), QColor(80, 80, 83), 0.15, 14);

    paintGround(image, [](int x, int row) {
        const double t = nearness(row);
        const QColor base = mix(QColor(165, 165, 163), QColor(128, 128, 126), t);
        const double dust = groundNoise(x, row, 0.5, 31);
        const double grain = groundNoise(x, row, 9, 32);
        return shaded(base, 0.75 + 0.3 * dust + 0.2 * grain);
    });
    {
        QPainter p(&image);
        clipToGround(p);
        Rng rng(5);
        for (const GroundSpot &spot : randomSpots(rng, 30)) {
            const double width = spot.scale * rng.uniform(20, 90);
            paintCrater(p, spot.at, width, 0.12 + 0.4 * spot.scale);
        }
        // Pebbles casting long shadows away from the low sun.
        for (const GroundSpot &spot : randomSpots(rng, 160, GroundRow + 10)) {
            const double r = spot.scale * rng.uniform(1.5, 5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 30, 32, 170));
            p.drawEllipse(spot.at + QPointF(r * 1.6, r * 0.15), r * 1.8, r * 0.45);
            p.setBrush(QColor(185, 185, 182));
            p.drawEllipse(spot.at, r, r * 0.65);
        }
    }
    return image;
}

// A stone on the ground: an irregular lump lit from the upper left, with its
// shadow on the right.
void paintStone(QPainter &p, Rng &rng, QPointF foot, double size)
{
    const double w = size, h = size * rng.uniform(0.45, 0.75);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 25, 15, 150));
    p.drawEllipse(foot + QPointF(w * 0.5, 0), w * 1.1, h * 0.35);

    QPainterPath lump;
    const int corners = 7;
    for (int i = 0; i < corners; ++i) {
        const double a = Pi + Pi * i / (corners - 1);  // upper half, from left to right
        const double k = rng.uniform(0.75, 1.1);
        const QPointF point = foot + QPointF(w * std::cos(a) * k, h * std::sin(a) * k);
        i == 0 ? lump.moveTo(point) : lump.lineTo(point);
    }
    lump.quadTo(foot + QPointF(0, h * 0.25), lump.pointAtPercent(0));
    QLinearGradient light(foot + QPointF(-w * 0.6, -h), foot + QPointF(w * 0.6, 0));
    light.setColorAt(0, QColor(175, 105, 75));
    light.setColorAt(1, QColor(85, 40, 25));
    p.setBrush(light);
    p.drawPath(lump);
}

// Mars: butterscotch sky, reddish mesas in the haze, a rust plain strewn with stones.
QImage mars()
{
    QImage image = emptyPlace();
    paintSky(image, QColor(150, 95, 60), QColor(215, 165, 115), 1.1);

    // Mesas: the noise is pushed towards two levels, giving flat tops and steep sides.
    Skyline mesas(PlaceWidth);
    for (int x = 0; x < PlaceWidth; ++x) {
        const double n = fractalNoise(x / 70.0, 0.3, 3, 15);
        const double stepped = 1 / (1 + std::exp(-(n - 0.5) * 28));
        mesas[x] = 428 - 48 * stepped - 4 * fractalNoise(x / 9.0, 0.7, 2, 16);
    }
    paintHills(image, mesas, QColor(175, 110, 80), 0.08, 17);
    paintHills(image, skyline(433, 22, 40, 18), QColor(150, 85, 55), 0.1, 19);

    paintGround(image, [](int x, int row) {
        const double t = nearness(row);
        const QColor base = mix(QColor(190, 110, 70), QColor(160, 75, 42), std::pow(t, 0.7));
        const double dust = groundNoise(x, row, 0.4, 41);
        const double grain = groundNoise(x, row, 8, 42);
        const QColor tinted = mix(base, QColor(205, 140, 90), std::clamp((dust - 0.5) * 2, 0.0, 0.5));
        return shaded(tinted, 0.8 + 0.35 * grain);
    });
    {
        QPainter p(&image);
        clipToGround(p);
        Rng rng(6);
        for (const GroundSpot &spot : randomSpots(rng, 260, GroundRow + 4)) {
            const double big = rng.uniform() < 0.1 ? 3 : 1;
            paintStone(p, rng, spot.at, spot.scale * rng.uniform(3, 9) * big);
        }
    }
    return image;
}

} // namespace

bool writePlaces(const QString &dir)
{
    return save(terre(), dir + "/terre.jpg", 85) && save(lune(), dir + "/lune.jpg", 85)
           && save(mars(), dir + "/mars.jpg", 85);
}

} // namespace datagen
