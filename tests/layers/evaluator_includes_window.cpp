// Compiled with the include folders of tavrel_evaluator alone: calc/ holds
// the evaluator and the calculator window, and the evaluator sees only its
// own part of it.
#include "calc/calcstatus.h"
#include "calc/machine.h"
