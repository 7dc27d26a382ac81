#include "exercises/rtf/rtfreader.h"

#include "exercises/rtf/rtfinterpreter.h"
#include "exercises/rtf/rtflimits.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <array>

namespace rtf {

namespace {

// Lengths beyond 22 inches are no layout a page can hold.
int clampTwips(int twips)
{
    return std::clamp(twips, -31680, 31680);
}

qreal pixels(int twips)
{
    // Twentieths of a point at 96 pixels per inch: 1440 twips make 96 pixels.
    return clampTwips(twips) / 15.0;
}

bool on(bool hasParameter, int parameter)
{
    return !hasParameter || parameter != 0;
}

// Destinations that hold no text of the document.
constexpr std::array<std::string_view, 58> skippedDestinations = {
    "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
    "footerf", "footnote", "annotation", "nonshppict", "xe", "tc", "txe", "rxe", "bkmkstart", "bkmkend",
    "template", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl", "mmathPr",
    "themedata", "colorschememapping", "latentstyles", "datastore", "filetbl", "pgdsctbl", "fldinst",
    "private", "pntxta", "pntxtb", "comment", "author", "title", "subject", "keywords", "operator",
    "buptim", "creatim", "revtim", "printim", "doccomm", "company", "ftnsep", "ftnsepc", "aftnsep",
    "aftnsepc", "ftncn", "aftncn", "do", "objdata", "fldtype",
};

bool isSkippedDestination(QByteArrayView word)
{
    for (const std::string_view name : skippedDestinations)
        if (word == QByteArrayView(name.data(), qsizetype(name.size())))
            return true;
    return false;
}

} // namespace

bool looksLikeRtf(QByteArrayView bytes)
{
    qsizetype at = 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\r' || bytes[at] == '\n' || bytes[at] == '\t'))
        ++at;
    return bytes.sliced(at).startsWith("{\\rtf");
}

bool read(QByteArrayView rtf, QTextDocument& document)
{
    if (!looksLikeRtf(rtf))
        return false;
    Interpreter(document).run(rtf);
    return true;
}

Interpreter::Interpreter(QTextDocument& document) : m_document(document)
{
    m_document.clear();
    m_cursor = QTextCursor(&m_document);
    m_groups.emplace_back();
}

void Interpreter::run(QByteArrayView input)
{
    // One edit block: the cursor does not lay its line out again at every
    // insertion, which would make long paragraphs quadratic. Reading is not a
    // step the user could undo.
    const bool undo = m_document.isUndoRedoEnabled();
    m_document.setUndoRedoEnabled(false);
    m_cursor.beginEditBlock();
    Lexer lexer(input);
    for (Token token = lexer.next(); token.kind != Token::Kind::End; token = lexer.next()) {
        if (m_overflowDepth > 0) {
            if (token.kind == Token::Kind::GroupOpen)
                ++m_overflowDepth;
            else if (token.kind == Token::Kind::GroupClose)
                --m_overflowDepth;
            continue;
        }
        switch (token.kind) {
        case Token::Kind::GroupOpen:
            openGroup();
            break;
        case Token::Kind::GroupClose:
            closeGroup();
            break;
        case Token::Kind::ControlWord:
            if (skipsUnicodeFallback())
                break;
            controlWord(token.data, token.hasParameter, token.parameter);
            break;
        case Token::Kind::ControlSymbol:
            if (skipsUnicodeFallback())
                break;
            controlSymbol(token.symbol);
            break;
        case Token::Kind::HexByte:
            if (skipsUnicodeFallback())
                break;
            {
                const char byte = char(token.symbol);
                textBytes(QByteArrayView(&byte, 1));
            }
            break;
        case Token::Kind::Text: {
            QByteArrayView text = token.data;
            const qsizetype skipped = std::min<qsizetype>(m_unicodeSkipLeft, text.size());
            m_unicodeSkipLeft -= int(skipped);
            textBytes(text.sliced(skipped));
            break;
        }
        case Token::Kind::Binary:
            if (skipsUnicodeFallback())
                break;
            binary(token.data);
            break;
        case Token::Kind::End:
            break;
        }
    }
    finish();
    m_cursor.endEditBlock();
    m_document.setUndoRedoEnabled(undo);
}

bool Interpreter::skipsUnicodeFallback()
{
    if (m_unicodeSkipLeft <= 0)
        return false;
    --m_unicodeSkipLeft;
    return true;
}

void Interpreter::openGroup()
{
    m_unicodeSkipLeft = 0;
    if (int(m_groups.size()) > limits::groupDepth) {
        m_overflowDepth = 1;
        return;
    }
    GroupState inner = state();
    inner.starred = false;
    inner.ownsDestination = false;
    m_groups.push_back(inner);
}

void Interpreter::closeGroup()
{
    m_unicodeSkipLeft = 0;
    // A stray closing brace at the outside is ignored, and reading goes on.
    if (m_groups.size() <= 1)
        return;
    // The document's group ends: its last paragraph takes the format in force.
    if (m_groups.size() == 2 && state().destination == Destination::Text)
        endDocument();
    const GroupState closing = m_groups.back();
    if (closing.ownsDestination)
        closeDestination(closing);
    m_groups.pop_back();
    m_formatDirty = true;
}

void Interpreter::closeDestination(const GroupState& closing)
{
    switch (closing.destination) {
    case Destination::FontTable:
        commitFontName();
        m_fontBeingDefined.reset();
        break;
    case Destination::Picture:
        insertPicture();
        break;
    default:
        break;
    }
}

void Interpreter::controlWord(QByteArrayView word, bool hasParameter, int parameter)
{
    const Destination destination = state().destination;
    const bool starred = state().starred;
    state().starred = false;

    if (destination == Destination::Skip)
        return;
    if (destination == Destination::UnicodePair) {
        if (word == "ud") {
            state().destination = Destination::Text;
            state().ownsDestination = false;
        }
        return;
    }
    if (destination == Destination::Object) {
        if (word == "result")
            state().destination = Destination::Text;
        return;
    }
    if (shapeWord(word) || destinationWord(word))
        return;

    switch (destination) {
    case Destination::FontTable:
        if (word == "f") {
            commitFontName();
            m_fontBeingDefined.reset();
            if (hasParameter && (m_fonts.contains(parameter) || m_fonts.size() < limits::fonts)) {
                m_fontBeingDefined = parameter;
                m_fonts[parameter] = Font{};
            }
        } else if (m_fontBeingDefined) {
            Font& font = m_fonts[*m_fontBeingDefined];
            if (word == "fcharset" && hasParameter) {
                font.codePage = codePageOfCharset(parameter);
                font.symbol = font.codePage == 0;
                if (font.symbol)
                    font.codePage = 1252;
            } else if (word == "froman") {
                font.hint = QFont::Serif;
            } else if (word == "fswiss") {
                font.hint = QFont::SansSerif;
            } else if (word == "fmodern") {
                font.hint = QFont::TypeWriter;
            } else if (word == "fscript") {
                font.hint = QFont::Cursive;
            } else if (word == "fdecor") {
                font.hint = QFont::Decorative;
            } else if (starred) {
                state().destination = Destination::Skip;
            }
        } else if (starred) {
            state().destination = Destination::Skip;
        }
        return;
    case Destination::ColourTable:
        if (word == "red" || word == "green" || word == "blue") {
            const int value = std::clamp(hasParameter ? parameter : 0, 0, 255);
            (word == "red" ? m_red : word == "green" ? m_green : m_blue) = value;
        } else if (starred) {
            state().destination = Destination::Skip;
        }
        return;
    case Destination::Picture:
        pictureWord(word, hasParameter ? parameter : 0, starred);
        return;
    default:
        break;
    }

    if (characterWord(word, hasParameter, parameter) || paragraphWord(word, hasParameter, parameter)
        || specialCharacterWord(word, hasParameter, parameter))
        return;

    // Document-wide settings.
    if (word == "ansicpg" && hasParameter) {
        if (m_codePages.knows(parameter))
            m_documentCodePage = parameter;
    } else if (word == "mac") {
        m_documentCodePage = 10000;
    } else if (word == "pc") {
        m_documentCodePage = 437;
    } else if (word == "pca") {
        m_documentCodePage = 850;
    } else if (word == "deff" && hasParameter) {
        m_defaultFont = parameter;
        m_formatDirty = true;
    } else if (word == "uc") {
        state().unicodeSkip = std::clamp(hasParameter ? parameter : 1, 0, limits::unicodeSkip);
    } else if (word == "u" && hasParameter) {
        int unit = parameter < 0 ? parameter + 65536 : parameter;
        if (unit < 0 || unit > 0xFFFF)
            unit = 0xFFFD;
        const int skip = state().unicodeSkip;
        appendCharacter(char32_t(unit));
        m_unicodeSkipLeft = skip;
    } else if (word == "shppict") {
        // The picture of a shape, for readers that know shapes: read it.
    } else if (starred) {
        // An unknown destination behind \*: its whole group is skipped.
        state().destination = Destination::Skip;
    }
}

bool Interpreter::destinationWord(QByteArrayView word)
{
    Destination destination;
    if (word == "fonttbl") {
        destination = Destination::FontTable;
    } else if (word == "colortbl") {
        destination = Destination::ColourTable;
        m_red = m_green = m_blue = -1;
    } else if (word == "pict") {
        startPicture(state().destination == Destination::Text);
        return true;
    } else if (word == "upr") {
        destination = Destination::UnicodePair;
    } else if (word == "object") {
        destination = Destination::Object;
    } else if (word == "shp" || word == "shpgrp") {
        destination = Destination::Shape;
    } else if (isSkippedDestination(word)) {
        destination = Destination::Skip;
    } else {
        return false;
    }
    enterDestination(destination);
    return true;
}

void Interpreter::enterDestination(Destination destination)
{
    flush();
    state().destination = destination;
    state().ownsDestination = true;
}

bool Interpreter::characterWord(QByteArrayView word, bool hasParameter, int parameter)
{
    CharacterState& character = state().character;
    if (word == "plain") {
        character = CharacterState{};
    } else if (word == "b") {
        character.bold = on(hasParameter, parameter);
    } else if (word == "i") {
        character.italic = on(hasParameter, parameter);
    } else if (word == "ulnone") {
        character.underline = false;
    } else if (word == "ul" || word == "uld" || word == "uldash" || word == "uldashd" || word == "uldashdd"
               || word == "uldb" || word == "ulth" || word == "ulw" || word == "ulwave" || word == "ulhwave"
               || word == "ulldash" || word == "ulthd" || word == "ulthdash") {
        character.underline = on(hasParameter, parameter);
    } else if (word == "strike" || word == "striked") {
        character.strike = on(hasParameter, parameter);
    } else if (word == "v") {
        character.hidden = on(hasParameter, parameter);
    } else if (word == "scaps") {
        character.smallCaps = on(hasParameter, parameter);
    } else if (word == "caps") {
        character.allCaps = on(hasParameter, parameter);
    } else if (word == "fs") {
        character.halfPoints = hasParameter && parameter > 0 ? std::clamp(parameter, 2, 3276) : 24;
    } else if (word == "f") {
        character.font = hasParameter ? parameter : m_defaultFont;
    } else if (word == "cf") {
        character.colour = hasParameter ? parameter : 0;
    } else if (word == "highlight" || word == "cb" || word == "chcbpat") {
        character.highlight = hasParameter ? parameter : 0;
    } else if (word == "super") {
        character.script = CharacterState::Script::Super;
    } else if (word == "sub") {
        character.script = CharacterState::Script::Sub;
    } else if (word == "nosupersub") {
        character.script = CharacterState::Script::Normal;
    } else if (word == "up" || word == "dn") {
        const bool raised = hasParameter ? parameter != 0 : true;
        character.script = !raised ? CharacterState::Script::Normal
                                   : (word == "up" ? CharacterState::Script::Super : CharacterState::Script::Sub);
    } else {
        return false;
    }
    m_formatDirty = true;
    return true;
}

bool Interpreter::paragraphWord(QByteArrayView word, bool hasParameter, int parameter)
{
    ParagraphState& paragraph = state().paragraph;
    const int value = hasParameter ? clampTwips(parameter) : 0;
    if (word == "pard") {
        paragraph = ParagraphState{};
    } else if (word == "ql") {
        paragraph.alignment = Qt::AlignLeft;
    } else if (word == "qr") {
        paragraph.alignment = Qt::AlignRight;
    } else if (word == "qc") {
        paragraph.alignment = Qt::AlignHCenter;
    } else if (word == "qj") {
        paragraph.alignment = Qt::AlignJustify;
    } else if (word == "li") {
        paragraph.leftIndent = value;
    } else if (word == "ri") {
        paragraph.rightIndent = value;
    } else if (word == "fi") {
        paragraph.firstIndent = value;
    } else if (word == "sb") {
        paragraph.spaceBefore = std::max(value, 0);
    } else if (word == "sa") {
        paragraph.spaceAfter = std::max(value, 0);
    } else if (word == "sl") {
        paragraph.lineSpacing = value;
    } else if (word == "slmult") {
        paragraph.lineMultiple = on(hasParameter, parameter);
    } else if (word == "tqr") {
        paragraph.nextTabType = QTextOption::RightTab;
    } else if (word == "tqc") {
        paragraph.nextTabType = QTextOption::CenterTab;
    } else if (word == "tqdec") {
        paragraph.nextTabType = QTextOption::DelimiterTab;
    } else if (word == "tx" || word == "tb") {
        if (word == "tx" && paragraph.tabs.size() < 64) {
            QTextOption::Tab tab(pixels(std::max(value, 0)), paragraph.nextTabType);
            if (tab.type == QTextOption::DelimiterTab)
                tab.delimiter = u','; // the decimal comma of French texts
            paragraph.tabs.append(tab);
        }
        paragraph.nextTabType = QTextOption::LeftTab;
    } else if (word == "intbl") {
        paragraph.inTable = true;
    } else if (word == "trowd") {
        m_row = RowDefinition{};
    } else if (word == "trleft") {
        m_row.left = value;
    } else if (word == "trqc") {
        m_row.alignment = Qt::AlignHCenter;
    } else if (word == "trqr") {
        m_row.alignment = Qt::AlignRight;
    } else if (word == "cellx") {
        if (int(m_row.cellRights.size()) < limits::tableColumns)
            m_row.cellRights.push_back(value);
    } else if (word.startsWith("clbrdr") || word == "brdrs" || word == "trbrdrt") {
        m_row.bordered = true;
    } else {
        return false;
    }
    return true;
}

bool Interpreter::specialCharacterWord(QByteArrayView word, bool, int)
{
    struct Named {
        std::string_view word;
        char16_t character;
    };
    static constexpr std::array<Named, 17> named = {{
        {"tab", u'\t'}, {"line", 0x2028}, {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D}, {"zwnj", 0x200C}, {"ltrmark", 0x200E},
        {"rtlmark", 0x200F}, {"zwbo", 0x200B},
    }};
    for (const Named& entry : named) {
        if (word == QByteArrayView(entry.word.data(), qsizetype(entry.word.size()))) {
            appendCharacter(entry.character);
            return true;
        }
    }
    if (word == "par" || word == "sect" || word == "page") {
        endParagraph();
    } else if (word == "cell") {
        endCell();
    } else if (word == "row") {
        endRow();
    } else if (word == "nestcell") {
        appendCharacter(u'\t');
    } else if (word == "nestrow") {
        appendCharacter(0x2028);
    } else {
        return false;
    }
    return true;
}

void Interpreter::controlSymbol(unsigned char symbol)
{
    const Destination destination = state().destination;
    if (symbol == '*') {
        state().starred = true;
        return;
    }
    if (destination != Destination::Text && destination != Destination::FontTable)
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        if (destination == Destination::FontTable)
            fontTableText(QString(QChar(symbol)));
        else
            appendCharacter(symbol);
        break;
    case '~':
        appendCharacter(0x00A0);
        break;
    case '-':
        appendCharacter(0x00AD);
        break;
    case '_':
        appendCharacter(0x2011);
        break;
    case '\r':
    case '\n':
        if (destination == Destination::Text)
            endParagraph();
        break;
    default:
        break;
    }
}

