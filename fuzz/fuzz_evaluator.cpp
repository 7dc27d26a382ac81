// The calculator's evaluator: whatever is typed, it gives a finite number or
// one of its messages, the same each time, and leaves "Ans" alone. The first
// byte chooses the angle unit; the rest is the line, in UTF-8.

#include "calc/evaluator.h"
#include "calc/notation.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static Evaluator evaluator;
    evaluator.setAngleUnit(data[0] & 1 ? AngleUnit::Radians : AngleUnit::Degrees);
    const double ans = (data[0] & 2) ? 2.5 : -1e300;
    evaluator.setAns(ans);
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));

    const Evaluation first = evaluator.evaluate(typed);
    switch (first.status) {
    case CalcStatus::Value:
        FUZZ_REQUIRE(std::isfinite(first.value));
        break;
    case CalcStatus::Blank:
    case CalcStatus::Parentheses:
    case CalcStatus::Operators:
    case CalcStatus::Impossible:
    case CalcStatus::Overflow:
        FUZZ_REQUIRE(first.value == 0.0);
        break;
    default:
        FUZZ_REQUIRE(!"a status the window has no message for");
    }
    if (typed.size() > maxTypedLength)
        FUZZ_REQUIRE(!first.hasValue());
    FUZZ_REQUIRE(evaluator.ans() == ans);

    const Evaluation second = evaluator.evaluate(typed);
    FUZZ_REQUIRE(second.status == first.status);
    FUZZ_REQUIRE(second.value == first.value || (std::isnan(first.value) && std::isnan(second.value)));
    return 0;
}
