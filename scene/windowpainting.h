#pragma once
// The main window's own painting: a gradient from white to a warm grey, the
// shadow of the text panel and the "Animation :" title under the scene.

#include <QColor>
#include <QRect>

class QPainter;

namespace scene {

// Colour of row i of the background gradient (0 ≤ i ≤ 600).
QColor gradientColour(int row);

// textPanel: the rich-text box; fieldTop: top of the file-name field above
// it; sceneBottom: bottom edge of the scene viewport, in window pixels.
void paintMainWindow(QPainter& painter, const QRect& textPanel, int fieldTop, int sceneBottom);

} // namespace scene
