// The marker file's request: from any file another program may have left,
// the exercise named in record 31 is given once and that record emptied;
// every other byte of the file stays as it was, and a file without a
// readable request is not touched at all.

#include "app/markerfile.h"
#include "config/recordfile.h"
#include "fuzz/fuzzcheck.h"
#include "ui/appdir.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <string_view>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    FUZZ_REQUIRE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir directory;
    setApplicationDirectory(directory.path());
    fuzzcheck::failOnQtWarnings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray before = fuzzcheck::bytesOf(data, size);
    const QString path = MarkerFile::path();
    {
        QFile file(path);
        FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_REQUIRE(file.write(before) == before.size());
    }

    const std::string_view image(before.constData(), std::size_t(before.size()));
    const config::RecordString record = config::recordString(image.substr(0, std::size_t(MarkerFile::exerciseRecord) * config::recordLength),
                                                             MarkerFile::exerciseRecord);
    const QString expected = record.fault ? QString() : config::fromCp1252(record.bytes);

    MarkerFile marker;
    FUZZ_REQUIRE(marker.takeExerciseRequest() == expected);
    const QByteArray after = contents(path);
    if (expected.isEmpty()) {
        FUZZ_REQUIRE(after == before);
        return 0;
    }
    const qsizetype start = qsizetype(MarkerFile::exerciseRecord - 1) * config::recordLength;
    const qsizetype end = start + config::recordLength;
    FUZZ_REQUIRE(after.size() == std::max(before.size(), end));
    FUZZ_REQUIRE(after.first(start) == before.first(start));
    FUZZ_REQUIRE(after.sliced(start, config::recordLength) == QByteArray::fromStdString(config::recordImage({})));
    FUZZ_REQUIRE(after.sliced(end) == before.sliced(std::min(end, before.size())));
    // Given once: the emptied record asks for nothing more.
    FUZZ_REQUIRE(marker.takeExerciseRequest().isEmpty());
    return 0;
}
