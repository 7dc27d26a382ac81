#pragma once
// The schematic of a throw that illustrates a text: axes, origin, ground,
// the launch point with v₀ at the angle α, its height above the ground, and
// the trajectories drawn to one scale on both axes (angles are true). One
// drawing for every exercise; each figure says only what it shows.

#include "config/configuration.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <vector>

namespace content {

struct FigureThrow {
    config::Configuration situation;
    // Written beside the trajectory, at this share of the flight (0,5: the
    // top of a throw from the ground), its centre moved by so many pixels.
    QString label = {};
    double labelAt = 0.5;
    QPointF labelOffset = {0, -11};
};

struct Figure {
    // The texts show it as <img src="figure:name">.
    QString name;
    // The first gives the launch point, v₀ and α; all are drawn dashed.
    std::vector<FigureThrow> throws;
    // Beside the height of a launch above the ground.
    QString heightLabel = QStringLiteral("y₀");
    // A wall (muret, falaise) under a launch above the ground.
    bool support = false;
    // v₀ and α at the launch point.
    bool launch = true;
    // When named, the range along the ground and the greatest height of the
    // first throw, marked with these names.
    QString range = {};
    QString top = {};
    // The marks of a chronophotography of the first throw, every so many seconds.
    float markInterval = 0;
};

// The same picture, pixel for pixel, on every machine with the program's fonts.
QImage drawFigure(const Figure& figure);

} // namespace content
