#pragma once
// How the scene sees a flight: the ground and the edges are those of the
// projectile's picture, whose corner stands at whole metres times 36 in
// single precision. The flight asks these in metres.

#include "scene/scenegeometry.h"
#include "sim/flight.h"

namespace scene {

class PictureView final : public sim::SceneView {
public:
    // The picture's top is past the ground's top row (420).
    bool belowGround(double y) const override { return float(imageTopFor(y)) > groundImageTop; }
    // The ball bounces from where its picture stands.
    float pictureX(float x) const override { return xForImageLeft(imageLeftFor(x)); }
    bool outside(float x, double y, bool sidewaysOnly) const override
    {
        const float left = imageLeftFor(x);
        return sidewaysOnly ? leftTheSceneSideways(left) : leftTheScene(left, float(imageTopFor(y)));
    }
};

// The one view every window's flight uses.
inline const PictureView& pictureView()
{
    static const PictureView view;
    return view;
}

} // namespace scene
