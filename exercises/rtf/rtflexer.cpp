#include "exercises/rtf/rtflexer.h"

#include "exercises/rtf/rtflimits.h"

#include <algorithm>
#include <limits>

namespace rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

Token brace(Token::Kind kind)
{
    Token token;
    token.kind = kind;
    return token;
}

} // namespace

Token Lexer::next()
{
    if (m_pendingBinary > 0) {
        const qsizetype length = qsizetype(std::min<std::int64_t>(m_pendingBinary, m_input.size() - m_position));
        m_pendingBinary = 0;
        Token token;
        token.kind = Token::Kind::Binary;
        token.data = m_input.sliced(m_position, length);
        m_position += length;
        return token;
    }
    while (m_position < m_input.size()) {
        const char c = m_input[m_position];
        switch (c) {
        case '{':
            ++m_position;
            return brace(Token::Kind::GroupOpen);
        case '}':
            ++m_position;
            return brace(Token::Kind::GroupClose);
        case '\\':
            if (m_position + 1 >= m_input.size()) {
                m_position = m_input.size();
                return {};
            }
            if (isLetter(m_input[m_position + 1]))
                return controlWord();
            if (m_input[m_position + 1] == '\'') {
                if (Token token; hexByte(token))
                    return token;
                continue;
            }
            {
                Token token;
                token.kind = Token::Kind::ControlSymbol;
                token.symbol = static_cast<unsigned char>(m_input[m_position + 1]);
                m_position += 2;
                return token;
            }
        case '\r':
        case '\n':
        case '\0':
            // Line ends are the writer's layout, not text.
            ++m_position;
            continue;
        default:
            return text();
        }
    }
    return {};
}

Token Lexer::controlWord()
{
    Token token;
    token.kind = Token::Kind::ControlWord;
    const qsizetype start = ++m_position;
    while (m_position < m_input.size() && isLetter(m_input[m_position]))
        ++m_position;
    const qsizetype length = m_position - start;
    if (length <= limits::controlWordLength)
        token.data = m_input.sliced(start, length);

    // A '-' is the parameter's sign only when a digit follows it.
    bool negative = false;
    if (m_position + 1 < m_input.size() && m_input[m_position] == '-' && isDigit(m_input[m_position + 1])) {
        negative = true;
        ++m_position;
    }
    if (m_position < m_input.size() && isDigit(m_input[m_position])) {
        token.hasParameter = true;
        std::int64_t value = 0;
        int digits = 0;
        while (m_position < m_input.size() && isDigit(m_input[m_position])) {
            if (digits < limits::parameterDigits)
                value = value * 10 + (m_input[m_position] - '0');
            ++digits;
            ++m_position;
        }
        if (digits > limits::parameterDigits)
            value = std::numeric_limits<std::int32_t>::max();
        value = std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max());
        token.parameter = std::int32_t(negative ? -value : value);
    }
    // One space ends the word and belongs to it.
    if (m_position < m_input.size() && m_input[m_position] == ' ')
        ++m_position;

    if (token.data == "bin" && token.hasParameter && token.parameter > 0)
        m_pendingBinary = std::min<std::int64_t>(token.parameter, limits::binaryBytes);
    return token;
}

int Lexer::hexDigit(qsizetype at) const
{
    if (at >= m_input.size())
        return -1;
    const char c = m_input[at];
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool Lexer::hexByte(Token& token)
{
    m_position += 2;
    const int high = hexDigit(m_position);
    const int low = high < 0 ? -1 : hexDigit(m_position + 1);
    if (high < 0 || low < 0) {
        // A broken \'h: drop the escape and the one hex digit it may have.
        if (high >= 0)
            ++m_position;
        return false;
    }
    m_position += 2;
    token.kind = Token::Kind::HexByte;
    token.symbol = static_cast<unsigned char>(high * 16 + low);
    return true;
}

Token Lexer::text()
{
    const qsizetype start = m_position;
    while (m_position < m_input.size()) {
        const char c = m_input[m_position];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n' || c == '\0')
            break;
        ++m_position;
    }
    Token token;
    token.kind = Token::Kind::Text;
    token.data = m_input.sliced(start, m_position - start);
    return token;
}

} // namespace rtf
