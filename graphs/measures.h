#pragma once
// The measures of a recorded flight for a spreadsheet or a Python program:
// one row per chronophotograph taken, or, without chronophotography, one row
// every 0.04 s of the flight, each taken from the model at its date.

#include "sim/flight.h"
#include "ui/datatable.h"

#include <vector>

namespace graphs {

inline constexpr float measureInterval = 0.04f;

// The dates and states of the rows; empty when no flight is recorded.
std::vector<sim::Sample> measuredSamples(const sim::Flight& flight);

// The situation in one line: place, projectile, x0, y0, v0, alpha.
QString situationLine(const sim::InitialConditions& conditions);

// The title names the situation; columns t, x, y, vx, vy, v, Ec, Ep, Em in SI
// units with four decimals and the decimal comma.
DataTable measuresTable(const sim::Flight& flight);

} // namespace graphs
