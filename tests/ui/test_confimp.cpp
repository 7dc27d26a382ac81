#include "ui/confimp.h"
#include "ui/dialogservice.h"

#include "common/pdfpages.h"
#include "common/testmain.h"

#include <QCheckBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int renderDpi = 72;

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }
bool isBlue(QRgb pixel) { return qBlue(pixel) > 200 && qRed(pixel) < 80 && qGreen(pixel) < 80; }

PrintedPicture block(QSize size, QColor colour)
{
    return {size, [size, colour](QPainter& painter) { painter.fillRect(QRect(QPoint(0, 0), size), colour); }};
}

// The scene in red, the graph in blue.
PrintSubjects subjects(bool withGraph)
{
    PrintSubjects subjects{block(QSize(409, 457), QColor(255, 0, 0)), std::nullopt};
    if (withGraph)
        subjects.graph = block(QSize(360, 240), QColor(0, 0, 255));
    return subjects;
}

PrintChoices titled(const QString& title)
{
    PrintChoices choices;
    choices.page.title = title;
    return choices;
}

template <typename Widget>
Widget* child(QWidget& parent, const char* name)
{
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

} // namespace

class TestConfimp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void texts_data();
    void texts();
    void formLabels();
    void graphOnlyWhenDrawn();
    void choicesKeptForNextTime();

    void printsTheChosenPicture_data();
    void printsTheChosenPicture();
    void centringFollowsTheBoxes();
    void chosenPrinterIsNotAskedAgain();
    void cancelledChoicePrintsNothing();
    void failedPrintKeepsTheDialog();
    void previewShowsThePages();

private:
    QString pdfPath(const QString& name) const { return m_directory->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_directory;
    std::unique_ptr<QPrinter> m_printer;
    ScriptedDialogs m_dialogs;
};

void TestConfimp::init()
{
    m_directory = std::make_unique<QTemporaryDir>();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_dialogs = ScriptedDialogs();
    DialogService::install(&m_dialogs);
}

void TestConfimp::cleanup()
{
    DialogService::install(nullptr);
    m_printer.reset();
    m_directory.reset();
}

void TestConfimp::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addRow("scene") << "printScene" << "Imprimer l'animation";
    QTest::addRow("graph") << "printGraph" << "Imprimer le graphe";
    QTest::addRow("across") << "centreHorizontally" << "Centrer l'image horizontalement";
    QTest::addRow("down") << "centreVertically" << "Centrer l'image verticalement";
    QTest::addRow("printers") << "printers" << "&Imprimantes";
}

void TestConfimp::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    Confimp dialog(*m_printer, subjects(true), PrintChoices());
    auto* button = dialog.findChild<QAbstractButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(dialog.objectName(), QString("confimp"));
}

void TestConfimp::formLabels()
{
    Confimp dialog(*m_printer, subjects(true), PrintChoices());
    auto* layout = dialog.findChild<QFormLayout*>();
    QVERIFY(layout);
    auto labelOf = [layout](QWidget* field) {
        return qobject_cast<QLabel*>(layout->labelForField(field))->text();
    };
    QCOMPARE(labelOf(child<QLineEdit>(dialog, "pageTitle")), QString("Titre de la page :"));
    QCOMPARE(labelOf(child<QSpinBox>(dialog, "copies")), QString("Nombre d'exemplaires:"));
    QCOMPARE(child<QSpinBox>(dialog, "copies")->minimum(), 1);
}

void TestConfimp::graphOnlyWhenDrawn()
{
    PrintChoices graph;
    graph.graph = true;
    Confimp without(*m_printer, subjects(false), graph);
    QVERIFY(!child<QRadioButton>(without, "printGraph")->isEnabled());
    QVERIFY(child<QRadioButton>(without, "printScene")->isChecked());
    QCOMPARE(without.choices().graph, false);

    Confimp with(*m_printer, subjects(true), graph);
    QVERIFY(child<QRadioButton>(with, "printGraph")->isEnabled());
    QVERIFY(child<QRadioButton>(with, "printGraph")->isChecked());
}

void TestConfimp::choicesKeptForNextTime()
{
    PrintChoices initial;
    initial.graph = true;
    initial.page = PageOptions{QStringLiteral("Chute libre sur Mars"), 3, false, true};
    Confimp dialog(*m_printer, subjects(true), initial);
    QCOMPARE(child<QLineEdit>(dialog, "pageTitle")->text(), QString("Chute libre sur Mars"));
    QCOMPARE(child<QSpinBox>(dialog, "copies")->value(), 3);
    QVERIFY(!child<QCheckBox>(dialog, "centreHorizontally")->isChecked());
    QVERIFY(child<QCheckBox>(dialog, "centreVertically")->isChecked());

    child<QLineEdit>(dialog, "pageTitle")->setText(QStringLiteral("  Tir sur la Lune  "));
    child<QSpinBox>(dialog, "copies")->setValue(2);
    child<QCheckBox>(dialog, "centreHorizontally")->setChecked(true);
    child<QRadioButton>(dialog, "printScene")->setChecked(true);
    const PrintChoices chosen = dialog.choices();
    QCOMPARE(chosen.page.title, QString("Tir sur la Lune"));
    QCOMPARE(chosen.page.copies, 2);
    QVERIFY(chosen.page.centreHorizontally);
    QVERIFY(chosen.page.centreVertically);
    QVERIFY(!chosen.graph);
}

void TestConfimp::printsTheChosenPicture_data()
{
    QTest::addColumn<bool>("graph");
    QTest::addColumn<int>("copies");
    QTest::addRow("scene, once") << false << 1;
    QTest::addRow("scene, three copies") << false << 3;
    QTest::addRow("graph, twice") << true << 2;
}