const Font* Interpreter::currentFont() const
{
    // Text before any \f is in the default font.
    const int id = m_groups.back().character.font < 0 ? m_defaultFont : m_groups.back().character.font;
    const auto found = m_fonts.constFind(id);
    return found == m_fonts.constEnd() ? nullptr : &*found;
}

int Interpreter::codePage() const
{
    const Font* font = currentFont();
    return font ? font->codePage : m_documentCodePage;
}

void Interpreter::textBytes(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    switch (state().destination) {
    case Destination::Text: {
        const Font* font = currentFont();
        if (font && font->symbol && font->name.compare("Symbol", Qt::CaseInsensitive) == 0) {
            for (const char byte : bytes)
                appendCharacter(symbolFontCharacter(static_cast<unsigned char>(byte)));
            return;
        }
        for (const QChar c : m_codePages.decode(codePage(), bytes))
            appendCharacter(c.unicode());
        return;
    }
    case Destination::FontTable:
        fontTableText(m_codePages.decode(m_documentCodePage, bytes));
        return;
    case Destination::ColourTable:
        colourTableText(QString::fromLatin1(bytes));
        return;
    case Destination::Picture:
        pictureText(bytes);
        return;
    case Destination::ShapePropertyName:
        shapePropertyNameText(bytes);
        return;
    default:
        return;
    }
}

