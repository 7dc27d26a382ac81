#include "exercises/rtf/rtfwriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cmath>

namespace rtf {

namespace {

int twips(qreal pixels)
{
    return int(std::lround(pixels * 15.0));
}

class Writer {
public:
    explicit Writer(const QTextDocument& document) : m_document(document)
    {
        m_fonts.append(document.defaultFont().family());
    }

    QByteArray run()
    {
        frame(m_document.rootFrame());
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + escaped(m_fonts[i]) + ";}";
        out += "}\n{\\colortbl;";
        for (const QColor& colour : m_colours)
            out += "\\red" + QByteArray::number(colour.red()) + "\\green" + QByteArray::number(colour.green())
                + "\\blue" + QByteArray::number(colour.blue()) + ";";
        out += "}\n\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\viewkind4\n";
        out += m_body;
        out += "}\n";
        return out;
    }

private:
    void frame(const QTextFrame* frame)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (const QTextFrame* child = it.currentFrame()) {
                if (const auto* table = qobject_cast<const QTextTable*>(child))
                    this->table(table);
                else
                    this->frame(child);
                continue;
            }
            const QTextBlock block = it.currentBlock();
            paragraph(block, false);
            if (block != m_document.lastBlock())
                m_body += "\\par\n";
        }
    }