void TestConfimp::printsTheChosenPicture()
{
    QFETCH(bool, graph);
    QFETCH(int, copies);
    const QString file = pdfPath(QStringLiteral("page.pdf"));
    m_dialogs.queuePrinter(file);
    Confimp dialog(*m_printer, subjects(true), titled(QStringLiteral("Un ballon sur Terre")));
    child<QRadioButton>(dialog, graph ? "printGraph" : "printScene")->setChecked(true);
    child<QSpinBox>(dialog, "copies")->setValue(copies);
    child<QPushButton>(dialog, "print")->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QVERIFY(m_dialogs.shown().empty());
    QCOMPARE(pdf::pageCount(file), copies);
    for (int page = 1; page <= copies; ++page) {
        QVERIFY(pdf::pageText(file, page).contains(QStringLiteral("Un ballon sur Terre")));
        const QImage image = pdf::pageImage(file, page, renderDpi);
        QVERIFY2(!image.isNull(), "pdftoppm (poppler-utils) is needed");
        const QRect printed = pdf::boundingBox(image, graph ? isBlue : isRed);
        QVERIFY(pdf::boundingBox(image, graph ? isRed : isBlue).isEmpty());
        const QSize screen = graph ? QSize(360, 240) : QSize(409, 457);
        QVERIFY(qAbs(printed.width() - screen.width() * renderDpi / screenDotsPerInch()) <= 2);
        QVERIFY(qAbs(printed.height() - screen.height() * renderDpi / screenDotsPerInch()) <= 2);
    }
}

void TestConfimp::centringFollowsTheBoxes()
{
    auto printedBox = [this](bool across, bool down, const QString& name) {
        m_dialogs.queuePrinter(pdfPath(name));
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        Confimp dialog(printer, subjects(false), titled(QStringLiteral("Centrage")));
        child<QCheckBox>(dialog, "centreHorizontally")->setChecked(across);
        child<QCheckBox>(dialog, "centreVertically")->setChecked(down);
        child<QPushButton>(dialog, "print")->click();
        return pdf::boundingBox(pdf::pageImage(pdfPath(name), 1, renderDpi), isRed);
    };
    const QRect centred = printedBox(true, true, QStringLiteral("centred.pdf"));
    const QRect topLeft = printedBox(false, false, QStringLiteral("topleft.pdf"));
    const QRect across = printedBox(true, false, QStringLiteral("across.pdf"));
    const QRect down = printedBox(false, true, QStringLiteral("down.pdf"));
    const double pageWidth = 595.3;
    QVERIFY(qAbs(centred.center().x() - pageWidth / 2) <= 2);
    QVERIFY(topLeft.left() < centred.left() - 20 && topLeft.top() < centred.top() - 20);
    QCOMPARE(across.left(), centred.left());
    QCOMPARE(across.top(), topLeft.top());
    QCOMPARE(down.left(), topLeft.left());
    QCOMPARE(down.top(), centred.top());
}

void TestConfimp::chosenPrinterIsNotAskedAgain()
{
    const QString file = pdfPath(QStringLiteral("chosen.pdf"));
    m_dialogs.queuePrinter(file);
    Confimp dialog(*m_printer, subjects(false), PrintChoices());
    QCOMPARE(child<QLabel>(dialog, "printerName")->text(), QString("Aucune imprimante choisie"));
    child<QPushButton>(dialog, "printers")->click();
    QCOMPARE(child<QLabel>(dialog, "printerName")->text(), QString("Fichier PDF : chosen.pdf"));
    child<QPushButton>(dialog, "print")->click();
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(pdf::pageCount(file), 1);
}

void TestConfimp::cancelledChoicePrintsNothing()
{
    m_dialogs.queuePrinter(std::nullopt);
    Confimp dialog(*m_printer, subjects(true), PrintChoices());
    dialog.setResult(QDialog::Rejected);
    child<QPushButton>(dialog, "print")->click();
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(m_dialogs.shown().empty());
    QVERIFY(QDir(m_directory->path()).isEmpty());
}

void TestConfimp::failedPrintKeepsTheDialog()
{
    m_dialogs.queuePrinter(pdfPath(QStringLiteral("missing/folder/page.pdf")));
    Confimp dialog(*m_printer, subjects(true), PrintChoices());
    dialog.setResult(QDialog::Rejected);
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    child<QPushButton>(dialog, "print")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].icon, DialogService::Icon::Critical);
    QCOMPARE(m_dialogs.shown()[0].text, printFailedText());
}

void TestConfimp::previewShowsThePages()
{
    const QString file = pdfPath(QStringLiteral("preview.pdf"));
    m_dialogs.setPreviewFile(file);
    Confimp dialog(*m_printer, subjects(true), titled(QStringLiteral("Aperçu du graphe")));
    child<QRadioButton>(dialog, "printGraph")->setChecked(true);
    child<QSpinBox>(dialog, "copies")->setValue(2);
    child<QPushButton>(dialog, "preview")->click();
    QCOMPARE(m_dialogs.previews(), 1);
    QCOMPARE(m_dialogs.printerChoices(), 0);
    QCOMPARE(pdf::pageCount(file), 2);
    QVERIFY(pdf::pageText(file, 2).contains(QStringLiteral("Aperçu du graphe")));
    QVERIFY(!pdf::boundingBox(pdf::pageImage(file, 1, renderDpi), isBlue).isEmpty());
}

TAVREL_TEST_MAIN(TestConfimp)
#include "test_confimp.moc"
