#pragma once
// The page of everything the program prints: a title at the top, then a
// picture at the size it has on screen (smaller only when it would not fit),
// drawn by its own routine at the printer's resolution so that lines and text
// stay sharp; or a rich-text document flowing over as many pages as it needs
// under the same title. One page per copy asked for.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;

// A picture as its drawing routine: it paints over (0, 0)–(screenSize) in
// screen pixels, on whatever device the painter is open on.
struct PrintedPicture {
    QSize screenSize;
    std::function<void(QPainter&)> draw;
};

// A picture that is an image already (a photograph, a copy of the screen),
// drawn at its size in screen pixels.
PrintedPicture printedImage(const QImage& image);

struct PageOptions {
    QString title;
    int copies = 1;
    bool centreHorizontally = true;
    bool centreVertically = true;
};

// Where the title and the picture stand, in printer pixels from the top-left
// corner of the printable area.
struct PagePlacement {
    QRectF title;
    QRectF picture;
};

// Screen pixels per inch: the resolution the drawing routines draw at.
double screenDotsPerInch();

// The room the title takes at the top of the page, gap included; none for an
// empty title.
double titleBandHeight(const QString& title, const QPrinter& printer);

// Lays out one page of `area` printer pixels for a picture that measures
// `pictureOnPage` printer pixels at its screen size.
PagePlacement placePicture(QSizeF area, double titleBand, QSizeF pictureOnPage, const PageOptions& options);

// Prints the picture, one page per copy; false when the printer cannot print
// (an unwritable PDF file, a vanished printer).
bool printPicture(QPrinter& printer, const PrintedPicture& picture, const PageOptions& options);
// Prints the document under the title on every page; the centring options do
// not apply to text.
bool printDocument(QPrinter& printer, const QTextDocument& document, const PageOptions& options);

// The road of a print command: the printer choice (which shows the copies
// asked for and may change them), then the pages; a cancelled choice prints
// nothing and says nothing, a failed print says so.
void choosePrinterAndPrint(QWidget* parent, QPrinter& printer, const PrintedPicture& picture, PageOptions options);
void choosePrinterAndPrint(QWidget* parent, QPrinter& printer, const QTextDocument& document, PageOptions options);

// The message of a print that failed, and showing it.
QString printFailedText();
void reportPrintFailure(QWidget* parent);

// Whether the printer can print without being chosen first: a PDF file named,
// or a printer of the system.
bool printerReady(const QPrinter& printer);
// The printer or the PDF file the pages go to, as the user reads it.
QString printerDescription(const QPrinter& printer);
