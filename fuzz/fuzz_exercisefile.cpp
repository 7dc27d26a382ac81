// The exercise file reader, on a real file: it gives each record of the file
// as it is (records beyond the end blank), or nothing when a record inside
// the file is broken; the preview's counts stay within what it can show.

#include "config/recordfile.h"
#include "exercises/exercisefile.h"
#include "fuzz/fuzzcheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

const QString& scratchFile()
{
    static QTemporaryDir directory;
    static const QString path = directory.filePath(QStringLiteral("exercice.E43"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view image(reinterpret_cast<const char*>(data), size);
    {
        QFile file(scratchFile());
        FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_REQUIRE(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    const std::optional<exercises::ExerciseFile> read = exercises::readExerciseFile(scratchFile());

    // What the reader should have seen in each record: nothing for a record
    // that does not start in the file, a broken record otherwise.
    bool broken = false;
    const auto record = [&](int number) -> QString {
        if (std::size_t(number - 1) * config::recordLength + 2 > size)
            return {};
        const config::RecordString string = config::recordString(image.substr(0, std::size_t(number) * config::recordLength), number);
        if (string.fault)
            broken = true;
        return config::fromCp1252(string.bytes);
    };
    const QString statement = record(exercises::statementRecord);
    const QString statementConfiguration = record(exercises::statementConfigurationRecord);
    const QString correction = record(exercises::correctionRecord);
    const QString correctionConfiguration = record(exercises::correctionConfigurationRecord);
    QStringList notions;
    for (int number = exercises::firstNotionRecord; number <= exercises::lastNotionRecord; ++number)
        if (const QString line = record(number); !exercises::isBlank(line))
            notions.append(line);
    const QString title = record(exercises::titleRecord).trimmed();
    record(exercises::levelRecord);
    record(exercises::durationRecord);

    FUZZ_REQUIRE(read.has_value() == !broken);
    if (!read)
        return 0;
    FUZZ_REQUIRE(read->statement == statement);
    FUZZ_REQUIRE(read->statementConfiguration == statementConfiguration);
    FUZZ_REQUIRE(read->correction == correction);
    FUZZ_REQUIRE(read->correctionConfiguration == correctionConfiguration);
    FUZZ_REQUIRE(read->notions == notions);
    FUZZ_REQUIRE(read->title == title);
    FUZZ_REQUIRE(!std::isnan(read->level));
    FUZZ_REQUIRE(read->hourglasses >= 0 && read->hourglasses <= exercises::maxHourglasses);
    return 0;
}
