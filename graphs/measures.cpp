#include "graphs/measures.h"

#include "sim/catalogue.h"
#include "ui/numberformat.h"

#include <cmath>

namespace graphs {

namespace {

const QString fieldPattern = QStringLiteral("###0.00");
const QString measurePattern = QStringLiteral("###0.0000");

} // namespace

std::vector<sim::Sample> measuredSamples(const sim::Flight& flight)
{
    std::vector<sim::Sample> rows = flight.photographs();
    if (!rows.empty() || flight.samples().empty())
        return rows;
    const float end = flight.recordedDuration();
    // The dates are multiples of the interval, not sums of it, so that the
    // last of a long flight does not drift.
    for (int k = 0; float(k) * measureInterval <= end; ++k)
        rows.push_back(flight.recordedAt(float(k) * measureInterval));
    return rows;
}

QString situationLine(const sim::InitialConditions& c)
{
    return QStringLiteral("Situation : %1, %2, x0 = %3 m, y0 = %4 m, v0 = %5 m/s, alpha = %6°")
        .arg(QString::fromUtf8(sim::place(c.placeIndex).name), QString::fromUtf8(sim::projectile(c.projectileIndex).name),
             formatPattern(c.x0, fieldPattern), formatPattern(c.y0, fieldPattern), formatPattern(c.v0, fieldPattern),
             formatPattern(c.alphaDegrees, fieldPattern));
}

DataTable measuresTable(const sim::Flight& flight)
{
    DataTable table;
    const std::vector<sim::Sample> rows = measuredSamples(flight);
    if (rows.empty())
        return table;
    const sim::InitialConditions& conditions = flight.recordedConditions();
    table.title = situationLine(conditions);
    table.headers = QStringList{QStringLiteral("t (s)"),    QStringLiteral("x (m)"),  QStringLiteral("y (m)"),
                                QStringLiteral("vx (m/s)"), QStringLiteral("vy (m/s)"), QStringLiteral("v (m/s)"),
                                QStringLiteral("Ec (J)"),   QStringLiteral("Ep (J)"), QStringLiteral("Em (J)")};
    for (const sim::Sample& s : rows) {
        const sim::Energies e = sim::energiesOf(conditions, s);
        QStringList cells;
        for (double value : {double(s.t), double(s.x), s.y, double(s.vx), double(s.vy), sim::speed(s.vx, s.vy),
                             e.kinetic, e.potential, e.mechanical})
            cells << formatPattern(value, measurePattern);
        table.rows.push_back(cells);
    }
    return table;
}

} // namespace graphs
