#pragma once
// Reads RTF, as word processors write it, into a QTextDocument: fonts,
// colours, character and paragraph formatting, tabs, Unicode and code-page
// characters, simple tables, PNG or JPEG pictures in the text or in Word's
// shapes, and a frame that says so for a picture it cannot show. Hostile or
// broken input gives what could be read, in time and memory bounded by its
// size.

#include <QByteArrayView>

class QTextDocument;

namespace rtf {

// Replaces the document's content. False, with the document untouched, when
// the bytes do not begin an RTF document.
bool read(QByteArrayView rtf, QTextDocument& document);

// Whether the bytes begin an RTF document ("{\rtf", spaces allowed before).
bool looksLikeRtf(QByteArrayView bytes);

} // namespace rtf
