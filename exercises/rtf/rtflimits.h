#pragma once
// Bounds that keep a hostile or broken RTF file from costing unbounded time
// or memory. Real documents stay far below every one of them.

#include <cstdint>

namespace rtf::limits {

// Groups nested deeper than this are skipped whole.
inline constexpr int groupDepth = 200;
// Letters of a control word kept; a longer word is read to its end and ignored.
inline constexpr int controlWordLength = 32;
// Digits of a parameter that count; the value saturates at the 32-bit range.
inline constexpr int parameterDigits = 10;
// Bytes of one \bin run or of one picture's data.
inline constexpr std::int64_t binaryBytes = 32 * 1024 * 1024;
inline constexpr int fonts = 1024;
inline constexpr int colours = 1024;
inline constexpr int fontNameLength = 256;
// Characters a \uN may hide behind it (\ucN).
inline constexpr int unicodeSkip = 16;
// Table shape: more columns are folded into the last one, more rows start a
// new table, so inserting a row never grows with the number already there.
inline constexpr int tableColumns = 64;
inline constexpr int tableRows = 500;
// Pictures: decoded pixels and the size shown in the text.
inline constexpr std::int64_t picturePixels = 25'000'000;
inline constexpr int pictureShownSide = 4000;
inline constexpr int pictures = 1000;
// Pixels of all the pictures and frames of one document together: a short
// file cannot ask for many large ones.
inline constexpr std::int64_t documentPicturePixels = 100'000'000;
// Letters of a shape property's name kept: the names read are short.
inline constexpr int shapePropertyNameLength = 64;

} // namespace rtf::limits
