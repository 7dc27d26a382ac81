#include "calc/notation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace {

struct FunctionName {
    const char* typed; // lower case, as the pupil may type it
    const char* parsed;
    int minArguments;
    int maxArguments;
};

constexpr std::array functions{
    FunctionName{"sin", "sin", 1, 1},     FunctionName{"cos", "cos", 1, 1},     FunctionName{"tan", "tan", 1, 1},
    FunctionName{"asin", "asin", 1, 1},   FunctionName{"acos", "acos", 1, 1},   FunctionName{"atan", "atan", 1, 1},
    FunctionName{"arcsin", "asin", 1, 1}, FunctionName{"arccos", "acos", 1, 1}, FunctionName{"arctan", "atan", 1, 1},
    FunctionName{"sinh", "sinh", 1, 1},   FunctionName{"cosh", "cosh", 1, 1},   FunctionName{"tanh", "tanh", 1, 1},
    FunctionName{"exp", "exp", 1, 1},     FunctionName{"ln", "ln", 1, 1},       FunctionName{"log", "log", 1, 1},
    FunctionName{"sqrt", "sqrt", 1, 1},   FunctionName{"abs", "abs", 1, 1},     FunctionName{"round", "round", 1, 2},
};

constexpr FunctionName squareRoot{"sqrt", "sqrt", 1, 1};

struct ConstantName {
    const char* typed;
    const char* parsed;
};

constexpr std::array constants{
    ConstantName{"pi", "pi"},
    ConstantName{"e", "e"},
    ConstantName{"ans", "Ans"},
};

// Powers of ten of the SI prefixes written after a number.
std::optional<int> prefixExponent(QChar c)
{
    switch (c.unicode()) {
    case 'p': return -12;
    case 'n': return -9;
    case 'u':
    case 0x00B5: // micro sign
    case 0x03BC: // Greek mu
        return -6;
    case 'm': return -3;
    case 'k': return 3;
    case 'M': return 6;
    case 'G': return 9;
    default: return std::nullopt;
    }
}

bool isLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isDecimalSeparator(QChar c) { return c == u',' || c == u'.'; }

bool isPi(QChar c) { return c == QChar(0x03C0); }

bool isRoot(QChar c) { return c == QChar(0x221A); }

bool isPlusOrMinus(QChar c) { return c == u'+' || c == u'-' || c == QChar(0x2212) || c == QChar(0x2013); }

std::optional<char> binaryOperator(QChar c)
{
    switch (c.unicode()) {
    case '*':
    case 0x00D7: // ×
    case 0x00B7: // ·
        return '*';
    case '/':
    case 0x00F7: // ÷
        return '/';
    case '^': return '^';
    default: return std::nullopt;
    }
}

struct ParenthesesCount {
    bool closedTooMany = false; // a ")" without its "(" somewhere
    qsizetype stillOpen = 0; // at the end of the line
    qsizetype deepest = 0;
};

ParenthesesCount countParentheses(const QString& typed)
{
    ParenthesesCount count;
    for (QChar c : typed) {
        if (c == u'(') {
            count.deepest = std::max(count.deepest, ++count.stillOpen);
        } else if (c == u')' && --count.stillOpen < 0) {
            count.closedTooMany = true;
            return count;
        }
    }
    return count;
}

CalcStatus checkParentheses(const QString& typed)
{
    const ParenthesesCount count = countParentheses(typed);
    if (count.closedTooMany || count.stillOpen != 0)
        return CalcStatus::Parentheses;
    return count.deepest > maxNesting ? CalcStatus::Impossible : CalcStatus::Value;
}

// One pass over the typed line. The reader either expects an operand (at the
// start, after an operator, an opening parenthesis or ";") or an operator
// (after a number, a constant, a closing parenthesis or a square).
class Reader {
public:
    explicit Reader(const QString& typed)
        : m_typed(typed)
    {
    }

    Notation read();

private:
    enum class Last { Nothing, Number, Constant, Close, Square, Open, Operator, Sign, Separator, Root };

    struct Group {
        std::optional<FunctionName> function;
        int arguments = 1;
        int rootsToClose = 0; // pending "√" closed after this group
    };

    QChar at(qsizetype i) const { return i < m_typed.size() ? m_typed[i] : QChar(); }
    qsizetype nextNonBlank(qsizetype i) const;
    bool expectsOperand() const;
    bool valueEnded() const;
    bool fail(CalcStatus status);

    bool readNumber();
    bool readName();
    bool readRoot();
    bool openGroup(std::optional<FunctionName> function);
    bool closeGroup();
    bool readSeparator();
    bool readPlusOrMinus();
    bool readBinaryOperator(char op);
    bool readSquare(char power);
    bool multiplyImplicitly(bool afterNumberAllowed = true);
    void endOperand();

    const QString& m_typed;
    qsizetype m_pos = 0;
    std::string m_out;
    Last m_last = Last::Nothing;
    std::vector<Group> m_groups;
    int m_pendingRoots = 0;
    CalcStatus m_status = CalcStatus::Value;
};

