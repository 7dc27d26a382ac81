#include "exercises/rtf/rtfcodepage.h"

#include <array>

namespace rtf {

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 2: return 0;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 1252;
    }
}

char16_t symbolFontCharacter(unsigned char byte)
{
    // Letters A to Z and a to z of the Symbol font.
    static constexpr std::array<char16_t, 26> upper = {
        0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C,
        0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
    static constexpr std::array<char16_t, 26> lower = {
        0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC,
        0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
    if (byte >= 'A' && byte <= 'Z')
        return upper[byte - 'A'];
    if (byte >= 'a' && byte <= 'z')
        return lower[byte - 'a'];
    switch (byte) {
    case 0x22: return 0x2200; // for all
    case 0x24: return 0x2203; // there exists
    case 0x27: return 0x220B;
    case 0x2A: return 0x2217;
    case 0x2D: return 0x2212; // minus
    case 0x40: return 0x2245;
    case 0x5C: return 0x2234; // therefore
    case 0x5E: return 0x22A5;
    case 0xA1: return 0x03D2;
    case 0xA2: return 0x2032; // prime
    case 0xA3: return 0x2264; // less or equal
    case 0xA5: return 0x221E; // infinity
    case 0xAB: return 0x2194;
    case 0xAC: return 0x2190;
    case 0xAD: return 0x2191;
    case 0xAE: return 0x2192; // right arrow
    case 0xAF: return 0x2193;
    case 0xB0: return 0x00B0;
    case 0xB1: return 0x00B1;
    case 0xB2: return 0x2033;
    case 0xB3: return 0x2265; // greater or equal
    case 0xB4: return 0x00D7; // times
    case 0xB5: return 0x221D; // proportional to
    case 0xB6: return 0x2202; // partial derivative
    case 0xB7: return 0x2022;
    case 0xB8: return 0x00F7;
    case 0xB9: return 0x2260; // not equal
    case 0xBA: return 0x2261;
    case 0xBB: return 0x2248; // almost equal
    case 0xBC: return 0x2026;
    case 0xC5: return 0x2295;
    case 0xD1: return 0x2207; // nabla
    case 0xD6: return 0x221A; // square root
    case 0xD7: return 0x22C5; // dot operator
    case 0xDB: return 0x21D4;
    case 0xDE: return 0x21D2; // implies
    case 0xE5: return 0x2211; // sum
    case 0xF2: return 0x222B; // integral
    default: return byte;
    }
}

namespace {

QByteArray nameOf(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    case 65001: return "UTF-8";
    default: return "windows-" + QByteArray::number(codePage);
    }
}

// Code pages a hostile file could name are many; the ones we hold are few.
constexpr std::size_t decoderCount = 32;

} // namespace

QStringDecoder* CodePages::decoder(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        if (m_decoders.size() >= decoderCount)
            return codePage == 1252 ? nullptr : decoder(1252);
        auto made = std::make_unique<QStringDecoder>(nameOf(codePage).constData());
        if (!made->isValid())
            made.reset();
        found = m_decoders.emplace(codePage, std::move(made)).first;
    }
    if (found->second)
        return found->second.get();
    return codePage == 1252 ? nullptr : decoder(1252);
}

bool CodePages::knows(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        decoder(codePage);
        found = m_decoders.find(codePage);
    }
    return found != m_decoders.end() && found->second;
}

QString CodePages::decode(int codePage, QByteArrayView bytes)
{
    // Trail bytes of the multi-byte code pages may look like ASCII.
    const bool multiByte = codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950
        || codePage == 65001;
    bool ascii = !multiByte;
    for (const char c : bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return QString::fromLatin1(bytes);
    if (QStringDecoder* found = decoder(codePage))
        return found->decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace rtf
