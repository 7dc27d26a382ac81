#pragma once
// How the calculator writes a result: up to 10 significant digits, the decimal
// comma, no trailing zeros, and "E" notation ("2,5E-06", "1,2E+15") below
// 1E-04 or from 1E+10 up.

#include <QString>

QString formatResult(double value);
