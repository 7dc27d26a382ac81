#include "ui/dialogservice.h"
#include "common/testmain.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

class TestDialogService : public QObject {
    Q_OBJECT
private slots:
    void scriptedAnswersInOrder();
    void scriptedColours();
    void installAndRestore();
    void scriptedModalWindows();
    void realQuestionEscapesToCancel();
    void realQuestionOk();
    void realMessageIcon_data();
    void realMessageIcon();
    void realColourCancelled();
    void realColourAccepted();
    void realPrinterChoiceCancelled();
    void realPreviewPaintsThePages();
    void scriptedFileNames();
    void realSaveFileCancelled();
    void realSaveFileAddsExtension();

private:
    // Runs `answer` on the modal dialog as soon as it shows.
    static void whenModal(std::function<void(QWidget*)> answer);
};

void TestDialogService::whenModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->deleteLater();
            timer->stop();
            answer(modal);
        }
    });
    timer->start();
}

void TestDialogService::scriptedAnswersInOrder()
{
    ScriptedDialogs dialogs;
    dialogs.queueAnswer(false);
    QCOMPARE(dialogs.askOkCancel(nullptr, "Quitter", "Voulez-vous quitter ?"), false);
    QCOMPARE(dialogs.askOkCancel(nullptr, "Quitter", "Encore ?"), true); // nothing queued: OK
    dialogs.inform(nullptr, DialogService::Icon::Critical, "Fichier non valide",
                   "Ce fichier ne correspond pas à cette application");

    const auto& shown = dialogs.shown();
    QCOMPARE(shown.size(), std::size_t(3));
    QCOMPARE(shown[0].icon, DialogService::Icon::Question);
    QCOMPARE(shown[1].text, QString("Encore ?"));
    QCOMPARE(shown[2].icon, DialogService::Icon::Critical);
    QCOMPARE(shown[2].title, QString("Fichier non valide"));
    dialogs.forget();
    QVERIFY(dialogs.shown().empty());
}

void TestDialogService::scriptedColours()
{
    ScriptedDialogs dialogs;
    dialogs.queueColour(QColor(255, 128, 0));
    dialogs.queueColour(std::nullopt);
    QCOMPARE(dialogs.chooseColour(nullptr, Qt::red), std::optional<QColor>(QColor(255, 128, 0)));
    QCOMPARE(dialogs.lastInitialColour(), std::optional<QColor>(QColor(Qt::red)));
    QCOMPARE(dialogs.chooseColour(nullptr, Qt::blue), std::nullopt);
    QCOMPARE(dialogs.chooseColour(nullptr, Qt::green), std::nullopt); // nothing queued: cancelled
    QCOMPARE(dialogs.lastInitialColour(), std::optional<QColor>(QColor(Qt::green)));
}

void TestDialogService::installAndRestore()
{
    DialogService& real = DialogService::current();
    ScriptedDialogs dialogs;
    DialogService::install(&dialogs);
    QCOMPARE(&DialogService::current(), static_cast<DialogService*>(&dialogs));
    DialogService::install(nullptr);
    QCOMPARE(&DialogService::current(), &real);
    QVERIFY(&real != static_cast<DialogService*>(&dialogs));
}

void TestDialogService::scriptedModalWindows()
{
    ScriptedDialogs dialogs;
    QDialog first;
    first.setObjectName("confimp");
    QDialog second;
    second.setObjectName("graphes");
    dialogs.queueModal([](QDialog& dialog) { dialog.accept(); });
    QCOMPARE(dialogs.runModal(first), int(QDialog::Accepted));
    QCOMPARE(dialogs.runModal(second), int(QDialog::Rejected)); // nothing queued: closed
    QCOMPARE(dialogs.modalsShown(), (std::vector<QString>{"confimp", "graphes"}));
}

void TestDialogService::realQuestionEscapesToCancel()
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        buttons = box->standardButtons();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(DialogService::current().askOkCancel(nullptr, "Quitter", "Voulez-vous quitter ?"), false);
    QCOMPARE(title, QString("Quitter"));
    QCOMPARE(text, QString("Voulez-vous quitter ?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QMessageBox::Ok | QMessageBox::Cancel);
}

void TestDialogService::realQuestionOk()
{
    whenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Return); // the default button
    });
    QCOMPARE(DialogService::current().askOkCancel(nullptr, "Quitter", "Voulez-vous quitter ?"), true);
}

