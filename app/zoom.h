#pragma once
// The zoom of the whole window for a projector or a dense screen: one of a
// few steps, chosen from the screen or asked for with "--zoom N" or the
// environment variable TAVREL_ZOOM (the command line wins).

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zoom {

inline constexpr std::array<int, 5> steps{100, 125, 150, 175, 200};
inline constexpr const char* environmentVariable = "TAVREL_ZOOM";

// The largest step at which the window (800 x 600 window pixels) with its
// frame (in device pixels, the window manager's decorations do not zoom)
// stays inside the available area of the screen, in device pixels.
int fittingZoom(QSize availableDevicePixels, QSize frameDevicePixels);

// A step written as its number ("150"), nothing for any other text.
std::optional<int> zoomOfText(const QString& text);

// The French message for a zoom that is not one of the steps.
QString refusal(const QString& given);

// The zoom asked for, brought down to the largest step that fits the screen
// (a window taller than the screen loses its title bar and its bottom row);
// the fitting step when nothing is asked. An empty area (no screen known)
// keeps what is asked, or 100 %.
int zoomToUse(std::optional<int> asked, QSize availableDevicePixels);

// The French message for an asked zoom the screen cannot hold.
QString lowered(int asked, int used);

struct ZoomArguments {
    std::optional<int> percent;     // asked for and accepted
    std::optional<QString> refused; // asked for, not a step
    QStringList others;             // the arguments left, in their order: the files to open
};

// Takes "--zoom N" (or "--zoom=N") out of the arguments that follow the
// program's name; its value is never taken for a file.
ZoomArguments takeZoomArgument(const QStringList& arguments);

// Before the application is made: chooses the zoom from the arguments, the
// environment or the screen, and hands it to Qt's scaling. A zoom that is not
// a step, or one lowered to fit the screen, is told on the error output. Leaves Qt's own QT_SCALE_FACTOR alone
// when nothing is asked for.
void setUpZoom(int argc, char* argv[]);

} // namespace zoom
