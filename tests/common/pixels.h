#pragma once
// Reading pictures in tests: how many pixels hold a colour, whether a
// drawing left ink in an area.

#include <QColor>
#include <QImage>
#include <QRect>

namespace testing {

inline int countColour(const QImage& image, QColor colour)
{
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == wanted ? 1 : 0;
    return count;
}

// Whether the area (clipped to the picture) holds a dark pixel, as text and
// lines drawn in black on a light panel leave.
inline bool hasInk(const QImage& image, const QRect& area)
{
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

// Whether the area (clipped to the picture) holds a pixel of the colour.
inline bool holdsColour(const QImage& image, QColor colour, const QRect& area)
{
    const QRect clipped = area & image.rect();
    const QRgb wanted = colour.rgb();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (image.pixel(x, y) == wanted)
                return true;
    return false;
}

} // namespace testing
