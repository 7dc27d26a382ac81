#include "config/recordfile.h"

#include <QList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace config {

namespace {

// --- Windows-1252 ---

// Bytes 0x80 to 0x9F; the other bytes are the Latin-1 code points.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> encodeExactly(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return char(codePoint);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == codePoint)
            return char(0x80 + i);
    return std::nullopt;
}

char encode(char32_t codePoint) { return encodeExactly(codePoint).value_or('?'); }

// --- Records ---

std::uint64_t recordStart(int record)
{
    return std::uint64_t(record - 1) * recordLength;
}

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

// One record read from a file: its own bytes only, so that the rule of
// recordString serves files and images alike.
std::optional<std::string> readFrom(std::ifstream& file, std::uint64_t fileSize, int record)
{
    if (record < 1)
        return std::nullopt;
    const std::uint64_t start = recordStart(record);
    if (start >= fileSize)
        return std::nullopt;
    std::string image(std::size_t(std::min<std::uint64_t>(recordLength, fileSize - start)), '\0');
    file.seekg(std::streamoff(start));
    if (!file.read(image.data(), std::streamsize(image.size())))
        return std::nullopt;
    RecordString read = recordString(image, 1);
    if (read.fault)
        return std::nullopt;
    return std::move(read.bytes);
}

std::optional<std::uint64_t> sizeOf(const std::filesystem::path& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return size;
}

std::vector<std::string> encodeAll(const std::vector<QString>& texts)
{
    std::vector<std::string> strings;
    strings.reserve(texts.size());
    for (const QString& text : texts)
        strings.push_back(toCp1252(text));
    return strings;
}

} // namespace

std::string toCp1252(const QString& text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    // Code points, so that a character outside the basic plane is one '?'.
    for (const char32_t codePoint : text.toUcs4())
        bytes += encode(codePoint);
    return bytes;
}

bool fitsCp1252(const QString& text)
{
    const QList<uint> codePoints = text.toUcs4();
    return std::all_of(codePoints.begin(), codePoints.end(), [](uint codePoint) { return encodeExactly(codePoint).has_value(); });
}

QString fromCp1252(std::string_view bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return text;
}

std::string recordImage(std::string_view bytes)
{
    const std::size_t length = std::min<std::size_t>(bytes.size(), maxRecordTextLength);
    std::string image(recordLength, '\0');
    image[0] = char(length & 0xFF);
    image[1] = char(length >> 8);
    image.replace(2, length, bytes.substr(0, length));
    return image;
}

RecordString recordString(std::string_view image, int record)
{
    if (record < 1)
        return {{}, RecordFault::Missing};
    const std::uint64_t start = recordStart(record);
    if (start + 2 > image.size())
        return {{}, RecordFault::Missing};
    const auto lowByte = static_cast<unsigned char>(image[start]);
    const auto highByte = static_cast<unsigned char>(image[start + 1]);
    const std::uint64_t length = lowByte | (unsigned(highByte) << 8);
    if (length > maxRecordTextLength)
        return {{}, RecordFault::TooLong};
    if (start + 2 + length > image.size())
        return {{}, RecordFault::CutShort};
    return {std::string(image.substr(start + 2, length)), std::nullopt};
}

bool writeRecordsBytes(const std::filesystem::path& path, int firstRecord, const std::vector<std::string>& strings)
{
    if (firstRecord < 1)
        return false;
    {
        // Creates the file without truncating one that is there.
        std::ofstream create(path, std::ios::binary | std::ios::app);
        if (!create)
            return false;
    }
    const auto size = sizeOf(path);
    if (!size)
        return false;
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!file)
        return false;

    const std::uint64_t start = recordStart(firstRecord);
    if (*size < start) {
        file.seekp(std::streamoff(*size));
        const std::string zeros(recordLength, '\0');
        for (std::uint64_t missing = start - *size; missing > 0 && file;) {
            const auto chunk = std::min<std::uint64_t>(missing, recordLength);
            file.write(zeros.data(), std::streamsize(chunk));
            missing -= chunk;
        }
    }
    file.seekp(std::streamoff(start));
    for (const std::string& bytes : strings)
        file.write(recordImage(bytes).data(), recordLength);
    file.flush();
    return bool(file);
}

bool writeRecordBytes(const std::filesystem::path& path, int record, std::string_view bytes)
{
    return writeRecordsBytes(path, record, {std::string(bytes)});
}

std::optional<std::string> readRecordBytes(const std::filesystem::path& path, int record)
{
    const auto size = sizeOf(path);
    std::ifstream file(path, std::ios::binary);
    if (!size || !file)
        return std::nullopt;
    return readFrom(file, *size, record);
}

std::optional<std::vector<std::string>> readRecordsBytes(const std::filesystem::path& path, int count)
{
    const auto size = sizeOf(path);
    std::ifstream file(path, std::ios::binary);
    if (!size || !file)
        return std::nullopt;
    std::vector<std::string> strings;
    for (int record = 1; record <= count; ++record) {
        auto bytes = readFrom(file, *size, record);
        if (!bytes)
            return std::nullopt;
        strings.push_back(std::move(*bytes));
    }
    return strings;
}

bool writeRecord(const QString& path, int record, const QString& text)
{
    return writeRecordBytes(toPath(path), record, toCp1252(text));
}

bool writeRecords(const QString& path, int firstRecord, const std::vector<QString>& texts)
{
    return writeRecordsBytes(toPath(path), firstRecord, encodeAll(texts));
}

std::optional<QString> readRecord(const QString& path, int record)
{
    const auto bytes = readRecordBytes(toPath(path), record);
    if (!bytes)
        return std::nullopt;
    return fromCp1252(*bytes);
}

std::optional<std::vector<QString>> readAllRecords(const QString& path, int count)
{
    const auto strings = readRecordsBytes(toPath(path), count);
    if (!strings)
        return std::nullopt;
    std::vector<QString> texts;
    texts.reserve(strings->size());
    for (const std::string& bytes : *strings)
        texts.push_back(fromCp1252(bytes));
    return texts;
}

} // namespace config