qsizetype Reader::nextNonBlank(qsizetype i) const
{
    while (i < m_typed.size() && m_typed[i].isSpace())
        ++i;
    return i;
}

bool Reader::expectsOperand() const
{
    switch (m_last) {
    case Last::Number:
    case Last::Constant:
    case Last::Close:
    case Last::Square: return false;
    default: return true;
    }
}

bool Reader::valueEnded() const { return !expectsOperand(); }

bool Reader::fail(CalcStatus status)
{
    m_status = status;
    return false;
}

// A value followed by "(", a function, a constant or "√" is multiplied by it,
// as "2π" or "3(1+2)" are written on paper. Directly after a number, a name
// starting with e or E is refused instead: it is an exponent being typed
// ("1,5E-3"), not a product with e.
bool Reader::multiplyImplicitly(bool afterNumberAllowed)
{
    if (m_last == Last::Number && !afterNumberAllowed)
        return fail(CalcStatus::Operators);
    m_out += '*';
    m_last = Last::Operator;
    return true;
}

// A number is complete: it, a constant or a closed group close the "√" waiting
// for their operand.
void Reader::endOperand()
{
    for (; m_pendingRoots > 0; --m_pendingRoots)
        m_out += ')';
}

Notation Reader::read()
{
    if (m_typed.size() > maxTypedLength)
        return {CalcStatus::Impossible, {}};
    if (CalcStatus parentheses = checkParentheses(m_typed); parentheses != CalcStatus::Value)
        return {parentheses, {}};

    while (m_pos < m_typed.size()) {
        const QChar c = m_typed[m_pos];
        bool ok = true;
        if (c.isSpace()) {
            ++m_pos;
            continue;
        }
        if (m_pendingRoots > 0
            && !(isDigit(c) || isDecimalSeparator(c) || isLetter(c) || isPi(c) || isRoot(c) || c == u'('))
            return {CalcStatus::Parentheses, {}};

        if (isDigit(c) || (isDecimalSeparator(c) && isDigit(at(m_pos + 1))))
            ok = readNumber();
        else if (isLetter(c) || isPi(c))
            ok = readName();
        else if (isRoot(c))
            ok = readRoot();
        else if (c == u'(')
            ok = (!valueEnded() || multiplyImplicitly()) && openGroup(std::nullopt);
        else if (c == u')')
            ok = closeGroup();
        else if (c == u';')
            ok = readSeparator();
        else if (isPlusOrMinus(c))
            ok = readPlusOrMinus();
        else if (auto op = binaryOperator(c))
            ok = readBinaryOperator(*op);
        else if (c == QChar(0x00B2))
            ok = readSquare('2');
        else if (c == QChar(0x00B3))
            ok = readSquare('3');
        else
            ok = fail(CalcStatus::Impossible);
        if (!ok)
            return {m_status, {}};
    }
    if (m_last == Last::Nothing)
        return {CalcStatus::Blank, {}};
    if (m_pendingRoots > 0)
        return {CalcStatus::Parentheses, {}};
    if (expectsOperand())
        return {CalcStatus::Operators, {}};
    return {CalcStatus::Value, std::move(m_out)};
}

// Digits with a decimal comma (or point), an optional exponent "E-3" and an
// optional SI prefix; written back exactly for muparser.
bool Reader::readNumber()
{
    if (valueEnded())
        return fail(CalcStatus::Operators);

    std::string digits;
    while (isDigit(at(m_pos)))
        digits += char(m_typed[m_pos++].unicode());
    if (isDecimalSeparator(at(m_pos))) {
        digits += '.';
        ++m_pos;
        while (isDigit(at(m_pos)))
            digits += char(m_typed[m_pos++].unicode());
    }
    if (digits == ".")
        return fail(CalcStatus::Impossible);

    long long exponent = 0;
    const QChar e = at(m_pos);
    if (e == u'E' || e == u'e') {
        qsizetype i = m_pos + 1;
        bool negative = false;
        if (isPlusOrMinus(at(i))) {
            negative = at(i) != u'+';
            ++i;
        }
        if (isDigit(at(i))) {
            for (; isDigit(at(i)); ++i)
                exponent = std::min(exponent * 10 + (m_typed[i].unicode() - '0'), 100000LL);
            if (negative)
                exponent = -exponent;
            m_pos = i;
        }
    }
    if (auto prefix = prefixExponent(at(m_pos)); prefix && !isLetter(at(m_pos + 1)) && !isPi(at(m_pos + 1))) {
        exponent += *prefix;
        ++m_pos;
    }

    // The exponent is applied by the conversion itself, so "2,5µ" is exactly
    // the double nearest to 2,5E-06.
    const std::string literal = digits + 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    if (error == std::errc::result_out_of_range)
        value = exponent < 0 ? 0.0 : HUGE_VAL;
    else if (error != std::errc() || end != literal.data() + literal.size())
        return fail(CalcStatus::Impossible);
    if (std::isinf(value))
        return fail(CalcStatus::Overflow);

    std::array<char, 32> written{};
    const auto result = std::to_chars(written.data(), written.data() + written.size(), value);
    m_out.append(written.data(), result.ptr);
    m_last = Last::Number;
    endOperand();
    return true;
}

