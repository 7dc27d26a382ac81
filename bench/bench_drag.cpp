// Measures what one move of the mouse costs on the scene, as the pupil feels
// it: dragging the projectile (the handler, then the repaint of the moved
// picture, the fields and the read-outs) and moving over the scene at rest
// (the help line and the coordinate tool-tip). A mouse reports up to about
// 125 moves per second, 8 ms apart; the target is a median under 1 ms.
//
// The window is the real one, offscreen, on a private copy of the data files,
// with recorded sounds and scripted dialogs. On a machine shared with other
// work the wall-clock figures include the time the thread waited for a
// processor; the thread's own processor time is given beside them.

#include "app/feuillep.h"
#include "app/scenepicture.h"
#include "bench/benchwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include <time.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int moves = 4000;
constexpr double targetMicroseconds = 1000;

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

struct Samples {
    std::vector<double> wall;
    std::vector<double> processor;
};

// The pointer goes round a circle of the scene, 2 degrees a move.
QPointF pointerAt(int i)
{
    const double a = i * 3.1415927 / 90;
    return {200 + 150 * std::cos(a), 240 + 150 * std::sin(a)};
}

void send(QWidget* to, QEvent::Type type, QPointF sceneAt, Qt::MouseButtons buttons, QWidget* scene)
{
    const QPointF local = sceneAt - QPointF(to == scene ? QPoint() : to->pos());
    QMouseEvent event(type, local, to->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

void line(const char* name, const char* clock, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const double median = samples[samples.size() / 2];
    const double p99 = samples[size_t(std::ceil(0.99 * double(samples.size()))) - 1];
    std::printf("%-32s %-10s median %7.1f us   p99 %8.1f us   max %8.1f us   %s\n", name, clock, median, p99,
                samples.back(), median < targetMicroseconds ? "within target" : "OVER TARGET");
}

void report(const char* name, const Samples& samples)
{
    line(name, "wall", samples.wall);
    line(name, "processor", samples.processor);
}

// One move and the repaint it causes, delivered as the event loop would.
Samples measure(const std::function<void(int)>& move)
{
    Samples samples;
    samples.wall.reserve(moves);
    samples.processor.reserve(moves);
    for (int i = 0; i < moves + 100; ++i) {
        const Clock::time_point start = Clock::now();
        const double processorStart = threadMicroseconds();
        move(i);
        QCoreApplication::processEvents();
        if (i >= 100) {
            samples.wall.push_back(microseconds(Clock::now() - start));
            samples.processor.push_back(threadMicroseconds() - processorStart);
        }
    }
    return samples;
}

} // namespace

int main(int argc, char** argv)
{
    benchwindow::useOffscreenPlatform();
    QApplication app(argc, argv);
    const benchwindow::Session session;
    if (!session.ready())
        return 1;
    FeuilleP w;
    benchwindow::show(w);
    QWidget* scene = w.ui().Picture2;
    QLabel* projectile = w.ui().projectile;

    // The pointer runs round the circle holding the picture by its centre.
    const QPointF centre(16, 16);
    send(projectile, QEvent::MouseButtonPress, QPointF(projectile->pos()) + centre, Qt::LeftButton, scene);
    report("drag the projectile", measure([&](int i) {
               send(projectile, QEvent::MouseMove, pointerAt(i), Qt::LeftButton, scene);
           }));
    send(projectile, QEvent::MouseButtonRelease, pointerAt(0), Qt::NoButton, scene);
    std::printf("after the drag: x0 = %s, y0 = %s\n", qPrintable(w.ui().Text1->text()), qPrintable(w.ui().Text2->text()));

    report("move over the scene (tool-tip)", measure([&](int i) {
               send(scene, QEvent::MouseMove, pointerAt(i) + QPointF(0, 60), Qt::NoButton, scene);
           }));
    std::printf("last tool-tip: %s\n", qPrintable(scene->toolTip()));
    return 0;
}
