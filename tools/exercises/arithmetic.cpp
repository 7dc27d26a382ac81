#include "tools/exercises/arithmetic.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cmath>
#include <optional>

namespace content {

namespace {

bool isMinus(QChar c) { return c == u'-' || c == QChar(0x2212); }
bool isProduct(QChar c) { return c == u'×' || c == u'·' || c == u'/'; }
// The narrow no-break space, the thin space and the no-break space group a number's digits.
bool isGroupSpace(QChar c) { return c == QChar(0x202F) || c == QChar(0x2009) || c == QChar(0x00A0); }
// What a written-out calculation is made of, on one line.
bool inCalculation(QChar c)
{
    return c.isDigit() || (c.isSpace() && c != u'\n') || isMinus(c) || isProduct(c)
        || QStringView(u",+()²½√^").contains(c);
}
// Where a calculation may begin, so that a sign there is a sign and not a subtraction.
bool isBoundary(QChar c) { return QStringView(u"=≈:;\n").contains(c); }

// A number as it is printed: its value and one unit of its last digit.
struct Printed {
    double value;
    double unit;
};

// Reads an expression written with the decimal comma, × · / + −, ², ½, √
// and "^(…)".
class Reader {
public:
    explicit Reader(QStringView text)
        : m_text(text)
    {
    }

    // The value of the whole text, or nothing when it is not one expression.
    std::optional<double> expression()
    {
        const std::optional<double> value = sum();
        skipSpaces();
        return m_at == m_text.size() ? value : std::nullopt;
    }

    // A result standing alone: a signed number, perhaps times a power of ten,
    // that no operator continues.
    std::optional<Printed> result()
    {
        skipSpaces();
        const bool negative = m_at < m_text.size() && isMinus(m_text[m_at]);
        if (negative)
            ++m_at;
        std::optional<Printed> printed = number();
        if (!printed)
            return std::nullopt;
        const qsizetype afterNumber = m_at;
        if (const std::optional<int> exponent = powerOfTen()) {
            printed->value *= std::pow(10.0, *exponent);
            printed->unit *= std::pow(10.0, *exponent);
        } else {
            m_at = afterNumber;
        }
        skipSpaces();
        if (m_at < m_text.size() && (isProduct(m_text[m_at]) || QStringView(u"+²^√").contains(m_text[m_at])))
            return std::nullopt;
        if (negative)
            printed->value = -printed->value;
        return printed;
    }

private:
    bool at(QChar c) const { return m_at < m_text.size() && m_text[m_at] == c; }
    bool eat(QChar c)
    {
        if (!at(c))
            return false;
        ++m_at;
        return true;
    }
    void skipSpaces()
    {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }
    bool digitAt(qsizetype i) const { return i < m_text.size() && m_text[i].isDigit(); }

    std::optional<Printed> number()
    {
        skipSpaces();
        if (!digitAt(m_at))
            return std::nullopt;
        QString digits;
        while (digitAt(m_at)) {
            digits += m_text[m_at++];
            if (m_at < m_text.size() && isGroupSpace(m_text[m_at]) && digitAt(m_at + 1) && digitAt(m_at + 2)
                && digitAt(m_at + 3) && !digitAt(m_at + 4))
                ++m_at;
        }
        int decimals = 0;
        if (at(u',') && digitAt(m_at + 1)) {
            digits += u'.';
            ++m_at;
            for (; digitAt(m_at); ++decimals)
                digits += m_text[m_at++];
        }
        return Printed{digits.toDouble(), std::pow(10.0, -decimals)};
    }

    // "× 10^(k)" after a number.
    std::optional<int> powerOfTen()
    {
        skipSpaces();
        if (!eat(u'×'))
            return std::nullopt;
        skipSpaces();
        if (!m_text.sliced(m_at).startsWith(u"10^("))
            return std::nullopt;
        m_at += 4;
        const bool negative = m_at < m_text.size() && isMinus(m_text[m_at]);
        if (negative)
            ++m_at;
        const std::optional<Printed> exponent = number();
        if (!exponent || !eat(u')'))
            return std::nullopt;
        return negative ? -int(exponent->value) : int(exponent->value);
    }

    std::optional<double> sum()
    {
        std::optional<double> value = product();
        for (skipSpaces(); value && m_at < m_text.size(); skipSpaces()) {
            const QChar op = m_text[m_at];
            if (op != u'+' && !isMinus(op))
                break;
            ++m_at;
            const std::optional<double> right = product();
            value = right ? std::optional(op == u'+' ? *value + *right : *value - *right) : std::nullopt;
        }
        return value;
    }

