#include "calc/evaluator.h"

#include "calc/notation.h"

#include <muParser.h>

#include <cmath>
#include <numbers>

namespace {

double sineOf(void* unit, double x) { return calc::sine(*static_cast<AngleUnit*>(unit), x); }

double cosineOf(void* unit, double x) { return calc::cosine(*static_cast<AngleUnit*>(unit), x); }

double tangentOf(void* unit, double x) { return calc::tangent(*static_cast<AngleUnit*>(unit), x); }

double arcSineOf(void* unit, double x) { return calc::arcSine(*static_cast<AngleUnit*>(unit), x); }

double arcCosineOf(void* unit, double x) { return calc::arcCosine(*static_cast<AngleUnit*>(unit), x); }

double arcTangentOf(void* unit, double x) { return calc::arcTangent(*static_cast<AngleUnit*>(unit), x); }

// round(x) or round(x; decimals); the reader has already checked the count.
double roundOf(const double* arguments, int count)
{
    return calc::roundTo(arguments[0], count > 1 ? arguments[1] : 0.0);
}

} // namespace

struct Evaluator::Engine {
    mu::Parser parser;
    AngleUnit unit = AngleUnit::Degrees;
    double ans = 0.0;

    Engine()
    {
        // Only our own names and operators: nothing of muparser's comparisons,
        // logic or built-in functions can be reached.
        parser.ClearFun();
        parser.ClearConst();
        parser.ClearOprt();
        parser.EnableBuiltInOprt(false);
        parser.DefineOprt("+", calc::add, mu::prADD_SUB);
        parser.DefineOprt("-", calc::subtract, mu::prADD_SUB);
        parser.DefineOprt("*", calc::multiply, mu::prMUL_DIV);
        parser.DefineOprt("/", calc::divide, mu::prMUL_DIV);
        parser.DefineOprt("^", calc::power, mu::prPOW, mu::oaRIGHT);

        parser.DefineFunUserData("sin", sineOf, &unit);
        parser.DefineFunUserData("cos", cosineOf, &unit);
        parser.DefineFunUserData("tan", tangentOf, &unit);
        parser.DefineFunUserData("asin", arcSineOf, &unit);
        parser.DefineFunUserData("acos", arcCosineOf, &unit);
        parser.DefineFunUserData("atan", arcTangentOf, &unit);
        parser.DefineFun("sinh", calc::hyperbolicSine);
        parser.DefineFun("cosh", calc::hyperbolicCosine);
        parser.DefineFun("tanh", calc::hyperbolicTangent);
        parser.DefineFun("exp", calc::exponential);
        parser.DefineFun("ln", calc::naturalLog);
        parser.DefineFun("log", calc::decimalLog);
        parser.DefineFun("sqrt", calc::squareRoot);
        parser.DefineFun("abs", calc::absolute);
        parser.DefineFun("round", roundOf);

        parser.DefineConst("pi", std::numbers::pi);
        parser.DefineConst("e", std::numbers::e);
        parser.DefineVar("Ans", &ans);
    }
};

Evaluator::Evaluator()
    : m_engine(std::make_unique<Engine>())
{
}

Evaluator::~Evaluator() = default;

Evaluation Evaluator::evaluate(const QString& typed)
{
    const Notation notation = readNotation(typed);
    if (notation.status != CalcStatus::Value)
        return {notation.status, 0.0};
    try {
        m_engine->parser.SetExpr(notation.text);
        const double value = m_engine->parser.Eval();
        if (m_engine->parser.GetNumResults() != 1 || std::isnan(value))
            return {CalcStatus::Impossible, 0.0};
        if (std::isinf(value))
            return {CalcStatus::Overflow, 0.0};
        return {CalcStatus::Value, value == 0.0 ? 0.0 : value};
    } catch (const CalcFailure& failure) {
        return {failure.status, 0.0};
    } catch (const mu::ParserError&) {
        // The reader lets through only well-formed lines; whatever muparser
        // still refuses cannot be computed.
        return {CalcStatus::Impossible, 0.0};
    }
}

AngleUnit Evaluator::angleUnit() const { return m_engine->unit; }

void Evaluator::setAngleUnit(AngleUnit unit) { m_engine->unit = unit; }

double Evaluator::ans() const { return m_engine->ans; }

void Evaluator::setAns(double value) { m_engine->ans = value; }
