#include "tools/tour/statement.h"

#include "exercises/rtf/rtfwriter.h"

#include <QUrl>

namespace {

QTextCharFormat body()
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(9);
    format.setFontWeight(QFont::Normal);
    return format;
}

} // namespace

Statement::Statement() : m_cursor(&m_document)
{
    m_document.setDefaultFont(QFont(QStringLiteral("Arial"), 9));
}

void Statement::title(const QString& text)
{
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    block.setBottomMargin(6);
    if (!m_empty)
        m_cursor.insertBlock();
    m_cursor.setBlockFormat(block);
    QTextCharFormat format = body();
    format.setFontPointSize(14);
    format.setFontWeight(QFont::Bold);
    format.setForeground(QColor(0, 48, 122));
    m_cursor.setBlockCharFormat(format);
    m_cursor.insertText(text, format);
    m_empty = false;
}

void Statement::heading(const QString& text)
{
    QTextBlockFormat block;
    block.setTopMargin(8);
    block.setBottomMargin(3);
    m_cursor.insertBlock(block);
    QTextCharFormat format = body();
    format.setFontPointSize(11);
    format.setFontWeight(QFont::Bold);
    format.setForeground(QColor(176, 96, 0));
    m_cursor.setBlockCharFormat(format);
    m_cursor.insertText(text, format);
}

void Statement::paragraph(const QString& text)
{
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignJustify);
    block.setBottomMargin(4);
    m_cursor.insertBlock(block);
    m_cursor.setBlockCharFormat(body());
    words(text, body());
}

void Statement::words(const QString& text, const QTextCharFormat& base)
{
    QTextCharFormat strong = base;
    strong.setFontWeight(QFont::Bold);
    const QStringList pieces = text.split(QStringLiteral("**"));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QStringList levels = pieces[i].split(u'^');
        for (qsizetype j = 0; j < levels.size(); ++j) {
            QTextCharFormat format = i % 2 == 1 ? strong : base;
            if (j % 2 == 1)
                format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            if (!levels[j].isEmpty())
                m_cursor.insertText(levels[j], format);
        }
    }
}

void Statement::picture(const QImage& image, int width)
{
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    block.setTopMargin(2);
    block.setBottomMargin(6);
    m_cursor.insertBlock(block);
    const QImage shown = image.width() > width ? image.scaledToWidth(width, Qt::SmoothTransformation) : image;
    const QString name = QStringLiteral("figure%1").arg(++m_pictures);
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), shown);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    m_cursor.insertImage(format);
}

QByteArray Statement::rtf() const
{
    return rtf::write(m_document);
}
