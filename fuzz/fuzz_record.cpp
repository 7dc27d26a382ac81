// The record reader: every record it gives lies inside its own 128 bytes and
// inside the file, every refusal has its true reason, and any string of bytes
// survives the trip through Windows-1252 and back.

#include "config/recordfile.h"
#include "fuzz/fuzzcheck.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view image(reinterpret_cast<const char*>(data), size);
    // Two records past the end, to see the reader refuse them.
    const int records = int(size / config::recordLength) + 2;
    for (int record = 0; record <= records; ++record) {
        const config::RecordString read = config::recordString(image, record);
        if (record < 1) {
            FUZZ_REQUIRE(read.fault == config::RecordFault::Missing);
            continue;
        }
        const std::size_t start = std::size_t(record - 1) * config::recordLength;
        if (start + 2 > size) {
            FUZZ_REQUIRE(read.fault == config::RecordFault::Missing);
            continue;
        }
        const std::size_t length = data[start] | std::size_t(data[start + 1]) << 8;
        if (length > std::size_t(config::maxRecordTextLength)) {
            FUZZ_REQUIRE(read.fault == config::RecordFault::TooLong);
        } else if (start + 2 + length > size) {
            FUZZ_REQUIRE(read.fault == config::RecordFault::CutShort);
        } else {
            FUZZ_REQUIRE(!read.fault);
            FUZZ_REQUIRE(read.bytes == image.substr(start + 2, length));
        }
        FUZZ_REQUIRE(read.fault || read.bytes.size() <= std::size_t(config::maxRecordTextLength));
        FUZZ_REQUIRE(!read.fault || read.bytes.empty());
    }

    // One record's worth of text is what a field can hold.
    const std::string_view prefix = image.substr(0, std::min<std::size_t>(size, config::maxRecordTextLength));
    FUZZ_REQUIRE(config::toCp1252(config::fromCp1252(prefix)) == prefix);
    // An image of the record keeps the string, cut to what the record holds.
    const std::string record = config::recordImage(prefix);
    FUZZ_REQUIRE(record.size() == std::size_t(config::recordLength));
    const config::RecordString back = config::recordString(record, 1);
    FUZZ_REQUIRE(!back.fault && back.bytes == prefix);
    return 0;
}
