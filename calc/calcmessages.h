#pragma once
// The texts the calculator shows in its result line.

#include "calc/calcstatus.h"

#include <QString>

// The message of a fault; empty for a value or a blank line.
QString calcMessage(CalcStatus status);

// Shown while a slow calculation runs.
QString patienceNotice();
