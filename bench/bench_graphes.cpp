// Measures the graphs window: a full redraw (tracegraphe, then the window
// painted: graph surface, table and headers) with the three energy curves
// and 21 table rows, and one pointer move from a marker to another with the
// highlighting moved and the read-outs placed, then painted. Targets: redraw
// under 10 ms, pointer move under 1 ms.
//
// bench_graphes [repetitions]
//
// Each figure is given twice: wall-clock time, and the processor time of the
// thread, which leaves out the time other programs of a shared machine take.

#include "graphs/enlargedpainting.h"
#include "graphs/graphes.h"
#include "ui/dialogservice.h"
#include "ui/paintedpanel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Summary {
    double median = 0;
    double p99 = 0;
};

struct Figures {
    Summary wall;
    Summary processor;
};

double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

Summary summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[std::min(samples.size() - 1, samples.size() * 99 / 100)]};
}

Figures measure(int repetitions, const std::function<void()>& step)
{
    for (int i = 0; i < repetitions / 10; ++i)
        step();
    std::vector<double> wall;
    std::vector<double> processor;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        const double startProcessor = threadMicroseconds();
        step();
        processor.push_back(threadMicroseconds() - startProcessor);
        wall.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return {summarise(wall), summarise(processor)};
}

void report(const char* what, const Figures& f, double targetMicroseconds)
{
    std::printf("%-50s wall: median %7.1f µs, p99 %8.1f µs | thread: median %7.1f µs, p99 %8.1f µs | target %5.0f µs %s\n",
                what, f.wall.median, f.wall.p99, f.processor.median, f.processor.p99, targetMicroseconds,
                f.processor.p99 < targetMicroseconds ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ScriptedDialogs dialogs;
    DialogService::install(&dialogs);
    const int repetitions = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;

    // Up and down again in exactly 2 s: one table row every 0.1 s, 21 rows.
    graphs::GraphesSetup setup;
    setup.situation.initialVelocityX = 3;
    setup.situation.initialVelocityY = 9.8f;
    setup.situation.checked[graphs::KindEc] = setup.situation.checked[graphs::KindEp] =
        setup.situation.checked[graphs::KindEm] = true;
    setup.geometry = QRect(0, 0, 800, 600);
    graphs::Graphes window(setup);
    window.show();
    QApplication::processEvents();
    std::printf("graphs window, energies: %d table rows, %d columns, %zu points per curve\n",
                window.graph().rowCount(), window.graph().columnCount(), window.graph().curves[0].points.size());

    report("full redraw (tracegraphe + window painted)", measure(repetitions, [&] {
               window.tracegraphe();
               window.repaint();
           }),
           10000);
    report("  tracegraphe alone (curves, table filled)", measure(repetitions, [&] { window.tracegraphe(); }), 10000);
    QImage picture(graphs::enlargedWidth, graphs::enlargedHeight, QImage::Format_RGB32);
    report("  graph drawn on a picture", measure(repetitions, [&] {
               QPainter painter(&picture);
               graphs::paintEnlargedGraph(painter, window.graph());
           }),
           10000);

    const auto& markers = window.graph().markerPositions;
    bool toRow7 = true;
    const auto moveBetweenMarkers = [&] {
        const int row = toRow7 ? 7 : 3;
        window.Picture1_MouseMove(markers[size_t(row)][0], markers[size_t(row)][2]);
        toRow7 = !toRow7;
    };
    report("pointer move, marker to marker (handler + paint)", measure(repetitions, [&] {
               moveBetweenMarkers();
               QApplication::processEvents();
           }),
           1000);
    report("  handler alone", measure(repetitions, moveBetweenMarkers), 1000);
    if (window.highlightedRow() != 7 && window.highlightedRow() != 3)
        std::printf("warning: the pointer did not land on a marker\n");
    DialogService::install(nullptr);
    return 0;
}
