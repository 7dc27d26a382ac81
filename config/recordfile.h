#pragma once
// The program's record files (the marker file, configurations, exercises):
// fixed 128-byte records, record n (from 1) at byte (n - 1) * 128, each
// holding one string as a 2-byte little-endian length followed by that many
// bytes of Windows-1252 text. The bytes after the string are filler.

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace config {

inline constexpr int recordLength = 128;
// The length field and the text must fit the record.
inline constexpr int maxRecordTextLength = recordLength - 2;

// Characters outside the code page become '?'. The five bytes the code page
// leaves undefined map to the control characters of the same value, as
// Windows does, so that any byte string survives a round trip.
std::string toCp1252(const QString& text);
QString fromCp1252(std::string_view bytes);
// Whether every character of the text has its own byte in the code page, so
// that a writer can refuse a text rather than store '?' in its place.
bool fitsCp1252(const QString& text);

// Why a record cannot be read: its length field lies beyond the end of the
// bytes, the length exceeds the record, or the string runs past the end.
enum class RecordFault { Missing, TooLong, CutShort };

struct RecordString {
    std::string bytes;
    std::optional<RecordFault> fault;
};

// The 128 bytes of a record holding bytes: the length, the string (cut to
// 126 bytes), zeros.
std::string recordImage(std::string_view bytes);
// The string of a record in image, the first bytes of a file (a prefix long
// enough for the record serves); the last record may end after its string.
RecordString recordString(std::string_view image, int record);

// The byte level. Writing creates the file if needed, leaves the other
// records untouched, pads a short file with zero bytes up to the record,
// fills the record after the string with zeros and cuts a string longer than
// 126 bytes; false when the file cannot be written. Reading gives nothing
// when the file is missing or unreadable, the record lies beyond its end, or
// the length field exceeds the record or the bytes the file still holds; the
// last record may end right after its string.
bool writeRecordBytes(const std::filesystem::path& path, int record, std::string_view bytes);
// Records firstRecord, firstRecord + 1, ... in one go.
bool writeRecordsBytes(const std::filesystem::path& path, int firstRecord, const std::vector<std::string>& strings);
std::optional<std::string> readRecordBytes(const std::filesystem::path& path, int record);
// Records 1 to count; nothing if any of them is unreadable.
std::optional<std::vector<std::string>> readRecordsBytes(const std::filesystem::path& path, int count);

// The same with texts converted to and from Windows-1252.
bool writeRecord(const QString& path, int record, const QString& text);
bool writeRecords(const QString& path, int firstRecord, const std::vector<QString>& texts);
std::optional<QString> readRecord(const QString& path, int record);
std::optional<std::vector<QString>> readAllRecords(const QString& path, int count);

} // namespace config
