#pragma once
// The small graph of the main window: its frame is drawn once per run by
// repgraphe, then tracegraphe adds the newest segment of each checked curve
// at every display update.

#include "graphs/graphscale.h"
#include "ui/picturesurface.h"

#include <QImage>

namespace graphs {

class LiveGraph {
public:
    static constexpr int defaultWidth = 353;
    // Room below the time axis (row 200) for the lower barb of its arrow.
    static constexpr int defaultHeight = 210;
    static QColor panelColour() { return QColor(240, 235, 230); }

    explicit LiveGraph(int width = defaultWidth, int height = defaultHeight);

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
    QImage picture() const { return m_surface.canvas(); }
    // The scales of the last frame drawn.
    const GraphScale& scale() const { return m_scale; }

    // Graph coordinates of a date and of a value at the last scales.
    double timeToX(double t) const;
    double valueToY(double q) const;
    double originRow() const { return m_scale.graphHasNegative ? 110 : 200; }

private:
    void drawGrid();
    void drawAxes();

    PictureSurface m_surface;
    GraphScale m_scale;
};

} // namespace graphs
