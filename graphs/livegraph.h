#pragma once
// The small graph of the main window: its frame is drawn once per run by
// repgraphe, then tracegraphe adds the newest segment of each checked curve
// at every display update. What it shows is kept as data as well, so that one
// routine draws it on the screen's surface and on any other painter: the
// printed page gets the same lines and text as vectors.

#include "graphs/graphscale.h"
#include "ui/picturesurface.h"
#include "ui/printpage.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QSize>
#include <array>
#include <vector>

class QPainter;

namespace graphs {

// One segment of a curve as tracegraphe drew it, in graph units.
struct TracedSegment {
    QLineF line;
    QColor colour;

    bool operator==(const TracedSegment&) const = default;
};

// Everything the live graph shows.
struct LiveGraphDrawing {
    QSize size;
    GraphScale scale; // not valid: the frame stays blank
    std::array<bool, kindCount> checked{};
    std::vector<TracedSegment> segments; // in the order they were traced
};

// The one drawing of the live graph, in graph units on any painter: the
// panel colour, the frame (grid, axes, scale labels, legend), then the
// segments traced so far.
void paintLiveGraph(QPainter& painter, const LiveGraphDrawing& drawing);

class LiveGraph {
public:
    static constexpr int defaultWidth = 353;
    // Room below the time axis (row 200) for the lower barb of its arrow.
    static constexpr int defaultHeight = 210;
    static QColor panelColour() { return QColor(240, 235, 230); }

    // devicePixelRatio: the screen's, so that lines and text stay sharp when zoomed.
    explicit LiveGraph(int width = defaultWidth, int height = defaultHeight, qreal devicePixelRatio = 1);

    // Redraws the empty frame at the scales of the situation. Returns false,
    // leaving the surface untouched, when no kind is checked: the caller then
    // opens the choice panel.
    bool repgraphe(const GraphInputs& in);

    // Draws the segment of each checked curve from simTime - timeStep to
    // simTime, the last one ending at the landing date. Nothing at date 0 or
    // while the ball bounces. Returns false when no kind is checked, like
    // repgraphe.
    bool tracegraphe(const GraphInputs& in, float simTime, float timeStep, bool bouncing);

    const PictureSurface& surface() const { return m_surface; }
    // The screen picture, which the clipboard gets too.
    QImage picture() const { return m_surface.canvas(); }
    const LiveGraphDrawing& drawing() const { return m_drawing; }
    // The graph as it stands now, as a drawing routine of its screen size.
    PrintedPicture printedPicture() const;
    // The scales of the last frame drawn.
    const GraphScale& scale() const { return m_drawing.scale; }

    // Graph coordinates of a date and of a value at the last scales.
    double timeToX(double t) const;
    double valueToY(double q) const;
    double originRow() const;

private:
    PictureSurface m_surface;
    LiveGraphDrawing m_drawing;
    // The segments of the latest tick that drew any.
    std::vector<TracedSegment> m_latestTick;
};

} // namespace graphs
