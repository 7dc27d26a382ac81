#pragma once
// Character sets of RTF documents: the code page of a font's \fcharset, the
// decoders of the code pages, and the Symbol font, whose letters stand for
// Greek letters and mathematical signs.

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <map>
#include <memory>

namespace rtf {

// The Windows code page of an RTF \fcharset; 0 for the symbol set.
int codePageOfCharset(int charset);

// The Unicode character a byte of the Symbol font draws.
char16_t symbolFontCharacter(unsigned char byte);

// Decoders by code page, created on first use; an unknown code page decodes
// as Windows-1252. Bytes fed one at a time still join into the multi-byte
// characters of East Asian code pages.
class CodePages {
public:
    QString decode(int codePage, QByteArrayView bytes);
    bool knows(int codePage);

private:
    QStringDecoder* decoder(int codePage);
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace rtf
