// The configuration reader: a file either reads into values each control
// accepts, or names the record and reason of its first failure and leaves the
// later records at their defaults; what was read, written again, reads back
// the same.

#include "config/configuration.h"
#include "config/recordfile.h"
#include "fuzz/fuzzcheck.h"
#include "sim/catalogue.h"

#include <cstdint>
#include <string_view>

namespace {

using config::Configuration;
using config::Tick;

bool tickInRange(Tick tick) { return tick == Tick::Unticked || tick == Tick::Ticked || tick == Tick::Grey; }

bool controlTextFits(const QString& text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return false;
    return int(config::toCp1252(text).size()) <= config::maxRecordTextLength;
}

// The value each record of a configuration gives, compared with the defaults
// for the records a failure left unread.
void requireUnread(const Configuration& read, int record)
{
    const Configuration none;
    switch (record) {
    case 2: FUZZ_REQUIRE(read.place == none.place); break;
    case 3: FUZZ_REQUIRE(read.projectile == none.projectile); break;
    case 4: FUZZ_REQUIRE(read.x0 == none.x0); break;
    case 5: FUZZ_REQUIRE(read.y0 == none.y0); break;
    case 6: FUZZ_REQUIRE(read.v0 == none.v0); break;
    case 7: FUZZ_REQUIRE(read.alpha == none.alpha); break;
    case 8: FUZZ_REQUIRE(read.velocityScaleSetting == none.velocityScaleSetting); break;
    case 9: FUZZ_REQUIRE(read.velocityChangeSetting == none.velocityChangeSetting); break;
    case 10: FUZZ_REQUIRE(read.weightScaleSetting == none.weightScaleSetting); break;
    case 11: FUZZ_REQUIRE(read.chronoInterval == none.chronoInterval); break;
    case 26: FUZZ_REQUIRE(read.accelerationScaleSetting == none.accelerationScaleSetting); break;
    default:
        if (record >= config::firstColourRecord)
            FUZZ_REQUIRE(read.colours[std::size_t(record - config::firstColourRecord)] == 0);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view image(reinterpret_cast<const char*>(data), size);
    const config::ConfigurationRead read = config::parseConfiguration(image);
    const Configuration& c = read.configuration;

    // Every value lies where its control can show it.
    FUZZ_REQUIRE(c.place >= 0 && c.place < sim::placeCount);
    FUZZ_REQUIRE(c.projectile >= 0 && c.projectile < sim::projectileCount);
    FUZZ_REQUIRE(config::velocityScaleRange.contains(c.velocityScaleSetting));
    FUZZ_REQUIRE(config::velocityChangeRange.contains(c.velocityChangeSetting));
    FUZZ_REQUIRE(config::weightScaleRange.contains(c.weightScaleSetting));
    FUZZ_REQUIRE(config::accelerationScaleRange.contains(c.accelerationScaleSetting));
    for (const Tick tick : {c.frame, c.centreMarksOnly, c.grid, c.stopOutsideScene, c.velocity, c.velocityChange,
                            c.construction, c.trajectory, c.photoVectors, c.thickLines, c.projections, c.weight,
                            c.slowMotion, c.acceleration})
        FUZZ_REQUIRE(tickInRange(tick));
    for (const std::int32_t colour : c.colours)
        FUZZ_REQUIRE(colour <= config::largestColour);
    for (const QString* text : {&c.x0, &c.y0, &c.v0, &c.alpha, &c.chronoInterval})
        FUZZ_REQUIRE(controlTextFits(*text));

    if (read.failure) {
        const config::ReadFailure& failure = *read.failure;
        FUZZ_REQUIRE(failure.record >= 1 && failure.record <= config::configurationRecordCount);
        FUZZ_REQUIRE(failure.kind != config::ReadFailure::CannotRead);
        FUZZ_REQUIRE((failure.kind == config::ReadFailure::WrongSignature) == (failure.record == 1));
        // A record the file holds whole is never called missing or cut short.
        const std::size_t end = std::size_t(failure.record) * config::recordLength;
        if (end <= size)
            FUZZ_REQUIRE(failure.kind != config::ReadFailure::RecordMissing
                         && failure.kind != config::ReadFailure::RecordCutShort);
        for (int record = failure.record; record <= config::configurationRecordCount; ++record)
            requireUnread(c, record);
        if (failure.kind == config::ReadFailure::WrongSignature)
            FUZZ_REQUIRE(c == Configuration{});
    } else {
        FUZZ_REQUIRE(config::recordString(image, 1).bytes == config::configurationSignature);
    }

    // Whatever was read, written again, reads back whole and the same.
    const std::optional<std::string> written = config::configurationImage(c);
    FUZZ_REQUIRE(written.has_value());
    const config::ConfigurationRead again = config::parseConfiguration(*written);
    FUZZ_REQUIRE(!again.failure);
    FUZZ_REQUIRE(again.configuration == c);
    // The texts of the fields go back byte for byte.
    for (const int record : {4, 5, 6, 7, 11})
        if (read.holds(record))
            FUZZ_REQUIRE(config::recordString(*written, record).bytes == config::recordString(image, record).bytes);
    return 0;
}
