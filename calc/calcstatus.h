#pragma once
// What a calculation gives: a number, nothing (a blank line) or one of the
// four faults the calculator tells the pupil about.

enum class CalcStatus {
    Value,
    Blank,
    Parentheses, // unbalanced, empty, or a function without its parentheses
    Operators, // two operators in a row, an operator without its operand
    Impossible, // outside a function's domain, division by zero, unknown name
    Overflow, // a result beyond the range of a double
};

struct Evaluation {
    CalcStatus status = CalcStatus::Blank;
    double value = 0.0;

    bool hasValue() const { return status == CalcStatus::Value; }
};

// Thrown by the arithmetic called from inside muparser to stop a calculation.
struct CalcFailure {
    CalcStatus status;
};
