#pragma once
// What the scene keeps of a flight between two redraws, in scene pixels: the
// projectile picture's corner, the trajectory's previous point and whether
// the scene was just cleared.

namespace scene {

struct SceneState {
    // The projectile picture's top-left corner.
    float imageLeft = 14;
    float imageTop = 420;

    // The trajectory's previous point.
    bool trajectoryStarted = false;
    float trajPrevX = 0;
    float trajPrevY = 0;
    // True right after the scene was cleared and its frame redrawn.
    bool sceneClean = true;
    // The vectors of this tick are drawn for a photograph.
    bool photoVectorMode = false;
};

} // namespace scene
