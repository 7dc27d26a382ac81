#include "config/configuration.h"

#include "config/recordfile.h"
#include "sim/catalogue.h"
#include "ui/numberformat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>
#include <limits>

namespace config {

namespace {

using Outcome = std::optional<ReadFailure::Kind>;
constexpr Outcome accepted = std::nullopt;

// --- Conversions of a record's text ---

// Val rounded to the nearest integer, ties to even; nothing when the value
// does not fit a 32-bit integer.
std::optional<long long> valInteger(const QString& text)
{
    const double value = std::nearbyint(Val(text));
    if (!(value >= double(std::numeric_limits<std::int32_t>::min())
          && value <= double(std::numeric_limits<std::int32_t>::max())))
        return std::nullopt;
    return static_cast<long long>(value);
}

// The integer conversion of the whole text, as the user writes numbers
// (decimal comma), rounded ties to even; NotAnInteger when the text is not a
// number or does not fit the integer type.
Outcome integerConversion(const QString& text, long long typeLimit, const Range& range, int& target)
{
    const std::optional<double> number = toNumber(text);
    if (!number)
        return ReadFailure::NotAnInteger;
    const double value = std::nearbyint(*number);
    if (!(value >= double(-typeLimit - 1) && value <= double(typeLimit)))
        return ReadFailure::NotAnInteger;
    if (!range.contains(static_cast<long long>(value)))
        return ReadFailure::Refused;
    target = int(value);
    return accepted;
}

// No field can hold a control character: such a text was not written by us.
bool fieldCanHold(const QString& text)
{
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

QString tickText(Tick tick) { return formatSigned(int(tick)); }

// --- The records 2 to 26, in file order ---

struct Field {
    QString (*write)(const Configuration&);
    Outcome (*read)(Configuration&, const QString&);
};

template <auto member, int count>
constexpr Field listIndex()
{
    return {[](const Configuration& c) { return formatSigned(c.*member); },
            [](Configuration& c, const QString& text) -> Outcome {
                const auto value = valInteger(text);
                if (!value || !Range{0, count - 1}.contains(*value))
                    return ReadFailure::Refused;
                c.*member = int(*value);
                return accepted;
            }};
}

template <auto member>
constexpr Field text()
{
    return {[](const Configuration& c) { return c.*member; },
            [](Configuration& c, const QString& text) -> Outcome {
                if (!fieldCanHold(text))
                    return ReadFailure::UnreadableText;
                c.*member = text;
                return accepted;
            }};
}

template <auto member, long long typeLimit, Range range>
constexpr Field setting()
{
    return {[](const Configuration& c) { return formatSigned(c.*member); },
            [](Configuration& c, const QString& text) {
                return integerConversion(text, typeLimit, range, c.*member);
            }};
}

template <auto member>
constexpr Field tick()
{
    return {[](const Configuration& c) { return tickText(c.*member); },
            [](Configuration& c, const QString& text) -> Outcome {
                const auto value = valInteger(text);
                if (!value || !Range{0, 2}.contains(*value))
                    return ReadFailure::Refused;
                c.*member = Tick(*value);
                return accepted;
            }};
}

// The acceleration scale is read with Val, unlike the other two scales.
template <auto member, Range range>
constexpr Field valSetting()
{
    return {[](const Configuration& c) { return formatSigned(c.*member); },
            [](Configuration& c, const QString& text) -> Outcome {
                const auto value = valInteger(text);
                if (!value || !range.contains(*value))
                    return ReadFailure::Refused;
                c.*member = int(*value);
                return accepted;
            }};
}

constexpr long long int16Limit = std::numeric_limits<std::int16_t>::max();
constexpr long long int32Limit = std::numeric_limits<std::int32_t>::max();

using C = Configuration;
constexpr std::array<Field, lastControlRecord - 1> fields = {
    listIndex<&C::place, sim::placeCount>(),           // 2
    listIndex<&C::projectile, sim::projectileCount>(), // 3
    text<&C::x0>(),                                    // 4
    text<&C::y0>(),                                    // 5
    text<&C::v0>(),                                    // 6
    text<&C::alpha>(),                                 // 7
    setting<&C::velocityScaleSetting, int16Limit, velocityScaleRange>(),   // 8
    setting<&C::velocityChangeSetting, int32Limit, velocityChangeRange>(), // 9
    setting<&C::weightScaleSetting, int16Limit, weightScaleRange>(),       // 10
    text<&C::chronoInterval>(),                        // 11
    tick<&C::frame>(),                                 // 12
    tick<&C::centreMarksOnly>(),                       // 13
    tick<&C::grid>(),                                  // 14
    tick<&C::stopOutsideScene>(),                      // 15
    tick<&C::velocity>(),                              // 16
    tick<&C::velocityChange>(),                        // 17
    tick<&C::construction>(),                          // 18
    tick<&C::trajectory>(),                            // 19
    tick<&C::photoVectors>(),                          // 20
    tick<&C::thickLines>(),                            // 21
    tick<&C::projections>(),                           // 22
    tick<&C::weight>(),                                // 23
    tick<&C::slowMotion>(),                            // 24
    tick<&C::acceleration>(),                          // 25
    valSetting<&C::accelerationScaleSetting, accelerationScaleRange>(), // 26
};

Outcome readColour(std::int32_t& colour, const QString& text)
{
    const auto value = valInteger(text);
    if (!value || *value > largestColour)
        return ReadFailure::Refused;
    colour = std::int32_t(*value);
    return accepted;
}

ReadFailure::Kind failureOf(RecordFault fault)
{
    switch (fault) {
    case RecordFault::Missing: return ReadFailure::RecordMissing;
    case RecordFault::TooLong: return ReadFailure::RecordTooLong;
    case RecordFault::CutShort: return ReadFailure::RecordCutShort;
    }
    return ReadFailure::RecordMissing;
}

} // namespace

std::optional<std::array<std::string, configurationRecordCount>> configurationRecords(const Configuration& configuration)
{
    std::array<QString, configurationRecordCount> texts;
    texts[0] = QString::fromLatin1(configurationSignature.data(), qsizetype(configurationSignature.size()));
    for (std::size_t i = 0; i < fields.size(); ++i)
        texts[i + 1] = fields[i].write(configuration);
    for (int i = 0; i < colourCount; ++i)
        texts[std::size_t(firstColourRecord - 1 + i)] = formatSigned(configuration.colours[std::size_t(i)]);

    std::array<std::string, configurationRecordCount> records;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        records[i] = toCp1252(texts[i]);
        if (records[i].size() > std::size_t(maxRecordTextLength))
            return std::nullopt;
    }
    return records;
}

std::optional<std::string> configurationImage(const Configuration& configuration)
{
    const auto records = configurationRecords(configuration);
    if (!records)
        return std::nullopt;
    std::string image;
    image.reserve(std::size_t(configurationRecordCount * recordLength));
    for (const std::string& record : *records)
        image += recordImage(record);
    return image;
}

bool writeConfiguration(const QString& path, const Configuration& configuration)
{
    const auto image = configurationImage(configuration);
    if (!image)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The buffer is flushed and checked here: a flush that fails inside
    // commit() (a full disk) would still put the short file in place.
    if (file.write(image->data(), qint64(image->size())) != qint64(image->size()) || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

ConfigurationRead parseConfiguration(std::string_view image)
{
    ConfigurationRead result;
    const auto fail = [&result](ReadFailure::Kind kind, int record) {
        result.failure = ReadFailure{kind, record};
        return result;
    };

    const RecordString first = recordString(image, 1);
    if (first.fault || first.bytes != configurationSignature)
        return fail(ReadFailure::WrongSignature, 1);

    for (int record = 2; record <= configurationRecordCount; ++record) {
        const RecordString read = recordString(image, record);
        if (read.fault)
            return fail(failureOf(*read.fault), record);
        const QString text = fromCp1252(read.bytes);
        const Outcome outcome =
            record <= lastControlRecord
                ? fields[std::size_t(record - 2)].read(result.configuration, text)
                : readColour(result.configuration.colours[std::size_t(record - firstColourRecord)], text);
        if (outcome)
            return fail(*outcome, record);
    }
    return result;
}

ConfigurationRead readConfiguration(const QString& path)
{
    ConfigurationRead unreadable;
    unreadable.failure = ReadFailure{ReadFailure::CannotRead, 1};

    // A pipe or a device would block or never end: only regular files.
    if (!QFileInfo(path).isFile())
        return unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable;
    const QByteArray bytes = file.read(qint64(configurationRecordCount) * recordLength);
    if (file.error() != QFileDevice::NoError)
        return unreadable;
    return parseConfiguration(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace config
