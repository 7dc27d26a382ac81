#include "graphs/graphkinds.h"

namespace graphs {

KindLabel kindLabel(GraphKind kind)
{
    switch (kind) {
    case KindX: return {QStringLiteral("x(t)"), {}, {}};
    case KindY: return {QStringLiteral("y(t)"), {}, {}};
    case KindVx: return {QStringLiteral("v"), QStringLiteral("x"), QStringLiteral("(t)")};
    case KindVy: return {QStringLiteral("v"), QStringLiteral("y"), QStringLiteral("(t)")};
    case KindV: return {QStringLiteral("v(t)"), {}, {}};
    case KindEc: return {QStringLiteral("E"), QStringLiteral("c"), QStringLiteral("(t)")};
    case KindEp: return {QStringLiteral("E"), QStringLiteral("p"), QStringLiteral("(t)")};
    case KindEm: return {QStringLiteral("E"), QStringLiteral("m"), QStringLiteral("(t)")};
    }
    return {};
}

QString kindText(GraphKind kind)
{
    const KindLabel label = kindLabel(kind);
    return label.base + label.subscript + label.rest;
}

// Blue, red and green of the 16-colour palette, in that order in each group.
QColor kindColour(GraphKind kind)
{
    switch (kind) {
    case KindX: case KindVx: case KindEc: return QColor(0, 0, 255);
    case KindY: case KindVy: case KindEp: return QColor(255, 0, 0);
    case KindV: case KindEm: return QColor(0, 128, 0);
    }
    return QColor(0, 0, 0);
}

GraphGroup kindGroup(GraphKind kind)
{
    if (kind <= KindY)
        return GroupPositions;
    if (kind <= KindV)
        return GroupVelocities;
    return GroupEnergies;
}

QString groupUnit(GraphGroup group)
{
    switch (group) {
    case GroupPositions: return QStringLiteral(" m");
    case GroupVelocities: return QStringLiteral(" m · s");
    case GroupEnergies: return QStringLiteral(" J");
    }
    return {};
}

} // namespace graphs
