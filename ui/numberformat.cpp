#include "ui/numberformat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// The decimal digits of a finite value rounded to `significant` digits, with
// the power of ten of the first digit: value = d0.d1d2... x 10^exponent.
// std::to_chars ignores the C locale, which a French environment would
// otherwise turn into a comma here.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits decimalDigits(double magnitude, int significant)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significant - 1);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    Digits d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Adds one unit to a string of decimal digits.
void increment(std::string& number)
{
    for (auto i = number.size(); i-- > 0;) {
        if (number[i] != '9') {
            ++number[i];
            return;
        }
        number[i] = '0';
    }
    number.insert(number.begin(), '1');
}

} // namespace

QString formatPattern(double value, const QString& pattern)
{
    if (!std::isfinite(value))
        return QString::number(value);

    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPart = point < 0 ? QStringView(pattern) : QStringView(pattern).left(point);
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);
    const int minimumIntegerDigits = std::max<int>(1, int(integerPart.count(u'0')));

    // Rounding works on the 15 significant digits a double is shown with, half
    // away from zero, so that 2.675 shows as 2,68 as the user would expect.
    std::string units; // the value in units of 10^-decimals, as digits
    if (value != 0) {
        const Digits d = decimalDigits(std::fabs(value), 15);
        const int kept = d.exponent + decimals + 1; // digits at or above 10^-decimals
        if (kept >= 0) {
            units = d.digits.substr(0, std::size_t(std::min<int>(kept, int(d.digits.size()))));
            units.append(std::size_t(std::max<int>(0, kept - int(d.digits.size()))), '0');
            if (kept < int(d.digits.size()) && d.digits[std::size_t(kept)] >= '5')
                increment(units);
        }
    }
    const auto firstNonZero = units.find_first_not_of('0');
    const bool negative = value < 0 && firstNonZero != std::string::npos;
    units.erase(0, std::min(firstNonZero, units.size()));

    const std::size_t width = std::size_t(decimals + minimumIntegerDigits);
    if (units.size() < width)
        units.insert(0, width - units.size(), '0');

    QString text = negative ? QStringLiteral("-") : QString();
    text += QString::fromLatin1(units.data(), qsizetype(units.size() - std::size_t(decimals)));
    if (decimals > 0) {
        text += u',';
        text += QString::fromLatin1(units.data() + units.size() - std::size_t(decimals), decimals);
    }
    return text;
}

QString formatGeneral(double value, bool singlePrecision)
{
    const int significant = singlePrecision ? 7 : 15;
    if (singlePrecision)
        value = double(float(value));
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0");

    Digits d = decimalDigits(std::fabs(value), significant);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    const QString digits = QString::fromLatin1(d.digits);
    if (d.exponent < -4 || d.exponent >= significant) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += u',' + digits.mid(1);
        text += d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QStringLiteral("%1").arg(std::abs(d.exponent), 2, 10, QChar(u'0'));
    } else if (d.exponent < 0) {
        text += QStringLiteral("0,") + QString(-d.exponent - 1, u'0') + digits;
    } else if (digits.size() > d.exponent + 1) {
        text += digits.left(d.exponent + 1) + u',' + digits.mid(d.exponent + 1);
    } else {
        text += digits + QString(d.exponent + 1 - digits.size(), u'0');
    }
    return text;
}

QString formatSigned(long long value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : u' ' + digits;
}

double Val(const QString& text)
{
    // Blanks are dropped wherever they are ("1 615" reads 1615), then the
    // longest prefix of the form [sign] digits [. digits] [E|D [sign] digits]
    // is kept.
    std::string number;
    int integerDigits = 0;   // significant digits before the point
    int leadingZeros = 0;    // zeros between the point and the first digit
    bool seenPoint = false, seenDigit = false, seenNonZero = false;
    long exponent = 0;
    bool exponentNegative = false;

    qsizetype i = 0;
    auto skipBlanks = [&] { while (i < text.size() && isBlank(text[i])) ++i; };

    skipBlanks();
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    for (;; ++i) {
        skipBlanks();
        if (i >= text.size())
            break;
        const QChar c = text[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            number += char(c.unicode());
            seenDigit = true;
            if (c != u'0')
                seenNonZero = true;
            if (seenNonZero && !seenPoint)
                ++integerDigits;
            else if (!seenNonZero && seenPoint)
                ++leadingZeros;
        } else if (c == u'.' && !seenPoint) {
            number += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;

    if (i < text.size() && QStringLiteral("EeDd").contains(text[i])) {
        qsizetype j = i + 1;
        while (j < text.size() && isBlank(text[j])) ++j;
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+')) {
            exponentNegative = text[j] == u'-';
            ++j;
        }
        for (;; ++j) {
            while (j < text.size() && isBlank(text[j])) ++j;
            if (j >= text.size() || text[j].unicode() < '0' || text[j].unicode() > '9')
                break;
            // Beyond this any exponent overflows or underflows a double anyway.
            if (exponent < 100000)
                exponent = exponent * 10 + (text[j].unicode() - '0');
        }
        number += 'e';
        number += exponentNegative ? '-' : '+';
        number += std::to_string(exponent);
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // The decimal order of magnitude tells an overflow from an underflow.
        const long order = (seenPoint && integerDigits == 0 ? -leadingZeros : integerDigits)
                           + (exponentNegative ? -exponent : exponent);
        const bool negative = number.front() == '-';
        if (order > 0)
            return negative ? -HUGE_VAL : HUGE_VAL;
        return negative ? -0.0 : 0.0;
    }
    return value;
}

std::optional<double> toNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    std::string number;
    bool seenSeparator = false, seenDigit = false;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (i == 0 && (c == u'-' || c == u'+')) {
            if (c == u'-')
                number += '-';
        } else if (c.unicode() >= '0' && c.unicode() <= '9') {
            number += char(c.unicode());
            seenDigit = true;
        } else if ((c == u',' || c == u'.') && !seenSeparator) {
            number += '.';
            seenSeparator = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}
