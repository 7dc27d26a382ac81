#pragma once
// Colours as the configuration files store them: the number
// r + 256 g + 65 536 b. Older files may hold negative values, the system
// colours of their platform (0x80000000 + the index of a colour role).

#include <QColor>
#include <cstdint>

std::int32_t colourValue(QColor colour);
// The colour to draw for a stored value: the platform's colour of the role
// for a system colour, fallback for any other negative value.
QColor colourOfValue(std::int32_t value, QColor fallback);
