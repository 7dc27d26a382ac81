#pragma once
// Reading the window's read-outs in tests.

#include <QLabel>
#include <QRegularExpression>
#include <QString>

namespace testing {

// The ordinate printed in the coordinates read-out
// "Coordonnées : x = … m ; y = … m. ".
inline QString shownOrdinate(const QLabel* readout)
{
    static const QRegularExpression ordinate(QStringLiteral("; y = *(\\S+) m\\. $"));
    return ordinate.match(readout->text()).captured(1);
}

} // namespace testing
