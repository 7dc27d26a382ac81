#include "scene/pointpick.h"

#include "scene/scenegeometry.h"

#include <algorithm>
#include <cmath>

namespace scene {

QPointF samplePoint(const sim::Sample& sample)
{
    return {sceneX(sample.x), std::min(double(groundRow), pictureHalf + imageTopFor(sample.y))};
}

std::optional<size_t> photographAt(const std::vector<sim::Sample>& photographs, QPointF at)
{
    std::optional<size_t> nearest;
    double best = pickTolerance;
    for (size_t i = 0; i < photographs.size(); ++i) {
        const QPointF d = samplePoint(photographs[i]) - at;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

std::optional<float> trajectoryDateAt(const std::vector<sim::Sample>& samples, QPointF at)
{
    std::optional<float> date;
    double best = pickTolerance;
    for (size_t i = 0; i + 1 < samples.size(); ++i) {
        const QPointF a = samplePoint(samples[i]);
        const QPointF b = samplePoint(samples[i + 1]);
        const QPointF ab = b - a;
        const double length2 = QPointF::dotProduct(ab, ab);
        const double u = length2 > 0 ? std::clamp(QPointF::dotProduct(at - a, ab) / length2, 0.0, 1.0) : 0.0;
        const QPointF d = a + u * ab - at;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= best) {
            best = distance;
            date = float(samples[i].t + u * (samples[i + 1].t - samples[i].t));
        }
    }
    return date;
}

} // namespace scene