    std::optional<double> product()
    {
        std::optional<double> value = signedFactor();
        for (skipSpaces(); value && m_at < m_text.size() && isProduct(m_text[m_at]); skipSpaces()) {
            const QChar op = m_text[m_at++];
            const std::optional<double> right = signedFactor();
            if (!right || (op == u'/' && *right == 0))
                return std::nullopt;
            value = op == u'/' ? *value / *right : *value * *right;
        }
        return value;
    }

    std::optional<double> signedFactor()
    {
        skipSpaces();
        if (m_at < m_text.size() && isMinus(m_text[m_at])) {
            ++m_at;
            const std::optional<double> value = signedFactor();
            return value ? std::optional(-*value) : std::nullopt;
        }
        return power();
    }

    std::optional<double> power()
    {
        std::optional<double> value = primary();
        while (value) {
            if (eat(u'²')) {
                value = *value * *value;
            } else if (eat(u'^')) {
                if (!eat(u'('))
                    return std::nullopt;
                const std::optional<double> exponent = sum();
                if (!exponent || !eat(u')'))
                    return std::nullopt;
                value = std::pow(*value, *exponent);
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> primary()
    {
        skipSpaces();
        if (eat(u'(')) {
            const std::optional<double> value = sum();
            skipSpaces();
            return value && eat(u')') ? value : std::nullopt;
        }
        if (eat(u'½'))
            return 0.5;
        if (eat(u'√')) {
            const std::optional<double> value = power();
            return value && *value >= 0 ? std::optional(std::sqrt(*value)) : std::nullopt;
        }
        const std::optional<Printed> printed = number();
        return printed ? std::optional(printed->value) : std::nullopt;
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// Written operations, beyond a sign in front.
bool hasOperation(QStringView written)
{
    if (!written.isEmpty() && isMinus(written.front()))
        written = written.sliced(1);
    for (const QChar c : written)
        if (isMinus(c) || isProduct(c) || QStringView(u"+²½√^").contains(c))
            return true;
    return false;
}

} // namespace

CalculationCheck checkCalculations(const QString& text)
{
    CalculationCheck check;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar sign = text[i];
        if (sign != u'=' && sign != u'≈')
            continue;
        Reader right(QStringView(text).sliced(i + 1));
        const std::optional<Printed> result = right.result();
        if (!result)
            continue;
        qsizetype start = i;
        while (start > 0 && inCalculation(text[start - 1]))
            --start;
        const QString raw = text.mid(start, i - start);
        // Glued to a letter, the digits belong to a symbol: "h1 / h0 = 0,49".
        if (raw.isEmpty() || (start > 0 && !raw.front().isSpace() && !isBoundary(text[start - 1])))
            continue;
        QString written = raw.trimmed();
        // A bracket opened before the calculation: "(1 − 0,49 = 0,51)".
        while (written.count(u'(') > written.count(u')'))
            written = written.mid(written.indexOf(u'(') + 1).trimmed();
        if (written.isEmpty() || !hasOperation(written))
            continue;
        // The end of a literal expression, "… x² + x + 1,00 = 0", is not a calculation.
        const bool afterSymbol = start > 0 && !isBoundary(text[start - 1]);
        if (isProduct(written.front()) || written.front() == u'²'
            || (afterSymbol && (written.front() == u'+' || isMinus(written.front()))))
            continue;
        ++check.checked;
        const std::optional<double> value = Reader(written).expression();
        const QString stated = text.mid(i + 1, 12).section(u'\n', 0, 0).trimmed();
        if (!value) {
            check.wrong << QStringLiteral("cannot read \"%1\"").arg(written);
            continue;
        }
        const double tolerance = (sign == u'≈' ? 1.0 : 0.5) * result->unit + 1e-9 * std::max(1.0, std::fabs(*value));
        if (std::fabs(*value - result->value) > tolerance)
            check.wrong << QStringLiteral("\"%1 %2 %3…\": the printed operands give %4")
                               .arg(written, QString(sign), stated, QString::number(*value, 'g', 8));
    }
    return check;
}

QString withExponents(const QTextDocument& document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (piece.charFormat().verticalAlignment() == QTextCharFormat::AlignSuperScript)
                text += QStringLiteral("^(") + piece.text() + u')';
            else
                text += piece.text();
        }
        text += u'\n';
    }
    return text;
}

} // namespace content