void TestDialogService::realMessageIcon_data()
{
    QTest::addColumn<DialogService::Icon>("icon");
    QTest::addColumn<QMessageBox::Icon>("expected");
    QTest::addRow("information") << DialogService::Icon::Information << QMessageBox::Information;
    QTest::addRow("warning") << DialogService::Icon::Warning << QMessageBox::Warning;
    QTest::addRow("critical") << DialogService::Icon::Critical << QMessageBox::Critical;
}

void TestDialogService::realMessageIcon()
{
    QFETCH(DialogService::Icon, icon);
    QFETCH(QMessageBox::Icon, expected);
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    int buttons = 0;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        shown = box->icon();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    DialogService::current().inform(nullptr, icon, "Avertissement", "Texte");
    QCOMPARE(shown, expected);
    QCOMPARE(buttons, 1);
}

void TestDialogService::realColourCancelled()
{
    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(DialogService::current().chooseColour(nullptr, Qt::red), std::nullopt);
}

void TestDialogService::realColourAccepted()
{
    whenModal([](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        QVERIFY(chooser);
        chooser->accept();
    });
    QCOMPARE(DialogService::current().chooseColour(nullptr, QColor(0, 128, 0)),
             std::optional<QColor>(QColor(0, 128, 0)));
}

void TestDialogService::realPrinterChoiceCancelled()
{
    bool printerDialog = false;
    whenModal([&](QWidget* modal) {
        printerDialog = qobject_cast<QPrintDialog*>(modal) != nullptr;
        qobject_cast<QDialog*>(modal)->reject();
    });
    QPrinter printer;
    QCOMPARE(DialogService::current().choosePrinter(nullptr, printer), false);
    QVERIFY(printerDialog);
}

void TestDialogService::realPreviewPaintsThePages()
{
    bool previewDialog = false;
    whenModal([&](QWidget* modal) {
        previewDialog = qobject_cast<QPrintPreviewDialog*>(modal) != nullptr;
        qobject_cast<QDialog*>(modal)->reject();
    });
    QPrinter printer;
    int paintings = 0;
    DialogService::current().previewPrint(nullptr, printer, [&paintings](QPrinter& target) {
        ++paintings;
        QPainter painter(&target);
        painter.drawText(100, 100, QStringLiteral("Aperçu"));
    });
    QVERIFY(previewDialog);
    QVERIFY(paintings >= 1);
}

void TestDialogService::scriptedFileNames()
{
    ScriptedDialogs dialogs;
    dialogs.queueFileName(QStringLiteral("/tmp/a.csv"));
    QCOMPARE(dialogs.chooseSaveFile(nullptr, "Enregistrer", "/home/tableau.csv", "Tableau (*.csv)"),
             std::optional<QString>("/tmp/a.csv"));
    QCOMPARE(dialogs.lastSuggestedPath(), QString("/home/tableau.csv"));
    QCOMPARE(dialogs.chooseSaveFile(nullptr, "Enregistrer", "/home/b.csv", "Tableau (*.csv)"), std::nullopt);
    QCOMPARE(dialogs.lastSuggestedPath(), QString("/home/b.csv"));
    QVERIFY(dialogs.shown().empty());
}

void TestDialogService::realSaveFileCancelled()
{
    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(DialogService::current().chooseSaveFile(nullptr, "Enregistrer le tableau", QDir::tempPath(),
                                                     "Tableau de valeurs (*.csv)"),
             std::nullopt);
}

// A name typed without its extension gets the filter's.
void TestDialogService::realSaveFileAddsExtension()
{
    QTemporaryDir directory;
    whenModal([&directory](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QString("Enregistrer le tableau"));
        chooser->setDirectory(directory.path());
        chooser->selectFile(QStringLiteral("mesures"));
        QMetaObject::invokeMethod(chooser, "accept");
    });
    const std::optional<QString> path = DialogService::current().chooseSaveFile(
        nullptr, "Enregistrer le tableau", directory.filePath("tableau.csv"), "Tableau de valeurs (*.csv)");
    QCOMPARE(path, std::optional<QString>(directory.filePath("mesures.csv")));
}

TAVREL_TEST_MAIN(TestDialogService)
#include "test_dialogservice.moc"
