#pragma once
// The trajectories kept on the scene to compare throws: up to five, each a
// thin, light line of its own colour with a small label at its end. They
// are drawn into the scene's background once, when a flight ends, so they
// cost the animation nothing.

#include "sim/flight.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <deque>
#include <vector>

class PictureSurface;

namespace scene {

struct KeptPath {
    std::vector<QPointF> points; // the centre of inertia on the scene, never below the ground row
    QColor colour;
    QString label;               // such as "α = 30° ; v₀ = 15 m/s"
    int slot = 0;                // the label's row above the ground
};

class KeptPaths {
public:
    static constexpr int capacity = 5;

    // Keeps the flight's recorded trajectory; the oldest goes beyond five.
    // Returns true when one went, so that the scene must be drawn again.
    bool keep(const sim::Flight& flight);
    void clear() { m_paths.clear(); }
    bool empty() const { return m_paths.empty(); }
    const std::deque<KeptPath>& all() const { return m_paths; }

    // Draws one path or all of them on the surface's canvas.
    static void draw(PictureSurface& surface, const KeptPath& path);
    void drawAll(PictureSurface& surface) const;

private:
    std::deque<KeptPath> m_paths;
    int m_kept = 0;
};

// The label of a throw: its angle and speed, and its place but on Earth.
QString keptPathLabel(const sim::InitialConditions& conditions);

} // namespace scene
