// Measures what one animation tick of the main window costs: the handler
// Timer1_Timer (with its scene redraw majaff) plus the repaint of whatever it
// dirtied, delivered by QCoreApplication::processEvents() as the event loop
// would between two ticks. The clock period is 20 ms; the target is a median
// under 400 µs.
//
// The window is the real one, offscreen, on a private copy of the data files
// (the marker file lands there), with recorded sounds and scripted dialogs.

#include "app/feuillep.h"
#include "app/scenepicture.h"
#include "bench/benchwindow.h"
#include "scene/tabstripwidget.h"
#include "ui/paintedpanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int warmUpTicks = 100;
constexpr double periodMicroseconds = 20000;
constexpr double targetMicroseconds = 400;
// For a profiler: bench_tick [ticks [scenario]] measures fewer ticks, and
// only the given scenario (1 to 5).
int measuredTicks = 5000;
int onlyScenario = 0;

double microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// Counts the paints of one widget, to show the blit really happens per tick.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

struct Scenario {
    const char* name;
    std::function<void(FeuilleP&)> configure;
    bool chronophotography = false;
};

struct Summary {
    double median = 0;
    double p99 = 0;
    double max = 0;
};

struct Result {
    Summary tick;
    Summary handler;
    Summary paint;
    int flights = 0;
    double picturePaintsPerTick = 0;
    bool graphOnScreen = false;
    int curves = 0;
    // The marks on the scene at the end, and the median tick of the first
    // and of the last tenth of the measured ticks.
    size_t marks = 0;
    double firstTenth = 0;
    double lastTenth = 0;
};

Summary summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    Summary s;
    s.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    // Nearest rank.
    s.p99 = samples[size_t(std::ceil(0.99 * double(n))) - 1];
    s.max = samples.back();
    return s;
}

// The graph tab must be open for the live graph to reach the screen; the
// strip selects a tab on a mouse release over its caption.
void openGraphTab(FeuilleP& w)
{
    auto* strip = static_cast<TabStrip*>(w.ui().Onglets);
    const TabStripLayout& layout = strip->lastLayout();
    const QPointF at((layout.tabBounds[4] + layout.tabBounds[5]) / 2.0, layout.h / 2.0);
    QMouseEvent release(QEvent::MouseButtonRelease, at, strip->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &release);
    QCoreApplication::processEvents();
}

// A flight that has ended (landing, bounce dying out or leaving the scene)
// starts again, as a user pressing the launch button would.
void launch(FeuilleP& w, bool chronophotography)
{
    w.ui().Check8->setChecked(true);
    w.ui().command15->click();
    if (chronophotography)
        w.ui().command12->click();
}

Result run(const Scenario& scenario)
{
    FeuilleP w;
    // The bench is the clock: the window's own timer must never fire during
    // processEvents(), so it stays active but with a period it never reaches.
    w.ui().Timer1->setInterval(3600 * 1000);
    benchwindow::show(w);

    // Slow motion: eight times more ticks per flight, all of them in the air.
    w.ui().speed->setChecked(true);
    w.ui().Check1->setChecked(true);
    w.ui().Check3->setChecked(true);
    scenario.configure(w);
    QCoreApplication::processEvents();

    Result result;
    result.graphOnScreen = w.ui().Frame1->isVisible() && !w.ui().Picture5->isVisible();
    for (QCheckBox* curve : w.ui().Check13)
        result.curves += curve->isChecked() ? 1 : 0;

    PaintCounter paints;
    w.ui().Picture2->installEventFilter(&paints);

    std::vector<double> ticks, handlers, repaints;
    ticks.reserve(measuredTicks);
    handlers.reserve(measuredTicks);
    repaints.reserve(measuredTicks);

    launch(w, scenario.chronophotography);
    QCoreApplication::processEvents();
    for (int i = 0; i < warmUpTicks + measuredTicks; ++i) {
        if (i == warmUpTicks)
            paints.count = 0;
        const Clock::time_point start = Clock::now();
        w.Timer1_Timer();
        const Clock::time_point handled = Clock::now();
        QCoreApplication::processEvents();
        const Clock::time_point painted = Clock::now();
        if (i >= warmUpTicks) {
            ticks.push_back(microseconds(painted - start));
            handlers.push_back(microseconds(handled - start));
            repaints.push_back(microseconds(painted - handled));
        }
        // Restarting is not part of a tick: its repaint is flushed untimed.
        if (!w.ui().Timer1->isActive()) {
            if (i >= warmUpTicks)
                ++result.flights;
            launch(w, scenario.chronophotography);
            const int before = paints.count;
            QCoreApplication::processEvents();
            paints.count = before;
        }
    }
    const size_t tenth = std::max<size_t>(1, ticks.size() / 10);
    result.firstTenth = summarise(std::vector<double>(ticks.begin(), ticks.begin() + long(tenth))).median;
    result.lastTenth = summarise(std::vector<double>(ticks.end() - long(tenth), ticks.end())).median;
    result.marks = w.marks().size();
    result.tick = summarise(ticks);
    result.handler = summarise(handlers);
    result.paint = summarise(repaints);
    result.picturePaintsPerTick = double(paints.count) / measuredTicks;
    w.ui().Picture2->removeEventFilter(&paints);
    return result;
}