void Interpreter::binary(QByteArrayView bytes)
{
    if (state().destination != Destination::Picture)
        return;
    if (m_picture.data.size() + bytes.size() > limits::binaryBytes)
        m_picture.overflow = true;
    else
        m_picture.data.append(bytes);
}

// --- Font and colour tables ---

void Interpreter::fontTableText(const QString& text)
{
    for (const QChar c : text) {
        if (c == u';')
            commitFontName();
        else if (m_fontName.size() < limits::fontNameLength)
            m_fontName.append(c);
    }
}

void Interpreter::commitFontName()
{
    const QString name = m_fontName.trimmed();
    m_fontName.clear();
    if (!m_fontBeingDefined)
        return;
    const auto found = m_fonts.find(*m_fontBeingDefined);
    if (found != m_fonts.end() && !name.isEmpty() && found->name.isEmpty())
        found->name = name;
}

void Interpreter::colourTableText(const QString& text)
{
    for (const QChar c : text) {
        if (c != u';')
            continue;
        if (int(m_colours.size()) < limits::colours) {
            if (m_red < 0 && m_green < 0 && m_blue < 0)
                m_colours.emplace_back(std::nullopt);
            else
                m_colours.emplace_back(QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
        }
        m_red = m_green = m_blue = -1;
    }
}

// --- Text into the document ---

void Interpreter::appendCharacter(char32_t character)
{
    if (state().destination == Destination::FontTable) {
        fontTableText(QString::fromUcs4(&character, 1));
        return;
    }
    if (state().destination != Destination::Text || state().character.hidden)
        return;
    // A symbol font's private characters stand for its own letters.
    if (character >= 0xF020 && character <= 0xF0FF) {
        const Font* font = currentFont();
        if (font && font->symbol) {
            const auto byte = static_cast<unsigned char>(character - 0xF000);
            character = font->name.compare("Symbol", Qt::CaseInsensitive) == 0 ? symbolFontCharacter(byte) : byte;
        }
    }
    // Surrogates come in pairs; a lone half becomes the replacement character.
    if (character >= 0xD800 && character <= 0xDBFF) {
        if (m_highSurrogate)
            appendCharacter(0xFFFD);
        m_highSurrogate = char16_t(character);
        return;
    }
    if (character >= 0xDC00 && character <= 0xDFFF) {
        if (!m_highSurrogate) {
            character = 0xFFFD;
        } else {
            character = 0x10000 + ((char32_t(m_highSurrogate) - 0xD800) << 10) + (character - 0xDC00);
            m_highSurrogate = 0;
        }
    } else if (m_highSurrogate) {
        m_highSurrogate = 0;
        appendCharacter(0xFFFD);
    }
    if (character < 0x20 && character != u'\t')
        return;

    enterContentContext();
    if (m_formatDirty) {
        m_currentFormat = characterFormat();
        m_formatDirty = false;
    }
    if (!m_pending.isEmpty() && m_currentFormat != m_pendingFormat)
        flush();
    if (m_pending.isEmpty())
        m_pendingFormat = m_currentFormat;
    if (character > 0xFFFF) {
        const char32_t offset = character - 0x10000;
        m_pending.append(QChar(char16_t(0xD800 + (offset >> 10))));
        m_pending.append(QChar(char16_t(0xDC00 + (offset & 0x3FF))));
    } else {
        m_pending.append(QChar(char16_t(character)));
    }
}

void Interpreter::flush()
{
    if (m_pending.isEmpty())
        return;
    m_cursor.insertText(m_pending, m_pendingFormat);
    m_pending.clear();
}

QTextCharFormat Interpreter::characterFormat()
{
    const CharacterState& character = state().character;
    QTextCharFormat format;
    const Font* font = currentFont();
    if (font && !font->name.isEmpty()) {
        format.setFontFamilies({font->name});
        format.setFontStyleHint(font->hint);
    }
    format.setFontPointSize(character.halfPoints / 2.0);
    format.setFontWeight(character.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(character.italic);
    format.setFontUnderline(character.underline);
    format.setFontStrikeOut(character.strike);
    if (character.smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    else if (character.allCaps)
        format.setFontCapitalization(QFont::AllUppercase);
    const auto colour = [this](int index) -> std::optional<QColor> {
        if (index <= 0 || index >= int(m_colours.size()))
            return std::nullopt;
        return m_colours[std::size_t(index)];
    };
    if (const auto foreground = colour(character.colour))
        format.setForeground(*foreground);
    if (const auto background = colour(character.highlight))
        format.setBackground(*background);
    if (character.script == CharacterState::Script::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (character.script == CharacterState::Script::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QTextBlockFormat Interpreter::blockFormat()
{
    const ParagraphState& paragraph = state().paragraph;
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    format.setLeftMargin(pixels(paragraph.leftIndent));
    format.setRightMargin(pixels(paragraph.rightIndent));
    format.setTextIndent(pixels(paragraph.firstIndent));
    format.setTopMargin(pixels(paragraph.spaceBefore));
    format.setBottomMargin(pixels(paragraph.spaceAfter));
    if (paragraph.lineSpacing > 0 && paragraph.lineMultiple)
        format.setLineHeight(paragraph.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (paragraph.lineSpacing > 0)
        format.setLineHeight(pixels(paragraph.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (paragraph.lineSpacing < 0)
        format.setLineHeight(pixels(-paragraph.lineSpacing), QTextBlockFormat::FixedHeight);
    if (!paragraph.tabs.isEmpty())
        format.setTabPositions(paragraph.tabs);
    return format;
}

void Interpreter::endParagraph()
{
    if (state().destination != Destination::Text)
        return;
    enterContentContext();
    flush();
    m_cursor.setBlockFormat(blockFormat());
    if (m_cursor.block().length() <= 1) {
        // An empty paragraph keeps the height of its font.
        if (m_formatDirty) {
            m_currentFormat = characterFormat();
            m_formatDirty = false;
        }
        m_cursor.setBlockCharFormat(m_currentFormat);
    }
    m_cursor.insertBlock();
}

void Interpreter::endDocument()
{
    flush();
    m_cursor.setBlockFormat(blockFormat());
}

void Interpreter::finish()
{
    // A truncated file: close what is still open, as its braces would have.
    while (m_groups.size() > 1)
        closeGroup();
    flush();
}

} // namespace rtf
