#pragma once
// The chronophotography's state between ticks: whether it records, the date
// of the next photograph and whether the current tick is a photo instant.

namespace sim {

struct Chronophotography {
    bool chronoActive = false;
    float nextPhotoTime = 0;
    bool photoThisTick = false;

    // The first photograph falls on the tick after the switching on.
    void start(float simTime)
    {
        chronoActive = true;
        nextPhotoTime = simTime;
    }
    void stop() { chronoActive = false; }

    // At a photo instant the date goes back to the photograph's own date, so
    // every photograph falls on a multiple of the interval (ms) after the
    // first; an interval shorter than the date step slows the animation.
    bool takePhotoIfDue(float& simTime, double intervalMs)
    {
        photoThisTick = false;
        if (chronoActive && simTime >= nextPhotoTime) {
            simTime = nextPhotoTime;
            nextPhotoTime = float(nextPhotoTime + intervalMs / 1000.0);
            photoThisTick = true;
        }
        return photoThisTick;
    }
};

} // namespace sim
