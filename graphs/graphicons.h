#pragma once
// The pictures of the four icon buttons of the graphs window, painted in
// code at every size asked for, so they stay sharp on any screen.

#include <QIcon>

namespace graphs {

enum class GraphesIcon { Close, Print, Copy, Calculator };

QIcon graphesIcon(GraphesIcon which);

} // namespace graphs
