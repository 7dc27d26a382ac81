// Measures the model of a throw on its own: what one step of `advance`
// costs (with the sample it records), what reading the history at a date
// costs (`recordedAt`, which the export, the values at a point and the kept
// paths use), and how much memory a flight of 60 s keeps in its records.
//
//   bench_flight [repeats]

#include "sim/catalogue.h"
#include "sim/flight.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Case {
    const char* name;
    int place;
    int projectile;
    float y0;
    float v0;
    float alpha;
    bool slowMotion;
    double photoIntervalMs; // 0: no chronophotography
};

struct Figures {
    size_t steps = 0;
    double flightSeconds = 0;
    double stepNanoseconds = 0;
    double readNanoseconds = 0;
    size_t photographs = 0;
    double recordsKilobytes = 0; // reserved for the records
    double usedKilobytes = 0;    // taken by the records themselves
};

double nanoseconds(Clock::duration d) { return std::chrono::duration<double, std::nano>(d).count(); }

// One flight to its end, without a scene: the ground is y = 0.
size_t fly(sim::Flight& flight, const Case& c)
{
    flight.reset();
    if (c.photoIntervalMs > 0)
        flight.chrono().start(flight.simTime());
    size_t steps = 0;
    for (;;) {
        const sim::StepEvents events =
            flight.advance(sim::tickStep(c.slowMotion), c.slowMotion, c.photoIntervalMs > 0 ? c.photoIntervalMs : 40);
        ++steps;
        if (events.landed || events.bouncesDiedOut || steps > 200000)
            break;
    }
    flight.chrono().stop();
    return steps;
}

Figures measure(const Case& c, int repeats)
{
    sim::Flight flight;
    flight.setConditions(sim::conditionsFor(c.place, c.projectile, 0, c.y0, c.v0, c.alpha));
    Figures f;
    std::vector<double> perStep;
    for (int r = 0; r < repeats; ++r) {
        const Clock::time_point start = Clock::now();
        f.steps = fly(flight, c);
        perStep.push_back(nanoseconds(Clock::now() - start) / double(f.steps));
    }
    std::sort(perStep.begin(), perStep.end());
    f.stepNanoseconds = perStep[perStep.size() / 2];

    f.flightSeconds = flight.recordedDuration();
    f.photographs = flight.photographs().size();
    const sim::Flight::HistoryMemory memory = flight.historyMemory();
    f.usedKilobytes = double(memory.used) / 1024.0;
    f.recordsKilobytes = double(memory.reserved) / 1024.0;

    // Dates spread over the whole history, as clicks and exports ask them.
    constexpr int reads = 100000;
    double sink = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < reads; ++i)
        sink += flight.recordedAt(float(f.flightSeconds * (i % 997) / 996.0)).y;
    f.readNanoseconds = nanoseconds(Clock::now() - start) / reads;
    if (sink == 12345.678)
        std::puts("");
    return f;
}

} // namespace

int main(int argc, char* argv[])
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    // The 60 s flights: from 1 km up on the Moon, and the same in slow motion
    // with a photograph every 10 ms, the most the records can hold.
    const std::vector<Case> cases{
        {"Terre, pierre, 15 m/s at 77°", sim::Terre, sim::Pierre, 0, 15, 77, false, 0},
        {"Terre, ballon (bounces)", sim::Terre, sim::Ballon, 0, 15, 77, false, 0},
        {"Terre, pierre, photo every 40 ms", sim::Terre, sim::Pierre, 0, 15, 77, false, 40},
        {"Mars, boule, 20 m/s at 45°", sim::Mars, sim::Boule, 0, 20, 45, false, 0},
        {"Lune, 60 s flight", sim::Lune, sim::Pierre, 2910, 1, 90, false, 0},
        {"Lune, 60 s, slow motion, photo every 10 ms", sim::Lune, sim::Pierre, 2910, 1, 90, true, 10},
    };
    std::printf("%-44s %8s %8s %10s %10s %7s %8s %8s\n", "flight", "steps", "t (s)", "step (ns)", "read (ns)",
                "photos", "kB used", "kB held");
    for (const Case& c : cases) {
        const Figures f = measure(c, repeats);
        std::printf("%-44s %8zu %8.2f %10.1f %10.1f %7zu %8.1f %8.1f\n", c.name, f.steps, f.flightSeconds,
                    f.stepNanoseconds, f.readNanoseconds, f.photographs, f.usedKilobytes, f.recordsKilobytes);
    }
    std::printf("sizeof(Sample) = %zu bytes; the records aim: at most a few hundred kB for 60 s\n",
                sizeof(sim::Sample));
    return 0;
}
