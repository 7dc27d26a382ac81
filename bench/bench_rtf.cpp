// Reading and writing rich text: a long statement with formatting, tables
// and a picture, and the worst hostile shapes; prints milliseconds.

#include "exercises/rtf/rtfreader.h"
#include "exercises/rtf/rtfwriter.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTextDocument>
#include <cstdio>

namespace {

QByteArray statement(int paragraphs)
{
    QImage picture(320, 200, QImage::Format_RGB32);
    picture.fill(QColor(30, 90, 160));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "png");

    QByteArray body = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
                      "{\\colortbl;\\red200\\green0\\blue0;}\\pard\\qc\\b\\fs32 Chute libre\\b0\\fs20\\par";
    for (int i = 0; i < paragraphs; ++i) {
        body += "\\pard\\qj\\li360\\sa120 On l\\'e2che une {\\i pomme} de {\\b 180 g} avec v{\\sub 0} = 15 m.s"
                "{\\super -1} sous l'angle \\u945? = 77\\'b0 ; {\\cf1 que vaut la port\\'e9e ?}\\par";
        if (i % 50 == 0)
            body += "\\trowd\\cellx1500\\cellx3000\\pard\\intbl t (s)\\cell y (m)\\cell\\row"
                    "\\trowd\\cellx1500\\cellx3000\\pard\\intbl 0,5\\cell 1,2\\cell\\row\\pard";
    }
    body += "{\\pict\\pngblip " + png.toHex() + "}}";
    return body;
}

QByteArray repeated(const QByteArray& piece, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += piece;
    return out;
}

void time(const char* what, const QByteArray& input)
{
    QTextDocument document;
    QElapsedTimer clock;
    clock.start();
    rtf::read(input, document);
    const qint64 readMs = clock.elapsed();
    clock.restart();
    const QByteArray written = rtf::write(document);
    const qint64 writeMs = clock.elapsed();
    std::printf("%-34s %9lld bytes  read %5lld ms  write %5lld ms (%lld bytes)\n", what, qint64(input.size()), readMs,
                writeMs, qint64(written.size()));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    time("statement, 100 paragraphs", statement(100));
    time("statement, 5 000 paragraphs", statement(5000));
    time("100 000 unclosed braces", "{\\rtf1 " + repeated("{", 100000));
    time("200 000 format changes", "{\\rtf1 " + repeated("{\\b a}{\\i b}", 100000) + "}");
    time("100 000 paragraphs", "{\\rtf1 " + repeated("x\\par ", 100000) + "}");
    time("5 000 table rows", "{\\rtf1 " + repeated("\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row", 5000) + "}");
    return 0;
}
