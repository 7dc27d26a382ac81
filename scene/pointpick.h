#pragma once
// Which date of a recorded flight lies under a point of the scene: a
// chronophotograph's own date, or the date on the trajectory between two
// samples, within a few pixels.

#include "sim/flight.h"

#include <QPointF>
#include <optional>
#include <vector>

namespace scene {

// How far from the drawing a click still reads it, in scene pixels.
inline constexpr double pickTolerance = 4.0;

// The centre of inertia of a sample on the scene, never below the ground row.
QPointF samplePoint(const sim::Sample& sample);

// The photograph nearest to the point, when close enough: its index.
std::optional<size_t> photographAt(const std::vector<sim::Sample>& photographs, QPointF at);
// The date on the path of samples nearest to the point, when close enough,
// in proportion along the segment it falls on.
std::optional<float> trajectoryDateAt(const std::vector<sim::Sample>& samples, QPointF at);

} // namespace scene
