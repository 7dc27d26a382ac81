#include "ui/printpage.h"

#include "ui/dialogservice.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTextDocument>
#include <algorithm>
#include <memory>

namespace {

constexpr double minimumMarginMm = 15.0;
constexpr double titleGapMm = 6.0;

QFont titleFont()
{
    QFont font(QStringLiteral("Arial"), 14);
    font.setBold(true);
    return font;
}

double millimetresToPixels(double millimetres, const QPrinter& printer)
{
    return millimetres / 25.4 * printer.resolution();
}

// Printers and PDF files may come with no margin at all: a title on the very
// edge of the sheet is cut by most printers.
void ensureMargins(QPrinter& printer)
{
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    const QMarginsF wanted(std::max(margins.left(), minimumMarginMm), std::max(margins.top(), minimumMarginMm),
                           std::max(margins.right(), minimumMarginMm), std::max(margins.bottom(), minimumMarginMm));
    if (wanted != margins)
        printer.setPageMargins(wanted, QPageLayout::Millimeter);
}

QSizeF printableArea(const QPrinter& printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution()).size();
}

void drawTitle(QPainter& painter, const QString& title, double width)
{
    if (title.isEmpty())
        return;
    painter.save();
    painter.setFont(titleFont());
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    painter.drawText(QRectF(0, 0, width, metrics.height()), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     title);
    painter.restore();
}

// Opens the painter on the printer for `copies` copies that this side makes
// itself, one after the other, so that every printer and PDF file gets them.
bool beginPrinting(QPainter& painter, QPrinter& printer)
{
    ensureMargins(printer);
    printer.setCopyCount(1);
    return painter.begin(&printer);
}

template <typename Print>
void chooseAndPrint(QWidget* parent, QPrinter& printer, PageOptions options, Print print)
{
    printer.setCopyCount(std::max(1, options.copies));
    if (!DialogService::current().choosePrinter(parent, printer))
        return;
    options.copies = printer.copyCount();
    if (!print(printer, options))
        reportPrintFailure(parent);
}

} // namespace

PrintedPicture printedImage(const QImage& image)
{
    // PDF output stores colour pictures as JPEG, whose halved colour
    // resolution would blur one-pixel lines of colour (a trajectory, a
    // curve): each screen pixel goes out as a block of 4 x 4 of its colour.
    constexpr int block = 4;
    const QSize size = image.deviceIndependentSize().toSize();
    const QImage blocks = image.scaled(image.size() * block, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return {size, [blocks, size](QPainter& painter) { painter.drawImage(QRect(QPoint(0, 0), size), blocks); }};
}

double screenDotsPerInch()
{
    return QPicture().logicalDpiX();
}

double titleBandHeight(const QString& title, const QPrinter& printer)
{
    if (title.isEmpty())
        return 0.0;
    const QFontMetricsF metrics(titleFont(), &printer);
    return metrics.height() + millimetresToPixels(titleGapMm, printer);
}

PagePlacement placePicture(QSizeF area, double titleBand, QSizeF pictureOnPage, const PageOptions& options)
{
    PagePlacement placement;
    placement.title = QRectF(0, 0, area.width(), titleBand);

    const QSizeF room(area.width(), std::max(0.0, area.height() - titleBand));
    QSizeF size = pictureOnPage;
    if (size.width() > room.width() || size.height() > room.height())
        size = pictureOnPage.scaled(room, Qt::KeepAspectRatio);

    const double left = options.centreHorizontally ? (room.width() - size.width()) / 2 : 0.0;
    const double top = titleBand + (options.centreVertically ? (room.height() - size.height()) / 2 : 0.0);
    placement.picture = QRectF(QPointF(left, top), size);
    return placement;
}

bool printPicture(QPrinter& printer, const PrintedPicture& picture, const PageOptions& options)
{
    QPainter painter;
    if (!beginPrinting(painter, printer))
        return false;

    // Recorded in screen pixels and played back at the printer's resolution:
    // the recording scales itself, fonts given in points included, and lines
    // and text reach the printer as lines and text.
    QPicture recorded;
    {
        QPainter recorder(&recorded);
        picture.draw(recorder);
    }
    const double screenToPrinter = printer.logicalDpiX() / screenDotsPerInch();
    const QSizeF onPage = QSizeF(picture.screenSize) * screenToPrinter;
    const PagePlacement placement =
        placePicture(printableArea(printer), titleBandHeight(options.title, printer), onPage, options);
    const double shrink = placement.picture.width() / onPage.width();

    for (int copy = 0; copy < std::max(1, options.copies); ++copy) {
        if (copy > 0 && !printer.newPage())
            return false;
        drawTitle(painter, options.title, placement.title.width());
        painter.save();
        painter.translate(placement.picture.topLeft());
        painter.scale(shrink, shrink);
        painter.setClipRect(QRectF(QPointF(0, 0), onPage));
        painter.drawPicture(0, 0, recorded);
        painter.restore();
    }
    return painter.end();
}

bool printDocument(QPrinter& printer, const QTextDocument& document, const PageOptions& options)
{
    QPainter painter;
    if (!beginPrinting(painter, printer))
        return false;

    const QSizeF area = printableArea(printer);
    const double titleBand = titleBandHeight(options.title, printer);
    const QSizeF room(area.width(), area.height() - titleBand);

    // The copy is laid out for the printer, so its point sizes are the printer's.
    const std::unique_ptr<QTextDocument> laidOut(document.clone());
    laidOut->documentLayout()->setPaintDevice(&printer);
    laidOut->setPageSize(room);
    const int pages = laidOut->pageCount();

    bool first = true;
    for (int copy = 0; copy < std::max(1, options.copies); ++copy) {
        for (int page = 0; page < pages; ++page) {
            if (!first && !printer.newPage())
                return false;
            first = false;
            drawTitle(painter, options.title, area.width());
            painter.save();
            const QRectF slice(0, page * room.height(), room.width(), room.height());
            painter.translate(0, titleBand - slice.top());
            painter.setClipRect(slice);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = slice;
            context.palette.setColor(QPalette::Text, Qt::black);
            laidOut->documentLayout()->draw(&painter, context);
            painter.restore();
        }
    }
    return painter.end();
}

void choosePrinterAndPrint(QWidget* parent, QPrinter& printer, const PrintedPicture& picture, PageOptions options)
{
    chooseAndPrint(parent, printer, std::move(options),
                   [&picture](QPrinter& target, const PageOptions& chosen) {
                       return printPicture(target, picture, chosen);
                   });
}

void choosePrinterAndPrint(QWidget* parent, QPrinter& printer, const QTextDocument& document, PageOptions options)
{
    chooseAndPrint(parent, printer, std::move(options),
                   [&document](QPrinter& target, const PageOptions& chosen) {
                       return printDocument(target, document, chosen);
                   });
}

QString printFailedText()
{
    return QStringLiteral("L'impression n'a pas pu se faire : vérifiez l'imprimante ou le fichier choisi.");
}

void reportPrintFailure(QWidget* parent)
{
    DialogService::current().inform(parent, DialogService::Icon::Critical, QStringLiteral("Imprimer"),
                                    printFailedText());
}

bool printerReady(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return printer.isValid() && !printer.printerName().isEmpty();
}

QString printerDescription(const QPrinter& printer)
{
    if (!printerReady(printer))
        return QStringLiteral("Aucune imprimante choisie");
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("Fichier PDF : %1").arg(QFileInfo(printer.outputFileName()).fileName());
    return QStringLiteral("Imprimante : %1").arg(printer.printerName());
}
