#pragma once
// The calculator's evaluator: reads a typed line (notation.h), lets muparser
// compute it with our arithmetic (calcfunctions.h) and names what went wrong.
// No widgets here: the window only shows what this returns.

#include "calc/calcfunctions.h"
#include "calc/calcstatus.h"

#include <QString>
#include <memory>

class Evaluator {
public:
    Evaluator();
    ~Evaluator();
    Evaluator(const Evaluator&) = delete;
    Evaluator& operator=(const Evaluator&) = delete;

    // Never throws; the last result "Ans" is left as it was.
    Evaluation evaluate(const QString& typed);

    AngleUnit angleUnit() const;
    void setAngleUnit(AngleUnit unit);

    double ans() const;
    void setAns(double value);

private:
    struct Engine;
    std::unique_ptr<Engine> m_engine;
};
