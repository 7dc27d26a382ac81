#pragma once
// The two panels made of check boxes: "Chronophotographie" (Picture6), whose
// paint adds the interval label, and "Affichage" (Frame2), whose texts are
// all the check boxes' own captions.

#include <QFont>
#include <QRect>

class QPainter;

// Where the controls the chronophotography labels stand against are.
struct ChronoPanelGeometry {
    QRect chrono;  // the interval field, in ms
    QRect check9;  // its left edge aligns the interval label
    QFont fieldFont = QFont(QStringLiteral("Arial"), 8); // the field's, whose line the unit follows
};

// Controls of Picture6 (353 x 210): the camera button and its label on top,
// then the interval, the three options, and the two mark colours beside the
// options they belong to (swatch 6 the cross of a mark, swatch 8 its projections).
struct ChronoPanelLayout {
    static constexpr QRect command12{12, 8, 40, 40};
    static constexpr QRect label5{60, 20, 200, 17};
    static constexpr QRect chrono{30, 78, 56, 22};
    static constexpr QRect check9{12, 110, 335, 19};
    static constexpr QRect check2{12, 134, 285, 19};
    static constexpr QRect check11{12, 158, 285, 19};
    static constexpr QRect swatch6{310, 135, 17, 17};
    static constexpr QRect swatch8{310, 159, 17, 17};

    static ChronoPanelGeometry geometry() { return {chrono, check9}; }
};

// Controls of Frame2 (353 x 210). "Afficher la grille" sits indented under
// "Afficher le repère", on which it depends; each colour stands beside the
// option it draws (swatch 4 the frame, swatch 5 the trajectory).
struct AffichagePanelLayout {
    static constexpr QRect check1{12, 12, 140, 19};
    static constexpr QRect swatch4{160, 13, 17, 17};
    static constexpr QRect check3{32, 36, 140, 19};
    static constexpr QRect check8{12, 68, 140, 19};
    static constexpr QRect swatch5{160, 69, 17, 17};
    static constexpr QRect check10{12, 100, 140, 19};
    static constexpr QRect speed{12, 132, 140, 19};
    static constexpr QRect check4{12, 164, 330, 19};
    static constexpr QRect keepPaths{12, 188, 330, 19};
};

void paintChronoPanel(QPainter& painter, const ChronoPanelGeometry& geometry);
// The τ of "τ = ": a serif italic, in which it does not read as a T.
QFont tauFont();
void paintAffichagePanel(QPainter& painter);
