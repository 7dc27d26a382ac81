#pragma once
// The quantities drawn against time and the one rule that picks the time and
// value scales of a graph, shared by the live graph and the graphs window.

#include <array>

namespace graphs {

// The eight curve kinds, in the order of their check boxes.
enum GraphKind { KindX = 0, KindY, KindVx, KindVy, KindV, KindEc, KindEp, KindEm };
inline constexpr int kindCount = 8;

// The situation as the graphs read it: the derived quantities of the throw,
// the initial position as typed in the fields, and the checked kinds.
struct GraphInputs {
    float initialVelocityX = 0;
    float initialVelocityY = 0;
    float gravityField = 9.8f;
    float projectileMass = 0.45f;
    double x0 = 0;
    double y0 = 0;
    std::array<bool, kindCount> checked{};
};

// The value of one kind at date t (s), in SI units, with the ground y = 0 as
// the reference level of the potential energy.
double graphQuantity(GraphKind kind, const GraphInputs& in, double t);

// The date at which y(t) comes back to 0. NaN when the square root has no
// real value (y0 too far below the ground).
double flightDuration(const GraphInputs& in);

// Full scale of an axis: mantissa * 10^exponent. The division step is 1, 2
// or 5 units of 10^exponent.
struct GraphScale {
    bool valid = false;
    double flightDuration = 0;
    bool graphHasNegative = false;
    int timeAxisMantissa = 0;
    int timeAxisExponent = 0;
    int valueAxisMantissa = 0; // doubled when graphHasNegative
    int valueAxisExponent = 0;
    int timeDivisionStep = 0;
    int valueDivisionStep = 0;
};

// Samples the checked kinds over the flight and chooses both scales. Not
// valid when the flight lasts 0 s, is not a finite number, or when no scale
// fits: the graph then stays blank.
GraphScale computeGraphScale(const GraphInputs& in);

// Whether any kind is checked.
bool anyChecked(const GraphInputs& in);

} // namespace graphs
