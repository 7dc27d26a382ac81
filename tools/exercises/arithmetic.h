#pragma once
// The calculations written out in a text, such as "9,80 × 1,43 = 14,0",
// "(−8,19 − 8,19) / 1,67 ≈ −9,81" or "√(2 × 9,80 × 10,00) = 14,0", each
// recomputed from its operands as they are printed. After "=" the result
// must be the exact value rounded to the printed digits; after "≈" its last
// digit may be one off, as rounded operands allow.

#include <QString>
#include <QStringList>

class QTextDocument;

namespace content {

struct CalculationCheck {
    int checked = 0;
    // Each calculation that does not give its printed result, or cannot be
    // read, with what its operands give.
    QStringList wrong;
};

// The text is plain, its exponents written "^(…)" as withExponents() writes them.
CalculationCheck checkCalculations(const QString& text);
// The document's text, one line per paragraph or cell, its superscripts
// written "^(…)", so that 10⁴ does not read as 104.
QString withExponents(const QTextDocument& document);

} // namespace content
