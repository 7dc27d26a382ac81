#include "calc/calcfunctions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numbers>

namespace calc {
namespace {

// Angles beyond this size have lost every digit of their fraction of a turn.
constexpr double largestAngle = 1e10;

[[noreturn]] void impossible() { throw CalcFailure{CalcStatus::Impossible}; }

// Every result goes through here: NaN is a value outside the domain, an
// infinity born of finite operands is an overflow.
double checked(double result)
{
    if (std::isnan(result))
        impossible();
    if (std::isinf(result))
        throw CalcFailure{CalcStatus::Overflow};
    return result;
}

// A result smaller than the rounding error of its operands is that error, not
// a value: 0,1+0,2-0,3 is 0 and sin(π) is 0, as on a pocket calculator.
double withoutRoundingNoise(double result, double scale)
{
    return std::abs(result) <= 8 * DBL_EPSILON * std::abs(scale) ? 0.0 : result;
}

double fromRadians(AngleUnit unit, double x) { return unit == AngleUnit::Degrees ? x * (180.0 / std::numbers::pi) : x; }

// The sine of an angle in degrees, exact where it is rational, so that
// sin(30) is 0,5 and cos(90) is 0 without any rounding.
double sineOfDegrees(double x)
{
    double turn = std::fmod(x, 360.0);
    if (turn < 0)
        turn += 360.0;
    if (turn == 0.0 || turn == 180.0)
        return 0.0;
    if (turn == 90.0)
        return 1.0;
    if (turn == 270.0)
        return -1.0;
    if (turn == 30.0 || turn == 150.0)
        return 0.5;
    if (turn == 210.0 || turn == 330.0)
        return -0.5;
    return std::sin(turn * (std::numbers::pi / 180.0));
}

double checkedAngle(double x)
{
    if (!(std::abs(x) < largestAngle))
        impossible();
    return x;
}

} // namespace

double add(double a, double b) { return checked(withoutRoundingNoise(a + b, std::max(std::abs(a), std::abs(b)))); }

double subtract(double a, double b) { return checked(withoutRoundingNoise(a - b, std::max(std::abs(a), std::abs(b)))); }

double multiply(double a, double b) { return checked(a * b); }

double divide(double a, double b)
{
    if (b == 0.0)
        impossible();
    return checked(a / b);
}

// 0^0 has no value and 0 to a negative power divides by zero; a negative
// number has only integer powers.
double power(double a, double b)
{
    if (a == 0.0 && b <= 0.0)
        impossible();
    return checked(std::pow(a, b));
}

double sine(AngleUnit unit, double x)
{
    checkedAngle(x);
    if (unit == AngleUnit::Degrees)
        return sineOfDegrees(x);
    return withoutRoundingNoise(std::sin(x), x);
}

double cosine(AngleUnit unit, double x)
{
    checkedAngle(x);
    if (unit == AngleUnit::Degrees)
        return sineOfDegrees(std::fmod(x, 360.0) + 90.0);
    return withoutRoundingNoise(std::cos(x), x);
}

double tangent(AngleUnit unit, double x)
{
    const double cos = cosine(unit, x);
    if (cos == 0.0)
        impossible();
    if (unit == AngleUnit::Degrees) {
        double halfTurn = std::fmod(x, 180.0);
        if (halfTurn < 0)
            halfTurn += 180.0;
        if (halfTurn == 45.0)
            return 1.0;
        if (halfTurn == 135.0)
            return -1.0;
    }
    return checked(sine(unit, x) / cos);
}

double arcSine(AngleUnit unit, double x)
{
    if (std::abs(x) > 1.0)
        impossible();
    return fromRadians(unit, std::asin(x));
}

double arcCosine(AngleUnit unit, double x)
{
    if (std::abs(x) > 1.0)
        impossible();
    return fromRadians(unit, std::acos(x));
}

double arcTangent(AngleUnit unit, double x) { return fromRadians(unit, std::atan(x)); }

double hyperbolicSine(double x) { return checked(std::sinh(x)); }

double hyperbolicCosine(double x) { return checked(std::cosh(x)); }

double hyperbolicTangent(double x) { return checked(std::tanh(x)); }

double exponential(double x) { return checked(std::exp(x)); }

double naturalLog(double x)
{
    if (x <= 0.0)
        impossible();
    return checked(std::log(x));
}

double decimalLog(double x)
{
    if (x <= 0.0)
        impossible();
    return checked(std::log10(x));
}

double squareRoot(double x)
{
    if (x < 0.0)
        impossible();
    return std::sqrt(x);
}

double absolute(double x) { return std::abs(x); }

double roundTo(double x, double decimals)
{
    if (decimals != std::trunc(decimals) || std::abs(decimals) > 15)
        impossible();
    const double scale = std::pow(10.0, std::abs(decimals));
    const double scaled = decimals >= 0 ? x * scale : x / scale;
    if (std::isinf(scaled))
        return x;
    // 2,675 is stored a little below itself; the nudge of a few units of its
    // last place makes it round up, as the pupil wrote it.
    const double rounded = std::round(scaled * (1 + 4 * DBL_EPSILON));
    return checked(decimals >= 0 ? rounded / scale : rounded * scale);
}

} // namespace calc
