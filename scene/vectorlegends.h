#pragma once
// The static drawing of the Vecteurs panel: section titles, the legend
// segments with their end marks and scale texts, the interval label before
// Label9 and the construction labels beside swatches 2 and 3. The panel's
// controls draw themselves.

#include <QPoint>
#include <QRect>
#include <QSize>

class QPainter;

namespace scene {

// Where the panel's controls sit, in panel pixels. Three sections under
// the titles at y 6, 122 and 160: each swatch left of its check box, the
// legend segments to the right, the scroll bars along the right edge.
// Segments are given by their left end; they grow to the right by the scale
// (at most 50 units, 100 for the weight).
struct VectorsPanelLayout {
    QSize panel{353, 202};

    QRect swatch0{8, 22, 17, 17};
    QRect check5{30, 22, 200, 17};
    QRect swatch1{8, 42, 17, 17};
    QRect check6{30, 42, 222, 17};
    QRect check7{46, 62, 206, 17};
    QRect swatch2{46, 82, 17, 17};
    QRect swatch3{160, 82, 17, 17};
    QRect label9{200, 102, 32, 16};
    QRect upDown1{234, 100, 16, 20};
    QPoint line1{262, 38};
    QRect vScroll1{330, 8, 17, 80};

    QRect swatch9{8, 138, 17, 17};
    QRect check14{30, 138, 200, 17};
    QPoint line9{262, 152};
    QRect vScroll4{330, 122, 17, 36};

    QRect swatch7{8, 178, 17, 17};
    QRect check12{30, 178, 160, 17};
    QPoint line2{200, 190};
    QRect vScroll3{330, 160, 17, 40};
};

inline constexpr VectorsPanelLayout vectorsPanelLayout{};

// A legend segment, exactly one unit of its quantity long.
struct LegendSegment {
    int leftX;
    int y;
    int scale;
};

// What the paint needs: the three segments at their current scales, and the
// controls its labels are placed against.
struct VectorsPanelGeometry {
    LegendSegment velocity;
    LegendSegment acceleration;
    LegendSegment weight;
    QRect label9;
    QRect swatch2;
    QRect swatch3;
};

// The right end of a legend segment: its fixed left end plus the scale.
int legendRightEnd(int leftX, int scale);

VectorsPanelGeometry vectorsPanelGeometry(int velocityScale, int accelerationScale, int weightScale,
                                          const VectorsPanelLayout& layout = vectorsPanelLayout);

// Paints the panel's background and static drawing; `rocher` makes the
// weight scale read per 10 000 N.
void paintVectorsPanel(QPainter& painter, const VectorsPanelGeometry& geometry, bool rocher);

} // namespace scene