std::vector<Scenario> scenarios()
{
    const auto frame = [](FeuilleP& w) { w.ui().Check8->setChecked(true); };
    const auto vectors = [frame](FeuilleP& w) {
        frame(w);
        // The construction can be ticked only once the velocity change is.
        for (QCheckBox* box : {w.ui().Check5, w.ui().Check14, w.ui().Check6, w.ui().Check7, w.ui().Check12})
            box->setChecked(true);
    };
    const auto graph = [vectors](FeuilleP& w) {
        vectors(w);
        for (int i : {5, 6, 7})
            w.ui().Check13[size_t(i)]->click();
        benchwindow::enter(w.ui().chrono, QStringLiteral("40"));
        openGraphTab(w);
        // "Afficher" puts the curves' choice away and shows the graph itself.
        w.ui().Command6->click();
    };
    // A mark at every tick, kept across flights: the marks pile up.
    const auto marks = [frame](FeuilleP& w) {
        frame(w);
        w.ui().Check2->setChecked(true);
        w.ui().Check11->setChecked(true);
        benchwindow::enter(w.ui().chrono, QStringLiteral("10"));
    };
    // Five earlier throws kept on the scene: baked into its background once,
    // at the end of each flight, they should cost the tick nothing.
    const auto keptPaths = [frame](FeuilleP& w) {
        frame(w);
        w.ui().keepPaths->setChecked(true);
        for (const char* alpha : {"30", "40", "50", "60", "70"}) {
            benchwindow::enter(w.ui().Text4, QString::fromLatin1(alpha));
            w.ui().command15->click();
            while (w.timerRunning())
                w.Timer1_Timer();
            QCoreApplication::processEvents();
        }
        benchwindow::enter(w.ui().Text4, QStringLiteral("77"));
    };
    return {
        {"1 frame + grid + trajectory", frame, false},
        {"2 = 1 + five vectors, bouncing ball", vectors, false},
        {"3 = 2 + live graph (3 curves), chrono 40 ms", graph, true},
        {"4 = 1 + a mark every tick (chrono 10 ms)", marks, true},
        {"5 = 1 + five kept paths", keptPaths, false},
    };
}

void printSummary(const char* label, const Summary& s)
{
    std::printf("  %-8s %9.1f %9.1f %9.1f %8.2f %%\n", label, s.median, s.p99, s.max,
                100.0 * s.median / periodMicroseconds);
}

} // namespace

int main(int argc, char** argv)
{
    benchwindow::useOffscreenPlatform();
    QApplication app(argc, argv);
    if (argc > 1)
        measuredTicks = std::max(1, QString::fromLocal8Bit(argv[1]).toInt());
    if (argc > 2)
        onlyScenario = QString::fromLocal8Bit(argv[2]).toInt();

    const benchwindow::Session session;
    if (!session.ready())
        return 1;

    std::printf("One tick = Timer1_Timer() + QCoreApplication::processEvents() (the repaint and blit).\n");
    std::printf("%d ticks measured after %d of warm-up; times in microseconds; period %.0f ms.\n\n", measuredTicks,
                warmUpTicks, periodMicroseconds / 1000);

    std::vector<std::pair<const Scenario*, Result>> results;
    const std::vector<Scenario> all = scenarios();
    for (size_t i = 0; i < all.size(); ++i)
        if (onlyScenario == 0 || onlyScenario == int(i + 1))
            results.emplace_back(&all[i], run(all[i]));

    std::printf("%-46s %9s %9s %9s %10s\n", "One tick (us)", "median", "p99", "max", "median/20ms");
    for (const auto& [scenario, r] : results)
        std::printf("%-46s %9.1f %9.1f %9.1f %9.2f %%\n", scenario->name, r.tick.median, r.tick.p99, r.tick.max,
                    100.0 * r.tick.median / periodMicroseconds);

    std::printf("\nThe same ticks split into the handler and the repaint that follows:\n");
    std::printf("  %-8s %9s %9s %9s %10s\n", "(us)", "median", "p99", "max", "median/20ms");
    for (const auto& [scenario, r] : results) {
        std::printf("%s\n", scenario->name);
        printSummary("handler", r.handler);
        printSummary("repaint", r.paint);
        std::printf("  flights ended: %d; scene paints per tick: %.2f; live graph on screen: %s (%d curves)\n",
                    r.flights, r.picturePaintsPerTick, r.graphOnScreen ? "yes" : "no", r.curves);
        std::printf("  marks at the end: %zu; median tick of the first tenth %.1f us, of the last tenth %.1f us\n",
                    r.marks, r.firstTenth, r.lastTenth);
    }

    std::printf("\n");
    bool allUnderTarget = true;
    for (const auto& [scenario, r] : results) {
        const bool under = r.tick.median < targetMicroseconds;
        allUnderTarget = allUnderTarget && under;
        std::printf("Scenario %lld: median %.1f us, %s the %.0f us target\n", static_cast<long long>(scenario - all.data() + 1), r.tick.median,
                    under ? "under" : "OVER", targetMicroseconds);
    }
    std::printf("Median tick under %.0f us in every scenario: %s\n", targetMicroseconds, allUnderTarget ? "YES" : "NO");
    return 0;
}
