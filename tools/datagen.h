// Shared helpers of the data generator: deterministic randomness, noise,
// colour mixing and the writers of each family of files.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <random>

namespace datagen {

// Random numbers from a fixed seed. The standard distributions differ between
// libraries, so the mapping to [0, 1) is done by hand: the files must come out
// identical on every machine.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : engine_(seed) {}
    double uniform() { return engine_() / 4294967296.0; }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    int range(int low, int high) { return low + int(uniform() * (high - low + 1)); }

private:
    std::mt19937 engine_;
};

// Smooth value noise in [0, 1], and its fractal sum over a few octaves.
double valueNoise(double x, double y, std::uint32_t seed);
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);

QColor mix(const QColor &a, const QColor &b, double t);
QColor withAlpha(QColor colour, int alpha);

// Small pictures are drawn four times larger then reduced: edges and
// highlights come out much cleaner than when drawn at 32 pixels directly.
// The painter still speaks in units of the final picture.
class SmallCanvas {
public:
    explicit SmallCanvas(int size);
    QPainter &painter() { return painter_; }
    QImage result();

private:
    static constexpr int Oversampling = 4;
    int size_;
    QImage image_;
    QPainter painter_;
};

// Writes the image; returns false (and says why on stderr) on failure.
bool save(const QImage &image, const QString &path, int quality = -1);

// The place photographs share this geometry: scene row 436 is y = 0.
constexpr int PlaceWidth = 409;
constexpr int PlaceHeight = 800;
constexpr int GroundRow = 436;

bool writePlaces(const QString &dir);
bool writeProjectiles(const QString &dir);
bool writeButtons(const QString &dir);
bool writeSounds(const QString &dir);

} // namespace datagen
