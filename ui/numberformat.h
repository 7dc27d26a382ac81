#pragma once
// Numbers as the interface shows and reads them: French decimal comma.

#include <QString>
#include <optional>

// Renders value with a display pattern such as "###0.00", "#######0.00" or
// "##0.00": at least one integer digit, as many decimals as the pattern has
// zeros after its point, the decimal comma, no grouping.
QString formatPattern(double value, const QString& pattern);

// The general number format: up to 7 significant digits for single values
// (15 for doubles), decimal comma, scientific notation such as "2E-06" for
// magnitudes below 1E-04 or from 1E+15 up, no trailing zeros.
QString formatGeneral(double value, bool singlePrecision = false);

// A number written with a leading space when it is zero or positive and a
// leading "-" otherwise (" 0", " 30", "-1", " 600").
QString formatSigned(long long value);

// Reads the longest leading number of text, with "." as the decimal point,
// skipping blanks; 0 when there is none.
double Val(const QString& text);

// Reads text as a number the way the interface writes it: optional sign,
// digits with a decimal comma (a point is accepted too), surrounding blanks
// ignored. Nothing when the text is not a number.
std::optional<double> toNumber(const QString& text);
