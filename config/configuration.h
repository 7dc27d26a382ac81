#pragma once
// A saved situation: the values of the main window's controls that a
// configuration file keeps, one record string each, in a record file of 36
// records whose first holds the signature "TAVRELTS". Numbers are written
// " 30" or "-1", texts as their field holds them ("15,00").

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace config {

inline constexpr int configurationRecordCount = 36;
inline constexpr std::string_view configurationSignature = "TAVRELTS";
inline constexpr int colourCount = 10;
// Records 27 to 36 hold the colours of swatches 0 to 9.
inline constexpr int firstColourRecord = 27;
inline constexpr int lastControlRecord = 26;

// A check box as the file stores it; 2 is the greyed (partially checked) box.
enum class Tick : std::uint8_t { Unticked = 0, Ticked = 1, Grey = 2 };

// The values a control accepts; a file asking for another one is refused.
struct Range {
    int minimum;
    int maximum;
    constexpr bool contains(long long value) const { return value >= minimum && value <= maximum; }
};
inline constexpr Range velocityScaleRange{0, 49};    // VScroll1
inline constexpr Range velocityChangeRange{1, 20};   // UpDown1, in 100 ms
inline constexpr Range weightScaleRange{0, 90};      // VScroll3
inline constexpr Range accelerationScaleRange{0, 49}; // VScroll4
// Colours are r + 256 g + 65 536 b. Negative values (the system colours of
// older files) are kept as they are.
inline constexpr std::int32_t largestColour = 0xFFFFFF;

struct Configuration {
    int place = 0;      // Combo1: 0 Terre, 1 Lune, 2 Mars
    int projectile = 0; // Combo2: 0 pomme … 4 rocher
    QString x0;         // Text1
    QString y0;         // Text2
    QString v0;         // Text3
    QString alpha;      // Text4
    int velocityScaleSetting = 0;  // VScroll1
    int velocityChangeSetting = 1; // UpDown1
    int weightScaleSetting = 0;    // VScroll3
    QString chronoInterval;        // chrono, in ms
    Tick frame{};                  // Check1 "Afficher le repère"
    Tick centreMarksOnly{};        // Check2
    Tick grid{};                   // Check3
    Tick stopOutsideScene{};       // Check4
    Tick velocity{};               // Check5
    Tick velocityChange{};         // Check6
    Tick construction{};           // Check7
    Tick trajectory{};             // Check8
    Tick photoVectors{};           // Check9, vectors kept on the photographs
    Tick thickLines{};             // Check10
    Tick projections{};            // Check11
    Tick weight{};                 // Check12
    Tick slowMotion{};             // speed
    Tick acceleration{};           // Check14
    int accelerationScaleSetting = 0; // VScroll4
    std::array<std::int32_t, colourCount> colours{}; // Label4(0) … Label4(9)

    bool operator==(const Configuration&) const = default;
};

// Why a file cannot be read, at which record (1 to 36). A failure at record
// n leaves records 2 to n - 1 read.
struct ReadFailure {
    enum Kind {
        CannotRead,     // missing, not a regular file, or unreadable
        WrongSignature, // record 1 is not exactly "TAVRELTS"
        RecordMissing,  // the file ends before the record
        RecordTooLong,  // its length field exceeds the record
        RecordCutShort, // its string runs past the end of the file
        UnreadableText, // a text holding control characters
        NotAnInteger,   // a text the integer conversion refuses
        Refused,        // a value outside what the control accepts
    };
    Kind kind;
    int record;
    bool operator==(const ReadFailure&) const = default;
};

struct ConfigurationRead {
    Configuration configuration;
    std::optional<ReadFailure> failure;

    // True when the file's value of record n was read.
    bool holds(int record) const { return !failure || record < failure->record; }
};

// The record strings of records 1 to 36 in Windows-1252, or nothing when a
// text does not fit its record (the window's fields never hold that much).
std::optional<std::array<std::string, configurationRecordCount>> configurationRecords(const Configuration& configuration);
// The whole file, 36 × 128 bytes with zero filler.
std::optional<std::string> configurationImage(const Configuration& configuration);
// Writes through a temporary file, so that a failed write leaves the file
// that was there untouched; false on failure.
bool writeConfiguration(const QString& path, const Configuration& configuration);

// Reads the first bytes of a file, records in order, stopping at the first
// that fails.
ConfigurationRead parseConfiguration(std::string_view image);
// Reads no more of the file than its 36 records.
ConfigurationRead readConfiguration(const QString& path);

} // namespace config
