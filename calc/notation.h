#pragma once
// Turns what the pupil types ("2,5µ×sin(30)", "√2", "3k÷1,5E-3") into the plain
// notation muparser reads ("2.5e-06*sin(30)", "sqrt(2)", "3000/0.0015"), and
// catches every typing fault on the way, so that each gets its own message and
// muparser only ever sees well-formed expressions.

#include "calc/calcstatus.h"

#include <QString>
#include <string>

// Longer lines and deeper nesting are refused before anything else is done,
// which bounds the time and memory of a calculation.
inline constexpr int maxTypedLength = 1000;
inline constexpr int maxNesting = 100;

struct Notation {
    CalcStatus status = CalcStatus::Value; // Value when text can be evaluated
    std::string text;
};

Notation readNotation(const QString& typed);

// The line with every parenthesis still open at its end closed, as "=" reads
// it ("√(16" is "√(16)"); unchanged when a ")" has no "(" before it.
QString closeParentheses(const QString& typed);

// Whether a sign needs what stands before it (an operator, ")", ";", the E of
// an exponent, an SI prefix) rather than beginning an operand.
bool followsOperand(QChar c);
