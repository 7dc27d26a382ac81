#pragma once
// Builds an exercise text as a teacher would type it in a word processor:
// a title, numbered headings, paragraphs with words in bold, pictures. The
// text is written as RTF by our own writer.

#include <QImage>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>

class Statement {
public:
    Statement();
    void title(const QString& text);
    void heading(const QString& text);
    // "**" around words sets them in bold, "^" around them as an exponent
    // ("m·s^−1^").
    void paragraph(const QString& text);
    // A picture at the given width, centred.
    void picture(const QImage& image, int width);
    QByteArray rtf() const;

private:
    void words(const QString& text, const QTextCharFormat& base);
    QTextDocument m_document;
    QTextCursor m_cursor;
    bool m_empty = true;
    int m_pictures = 0;
};
