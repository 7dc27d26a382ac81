#include "calc/resultformat.h"

#include <array>
#include <charconv>

QString formatResult(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    // to_chars ignores the C locale, which Qt sets from the environment.
    std::array<char, 40> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 10);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    text.replace(u'.', u',');
    text.replace(u'e', u'E');
    return text;
}
