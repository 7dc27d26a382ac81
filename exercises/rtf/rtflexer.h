#pragma once
// Cuts RTF bytes into tokens: braces, control words with their parameter,
// control symbols, \'hh bytes, plain text runs and \bin data. It never reads
// past its input, keeps control words and parameters within the limits, and
// takes one pass over the bytes.

#include <QByteArrayView>
#include <cstdint>

namespace rtf {

struct Token {
    enum class Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text, Binary };
    Kind kind = Kind::End;
    // The control word's letters (empty for a word longer than the limit),
    // a text run, or \bin data.
    QByteArrayView data;
    bool hasParameter = false;
    std::int32_t parameter = 0;
    // The character of a control symbol, or the byte of \'hh.
    unsigned char symbol = 0;
};

class Lexer {
public:
    explicit Lexer(QByteArrayView input) : m_input(input) {}
    Token next();
    bool atEnd() const { return m_position >= m_input.size(); }

private:
    Token controlWord();
    // False for a broken escape, which is dropped.
    bool hexByte(Token& token);
    Token text();
    int hexDigit(qsizetype at) const;

    QByteArrayView m_input;
    qsizetype m_position = 0;
    // Bytes of data announced by the last \bin, returned as the next token.
    std::int64_t m_pendingBinary = 0;
};

} // namespace rtf
