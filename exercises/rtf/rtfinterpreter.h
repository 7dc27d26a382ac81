#pragma once
// The reader's inside: the group stack of RTF states and where text goes.
// Tables, pictures and shapes have files of their own.

#include "exercises/rtf/rtfcodepage.h"
#include "exercises/rtf/rtflexer.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextOption>
#include <cstdint>
#include <optional>
#include <vector>

class QTextDocument;
class QTextTable;

namespace rtf {

enum class Destination {
    Text,
    Skip,
    FontTable,
    ColourTable,
    Picture,
    // \upr holds the same text twice; only its \ud part is read.
    UnicodePair,
    // An embedded object: only its \result is shown.
    Object,
    // A drawing shape (\shp, \shpgrp): only the picture of its instructions
    // is shown, from the property "pib"; its other parts are skipped.
    Shape,
    ShapeInstructions,
    ShapeProperty,
    ShapePropertyName,
    ShapePropertyValue,
};

struct CharacterState {
    enum class Script { Normal, Super, Sub };
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    bool smallCaps = false;
    bool allCaps = false;
    int colour = 0;
    int highlight = 0;
    Script script = Script::Normal;
};

// Lengths in twips, as the file gives them.
struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    bool inTable = false;
};

struct GroupState {
    CharacterState character;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
    // The group began with \*: an unknown destination is skipped.
    bool starred = false;
    // This group opened its destination and closes it.
    bool ownsDestination = false;
};

struct Font {
    QString name;
    int codePage = 1252;
    bool symbol = false;
    QFont::StyleHint hint = QFont::AnyStyle;
};

struct Picture {
    // Metafiles are Windows drawings, which Qt cannot draw; Other is any other
    // format the reader does not decode.
    enum class Kind { Other, Png, Jpeg, Metafile };
    Kind kind = Kind::Other;
    // Opened in the text or as a shape's picture: the places it is shown.
    bool shown = false;
    QByteArray data;
    int pendingNibble = -1;
    bool overflow = false;
    int width = 0;
    int height = 0;
    int goalWidth = 0;
    int goalHeight = 0;
    int scaleX = 100;
    int scaleY = 100;
};

// The row being defined by \trowd ... \cellx.
struct RowDefinition {
    std::vector<int> cellRights;
    int left = 0;
    bool bordered = false;
    Qt::Alignment alignment = Qt::AlignLeft;
};

class Interpreter {
public:
    explicit Interpreter(QTextDocument& document);
    void run(QByteArrayView input);

private:
    GroupState& state() { return m_groups.back(); }
    void openGroup();
    void closeGroup();
    void closeDestination(const GroupState& closing);
    void controlWord(QByteArrayView word, bool hasParameter, int parameter);
    bool destinationWord(QByteArrayView word);
    void enterDestination(Destination destination);
    bool characterWord(QByteArrayView word, bool hasParameter, int parameter);
    bool paragraphWord(QByteArrayView word, bool hasParameter, int parameter);
    bool specialCharacterWord(QByteArrayView word, bool hasParameter, int parameter);
    void controlSymbol(unsigned char symbol);
    bool skipsUnicodeFallback();
    void textBytes(QByteArrayView bytes);
    void binary(QByteArrayView bytes);

    // Font and colour tables.
    void fontTableText(const QString& text);
    void commitFontName();
    void colourTableText(const QString& text);

    // Text into the document.
    const Font* currentFont() const;
    int codePage() const;
    void appendText(const QString& text);
    void appendCharacter(char32_t character);
    void flush();
    QTextCharFormat characterFormat();
    QTextBlockFormat blockFormat();
    void endParagraph();
    void endDocument();
    void finish();

    // Tables (rtfreader_tables.cpp).
    void enterContentContext();
    void startTable();
    void startNextRow();
    void leaveTable();
    void nextCell();
    void endCell();
    void endRow();

    // Pictures (rtfreader_pictures.cpp).
    void startPicture(bool shown);
    void pictureWord(QByteArrayView word, int parameter, bool starred);
    void pictureText(QByteArrayView bytes);
    void insertPicture();

    // Shapes (rtfreader_shapes.cpp): false when not inside a shape.
    bool shapeWord(QByteArrayView word);
    void shapePropertyNameText(QByteArrayView bytes);

    QTextDocument& m_document;
    QTextCursor m_cursor;
    CodePages m_codePages;
    std::vector<GroupState> m_groups;
    // Braces met while skipping a group nested too deep.
    int m_overflowDepth = 0;
    // Characters still to drop after a \uN.
    int m_unicodeSkipLeft = 0;
    char16_t m_highSurrogate = 0;

    int m_documentCodePage = 1252;
    int m_defaultFont = -1;
    QHash<int, Font> m_fonts;
    std::optional<int> m_fontBeingDefined;
    QString m_fontName;
    std::vector<std::optional<QColor>> m_colours;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;

    QString m_pending;
    QTextCharFormat m_pendingFormat;
    bool m_formatDirty = true;
    QTextCharFormat m_currentFormat;

    RowDefinition m_row;
    QTextTable* m_table = nullptr;
    int m_tableRow = 0;
    int m_tableColumn = 0;
    bool m_rowEnded = false;
    bool m_cellEnded = false;

    Picture m_picture;
    int m_pictureCount = 0;
    std::int64_t m_picturePixels = 0;
    QByteArray m_shapePropertyName;
};

} // namespace rtf
