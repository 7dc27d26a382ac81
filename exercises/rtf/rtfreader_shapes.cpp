// Shapes, as Word writes a floating picture:
//   {\shp{\*\shpinst ... {\sp{\sn pib}{\sv {\pict ...}}} ...}{\shprslt ...}}
// The picture of the property "pib" is shown where the shape is anchored;
// the rest of the shape is skipped: its other properties, its text box and
// its result, which repeats the picture for readers that know no shapes.

#include "exercises/rtf/rtfinterpreter.h"
#include "exercises/rtf/rtflimits.h"

#include <algorithm>

namespace rtf {

bool Interpreter::shapeWord(QByteArrayView word)
{
    switch (state().destination) {
    case Destination::Shape:
        if (word == "shpinst")
            enterDestination(Destination::ShapeInstructions);
        else if (word == "shprslt")
            enterDestination(Destination::Skip);
        return true;
    case Destination::ShapeInstructions:
        if (word == "sp") {
            enterDestination(Destination::ShapeProperty);
            m_shapePropertyName.clear();
        } else if (word == "shp" || word == "shpgrp") {
            // A member of a group of shapes.
            enterDestination(Destination::Shape);
        } else if (word == "shptxt") {
            enterDestination(Destination::Skip);
        }
        return true;
    case Destination::ShapeProperty:
        if (word == "sn")
            enterDestination(Destination::ShapePropertyName);
        else if (word == "sv")
            enterDestination(Destination::ShapePropertyValue);
        return true;
    case Destination::ShapePropertyName:
        return true;
    case Destination::ShapePropertyValue:
        if (word == "pict" && m_shapePropertyName.trimmed() == "pib")
            startPicture(true);
        return true;
    default:
        return false;
    }
}

void Interpreter::shapePropertyNameText(QByteArrayView bytes)
{
    const qsizetype room = limits::shapePropertyNameLength - m_shapePropertyName.size();
    m_shapePropertyName.append(bytes.first(std::clamp<qsizetype>(room, 0, bytes.size())));
}

} // namespace rtf
