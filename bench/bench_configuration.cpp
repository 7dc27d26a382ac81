// Measures saving and opening a configuration in the real main window,
// offscreen: a save is a click on Command11 with its dialog answered (the record
// strings, the temporary file, the rename); a load is loadConfiguration with
// the repaint it causes, delivered by QCoreApplication::processEvents() as
// the event loop would. The target for a load is a median under 5 ms.
//
// The pure format alone (the 36 records to bytes and back, no file) is
// measured too, to show where the time goes.

#include "app/feuillep.h"
#include "bench/benchwindow.h"
#include "config/configuration.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int warmUp = 20;
int measured = 300;
constexpr double targetLoadMicroseconds = 5000;

struct Summary {
    double median = 0;
    double p90 = 0;
    double max = 0;
    double cpuMedian = 0; // the thread's own time: what a busy machine does not inflate
};

double threadMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

Summary measure(int count, const std::function<void()>& work)
{
    for (int i = 0; i < warmUp; ++i)
        work();
    std::vector<double> times, cpu;
    times.reserve(size_t(count));
    cpu.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const double cpuStart = threadMicroseconds();
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        cpu.push_back(threadMicroseconds() - cpuStart);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    return {times[times.size() / 2], times[times.size() * 9 / 10], times.back(), cpu[cpu.size() / 2]};
}

void print(const char* label, const Summary& s)
{
    std::printf("%-52s %9.1f %9.1f %9.1f %9.1f\n", label, s.median, s.p90, s.max, s.cpuMedian);
}

} // namespace

int main(int argc, char** argv)
{
    benchwindow::useOffscreenPlatform();
    QApplication app(argc, argv);
    if (argc > 1)
        measured = std::max(1, QString::fromLocal8Bit(argv[1]).toInt());

    benchwindow::Session session;
    if (!session.ready())
        return 1;
    ScriptedDialogs& dialogs = session.dialogs();
    FeuilleP w;
    benchwindow::show(w);

    const QString file = QDir(session.directory()).filePath(QStringLiteral("situation.P20"));
    std::printf("%d runs measured after %d of warm-up; times in microseconds.\n\n", measured, warmUp);
    std::printf("%-52s %9s %9s %9s %9s\n", "", "median", "p90", "max", "cpu");

    const config::Configuration configuration = w.currentConfiguration();
    const Summary format = measure(measured, [&] {
        const auto bytes = config::configurationImage(configuration);
        const auto read = config::parseConfiguration(*bytes);
        if (read.failure)
            std::abort();
    });
    print("format: 36 records to bytes and back", format);

    const Summary save = measure(measured, [&] {
        dialogs.queueFile(file);
        dialogs.queueAnswer(true); // overwrite
        w.ui().Command11->click();
    });
    print("save: Command11 clicked (dialog answered, file written)", save);

    const Summary load = measure(measured, [&] {
        w.loadConfiguration(file);
        QCoreApplication::processEvents();
    });
    print("load: loadConfiguration + the window's redraw", load);

    const bool quiet = std::none_of(dialogs.shown().begin(), dialogs.shown().end(),
                                    [](const ScriptedDialogs::Shown& s) { return s.icon != DialogService::Icon::Question; });
    std::printf("\nLoad target: median under %.0f us: %s (thread time %s)%s\n", targetLoadMicroseconds,
                load.median < targetLoadMicroseconds ? "met" : "missed",
                load.cpuMedian < targetLoadMicroseconds ? "met" : "missed",
                quiet ? "" : " (a failure message was shown!)");
    return quiet ? 0 : 1;
}
