#pragma once
// Writes a QTextDocument as RTF that our reader and the usual word
// processors open with the same look: fonts, sizes, styles, colours,
// scripts, paragraph layout, tabs, simple tables and pictures (as PNG).

#include <QByteArray>

class QTextDocument;

namespace rtf {

QByteArray write(const QTextDocument& document);

} // namespace rtf