    void table(const QTextTable* table)
    {
        const QTextTableFormat format = table->format();
        const QList<QTextLength> widths = format.columnWidthConstraints();
        const bool bordered = format.border() > 0;
        for (int row = 0; row < table->rows(); ++row) {
            m_body += "\\trowd\\trgaph50";
            const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
            if (alignment == Qt::AlignHCenter)
                m_body += "\\trqc";
            else if (alignment == Qt::AlignRight)
                m_body += "\\trqr";
            int right = 0;
            for (int column = 0; column < table->columns(); ++column) {
                if (bordered)
                    m_body += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                              "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
                const bool fixed = column < widths.size() && widths[column].type() == QTextLength::FixedLength;
                right += fixed ? twips(widths[column].rawValue()) : 9638 / table->columns();
                m_body += "\\cellx" + QByteArray::number(right);
            }
            m_body += "\n";
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                // A merged cell is written once, where it starts.
                if (cell.row() == row && cell.column() == column) {
                    bool first = true;
                    for (auto it = cell.begin(); !it.atEnd(); ++it) {
                        const QTextBlock block = it.currentBlock();
                        if (!block.isValid())
                            continue;
                        if (!first)
                            m_body += "\\par\n";
                        paragraph(block, true);
                        first = false;
                    }
                } else {
                    m_body += "\\pard\\intbl";
                }
                m_body += "\\cell\n";
            }
            m_body += "\\row\n";
        }
    }

    void paragraph(const QTextBlock& block, bool inTable)
    {
        const QTextBlockFormat format = block.blockFormat();
        m_body += "\\pard";
        if (inTable)
            m_body += "\\intbl";
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignJustify)
            m_body += "\\qj";
        else if (alignment & Qt::AlignHCenter)
            m_body += "\\qc";
        else if ((alignment & Qt::AlignRight) && !(alignment & Qt::AlignLeft))
            m_body += "\\qr";
        length("\\li", format.leftMargin());
        length("\\ri", format.rightMargin());
        length("\\fi", format.textIndent());
        length("\\sb", format.topMargin());
        length("\\sa", format.bottomMargin());
        switch (format.lineHeightType()) {
        case QTextBlockFormat::ProportionalHeight:
            m_body += "\\sl" + QByteArray::number(std::lround(format.lineHeight() * 240.0 / 100.0)) + "\\slmult1";
            break;
        case QTextBlockFormat::FixedHeight:
            m_body += "\\sl-" + QByteArray::number(twips(format.lineHeight())) + "\\slmult0";
            break;
        case QTextBlockFormat::MinimumHeight:
            m_body += "\\sl" + QByteArray::number(twips(format.lineHeight())) + "\\slmult0";
            break;
        default:
            break;
        }
        for (const QTextOption::Tab& tab : format.tabPositions()) {
            if (tab.type == QTextOption::RightTab)
                m_body += "\\tqr";
            else if (tab.type == QTextOption::CenterTab)
                m_body += "\\tqc";
            else if (tab.type == QTextOption::DelimiterTab)
                m_body += "\\tqdec";
            m_body += "\\tx" + QByteArray::number(twips(tab.position));
        }
        // The paragraph's own character format gives an empty line its height.
        m_body += "\\plain" + characterProperties(block.charFormat()) + " ";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat charFormat = fragment.charFormat();
            if (charFormat.isImageFormat()) {
                for (int i = 0; i < fragment.length(); ++i)
                    picture(charFormat.toImageFormat());
                continue;
            }
            // Each run states its whole format: the paragraph's may differ.
            m_body += "{\\plain" + characterProperties(charFormat) + " " + escaped(fragment.text()) + "}";
        }
    }

    void length(const char* word, qreal pixels)
    {
        if (const int value = twips(pixels))
            m_body += word + QByteArray::number(value);
    }

    QByteArray characterProperties(const QTextCharFormat& format)
    {
        QByteArray out;
        const QStringList families = format.fontFamilies().toStringList();
        const QString family = families.isEmpty() ? QString() : families.front();
        if (!family.isEmpty()) {
            qsizetype index = m_fonts.indexOf(family);
            if (index < 0) {
                index = m_fonts.size();
                m_fonts.append(family);
            }
            out += "\\f" + QByteArray::number(index);
        }
        if (format.fontPointSize() > 0)
            out += "\\fs" + QByteArray::number(std::lround(format.fontPointSize() * 2));
        if (format.fontWeight() >= QFont::DemiBold)
            out += "\\b";
        if (format.fontItalic())
            out += "\\i";
        if (format.fontUnderline())
            out += "\\ul";
        if (format.fontStrikeOut())
            out += "\\strike";
        if (format.fontCapitalization() == QFont::SmallCaps)
            out += "\\scaps";
        else if (format.fontCapitalization() == QFont::AllUppercase)
            out += "\\caps";
        if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
            out += "\\cf" + QByteArray::number(colourIndex(format.foreground().color()));
        if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
            out += "\\highlight" + QByteArray::number(colourIndex(format.background().color()));
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            out += "\\super";
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            out += "\\sub";
        return out;
    }

    int colourIndex(const QColor& colour)
    {
        const QColor opaque = colour.toRgb();
        for (qsizetype i = 0; i < m_colours.size(); ++i)
            if (m_colours[i].rgb() == opaque.rgb())
                return int(i) + 1;
        m_colours.append(opaque);
        return int(m_colours.size());
    }

    void picture(const QTextImageFormat& format)
    {
        const QVariant resource = m_document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        QImage image = resource.value<QImage>();
        if (image.isNull())
            image = resource.value<QPixmap>().toImage();
        if (image.isNull())
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!QImageWriter(&buffer, "png").write(image))
            return;
        const qreal width = format.width() > 0 ? format.width() : image.width();
        const qreal height = format.height() > 0 ? format.height() : image.height();
        m_body += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich"
            + QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(twips(width)) + "\\pichgoal"
            + QByteArray::number(twips(height)) + "\n";
        const QByteArray hex = png.toHex();
        for (qsizetype at = 0; at < hex.size(); at += 128)
            m_body += hex.mid(at, 128) + "\n";
        m_body += "}";
    }

    QByteArray escaped(const QString& text)
    {
        QByteArray out;
        out.reserve(text.size());
        for (const QChar c : text) {
            const char16_t unit = c.unicode();
            if (unit == u'\\' || unit == u'{' || unit == u'}') {
                out += '\\';
                out += char(unit);
            } else if (unit == u'\t') {
                out += "\\tab ";
            } else if (unit == 0x2028) {
                out += "\\line ";
            } else if (unit == 0x00A0) {
                out += "\\~";
            } else if (unit == 0x00AD) {
                out += "\\-";
            } else if (unit == 0x2011) {
                out += "\\_";
            } else if (unit >= 0x20 && unit < 0x7F) {
                out += char(unit);
            } else if (unit < 0x20 || unit == 0xFFFC) {
                continue;
            } else if (const QByteArray byte = inCodePage(c); !byte.isEmpty()) {
                out += "\\'" + byte.toHex();
            } else {
                // \uN takes a signed 16-bit N; the '?' is for readers without
                // Unicode, written as a byte so that no reader takes it for the
                // end of the control word and skips the next character instead.
                out += "\\u" + QByteArray::number(qint16(unit)) + "\\'3f";
            }
        }
        return out;
    }

    // The character's byte in Windows-1252, or nothing when it has none.
    QByteArray inCodePage(QChar c)
    {
        const QByteArray byte = m_encoder.encode(QStringView(&c, 1));
        if (byte.size() != 1 || QString(m_decoder.decode(byte)) != QString(c))
            return {};
        return byte;
    }

    const QTextDocument& m_document;
    QByteArray m_body;
    QStringList m_fonts;
    QList<QColor> m_colours;
    QStringEncoder m_encoder{"windows-1252"};
    QStringDecoder m_decoder{"windows-1252"};
};

} // namespace

QByteArray write(const QTextDocument& document)
{
    return Writer(document).run();
}

} // namespace rtf
