#pragma once
// What the graphs window takes from the main window when it opens: the
// situation (the same inputs as the live graph, with the kinds checked in
// `Check13`), the place and the projectile, and the main window's caption,
// icon, position and size, which it makes its own.

#include "graphs/graphscale.h"

#include <QIcon>
#include <QRect>
#include <QString>

namespace graphs {

struct GraphWindowInputs {
    GraphInputs situation;
    int placeIndex = 0;
    int projectileIndex = 2;
    QString caption;
    QIcon icon;
    QRect geometry;
};

} // namespace graphs