bool Reader::readName()
{
    const bool rightAfterNumber = m_last == Last::Number && m_pos > 0 && !m_typed[m_pos - 1].isSpace();
    QString name;
    if (isPi(m_typed[m_pos])) {
        name = QStringLiteral("pi");
        ++m_pos;
    } else {
        while (isLetter(at(m_pos)))
            name += m_typed[m_pos++];
    }
    // "E" alone is the start of an exponent, never the constant e.
    const QString key = name == u"E" ? name : name.toLower();
    const std::string ascii = key.toStdString();

    if (valueEnded() && !multiplyImplicitly(!(rightAfterNumber && (name.startsWith(u'e') || name.startsWith(u'E')))))
        return false;

    for (const ConstantName& constant : constants) {
        if (ascii == constant.typed) {
            m_out += constant.parsed;
            m_last = Last::Constant;
            endOperand();
            return true;
        }
    }
    for (const FunctionName& function : functions) {
        if (ascii == function.typed) {
            if (m_pendingRoots > 0)
                return fail(CalcStatus::Parentheses);
            const qsizetype open = nextNonBlank(m_pos);
            if (at(open) != u'(')
                return fail(CalcStatus::Parentheses);
            m_pos = open;
            return openGroup(function);
        }
    }
    return fail(CalcStatus::Impossible);
}

// "√(x)" is a call; "√2" or "√π" take the one operand that follows.
bool Reader::readRoot()
{
    if (valueEnded() && !multiplyImplicitly())
        return false;
    const qsizetype next = nextNonBlank(m_pos + 1);
    if (at(next) == u'(') {
        m_pos = next;
        return openGroup(squareRoot);
    }
    ++m_pos;
    m_out += "sqrt(";
    ++m_pendingRoots;
    m_last = Last::Root;
    return true;
}

bool Reader::openGroup(std::optional<FunctionName> function)
{
    if (function)
        m_out += function->parsed;
    m_out += '(';
    ++m_pos;
    m_groups.push_back({function, 1, m_pendingRoots});
    m_pendingRoots = 0;
    m_last = Last::Open;
    return true;
}

bool Reader::closeGroup()
{
    if (m_last == Last::Open)
        return fail(CalcStatus::Parentheses);
    if (expectsOperand())
        return fail(CalcStatus::Operators);
    const Group group = m_groups.back();
    m_groups.pop_back();
    if (group.function
        && (group.arguments < group.function->minArguments || group.arguments > group.function->maxArguments))
        return fail(CalcStatus::Impossible);
    m_out += ')';
    ++m_pos;
    m_last = Last::Close;
    m_pendingRoots = group.rootsToClose;
    endOperand();
    return true;
}

// ";" separates the arguments of a function, and nothing else.
bool Reader::readSeparator()
{
    if (expectsOperand())
        return fail(CalcStatus::Operators);
    if (m_groups.empty() || !m_groups.back().function)
        return fail(CalcStatus::Impossible);
    ++m_groups.back().arguments;
    m_out += ',';
    ++m_pos;
    m_last = Last::Separator;
    return true;
}

// A sign where an operand is expected, a binary operator otherwise; one sign
// only ("2*-3" but not "--3").
bool Reader::readPlusOrMinus()
{
    const char op = m_typed[m_pos] == u'+' ? '+' : '-';
    ++m_pos;
    if (expectsOperand()) {
        if (m_last == Last::Sign)
            return fail(CalcStatus::Operators);
        m_last = Last::Sign;
    } else {
        m_last = Last::Operator;
    }
    m_out += op;
    return true;
}

bool Reader::readBinaryOperator(char op)
{
    if (expectsOperand())
        return fail(CalcStatus::Operators);
    m_out += op;
    ++m_pos;
    m_last = Last::Operator;
    return true;
}

bool Reader::readSquare(char power)
{
    if (expectsOperand())
        return fail(CalcStatus::Operators);
    m_out += '^';
    m_out += power;
    ++m_pos;
    m_last = Last::Square;
    return true;
}

} // namespace

Notation readNotation(const QString& typed) { return Reader(typed).read(); }

QString closeParentheses(const QString& typed)
{
    const ParenthesesCount count = countParentheses(typed);
    if (count.closedTooMany || count.stillOpen == 0)
        return typed;
    return typed + QString(count.stillOpen, u')');
}

bool followsOperand(QChar c)
{
    return isPlusOrMinus(c) || binaryOperator(c) || c == u')' || c == u';' || c == QChar(0x00B2) || c == QChar(0x00B3)
        || c == u'E' || prefixExponent(c);
}
