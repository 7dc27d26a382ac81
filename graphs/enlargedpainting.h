#pragma once
// The one drawing of the graphs window's graph, in graph units on any
// painter: the screen, the clipboard picture and the printed page all come
// from it, each at its own resolution.

#include <QImage>

class QPainter;

namespace graphs {

struct EnlargedGraph;

// Draws the white surface, grid, axes, scale labels, legend, curves and the
// markers of the table rows. The painter's transform maps graph units to the
// device; lines and text stay sharp at any scale.
void paintEnlargedGraph(QPainter& painter, const EnlargedGraph& graph);

// The graph as a picture of its screen size, drawn at the given pixel ratio.
QImage enlargedGraphPicture(const EnlargedGraph& graph, qreal devicePixelRatio = 1);

} // namespace graphs
