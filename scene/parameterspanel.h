#pragma once
// Static drawing of the "Paramètres" panel (Picture3): the labels of the
// place and projectile lists, the section titles, the field labels with their
// subscripts, and the sketch of the initial conditions.

#include <QColor>
#include <QRect>

class QPainter;

// Where the panel's controls are; the labels are placed against them.
struct ParametersPanelGeometry {
    QRect combo1;  // place
    QRect combo2;  // projectile
    QRect text1;   // x0
    QRect text2;   // y0
    QRect text3;   // v0
    QRect text4;   // alpha
};

// The panel is 353 x 210; the sketch takes x 214 to 345, y 60 to 190, so
// the controls keep to the top row and the left half.
struct ParametersPanelLayout {
    static constexpr QRect combo1{42, 8, 84, 22};
    static constexpr QRect combo2{190, 8, 158, 22};
    static constexpr QRect text1{118, 64, 64, 22};
    static constexpr QRect text2{118, 90, 64, 22};
    static constexpr QRect text3{118, 146, 64, 22};
    static constexpr QRect text4{118, 172, 64, 22};

    static ParametersPanelGeometry geometry() { return {combo1, combo2, text1, text2, text3, text4}; }
};

// swatch0 is the colour of the velocity vector.
void paintParametersPanel(QPainter& painter, const ParametersPanelGeometry& geometry, QColor swatch0);
