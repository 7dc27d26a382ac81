#pragma once
// The arithmetic and the functions of the calculator, as muparser calls them.
// Each one refuses what has no value (division by zero, a logarithm of a
// negative number) and what leaves the range of a double, by throwing
// CalcFailure, so that a fault is named where it happens.

#include "calc/calcstatus.h"

enum class AngleUnit { Degrees, Radians };

namespace calc {

double add(double a, double b);
double subtract(double a, double b);
double multiply(double a, double b);
double divide(double a, double b);
double power(double a, double b);

double sine(AngleUnit unit, double x);
double cosine(AngleUnit unit, double x);
double tangent(AngleUnit unit, double x);
double arcSine(AngleUnit unit, double x);
double arcCosine(AngleUnit unit, double x);
double arcTangent(AngleUnit unit, double x);

double hyperbolicSine(double x);
double hyperbolicCosine(double x);
double hyperbolicTangent(double x);
double exponential(double x);
double naturalLog(double x);
double decimalLog(double x);
double squareRoot(double x);
double absolute(double x);
// Rounds half away from zero, to an integer or to a number of decimals
// between -15 and 15.
double roundTo(double x, double decimals = 0);

} // namespace calc
