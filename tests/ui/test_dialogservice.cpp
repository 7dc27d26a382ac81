#include "ui/dialogservice.h"
#include "common/testmain.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
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
    void scriptedFiles();
    void realFileDialog_data();
    void realFileDialog();
    void realFileDialogCancelled();

private:
    // Runs `answer` on the modal dialog as soon as it shows; when a class is
    // given, on the shown window of that class (a window closed by an earlier
    // test may still head the modal stack).
    static void whenModal(std::function<void(QWidget*)> answer, const char* className = nullptr);
};

void TestDialogService::whenModal(std::function<void(QWidget*)> answer, const char* className)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, timer, [timer, answer, className] {
        QWidget* modal = QApplication::activeModalWidget();
        if (className) {
            modal = nullptr;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && window->inherits(className))
                    modal = window;
        }
        if (modal) {
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

void TestDialogService::scriptedFiles()
{
    ScriptedDialogs dialogs;
    dialogs.queueFile(QString("/tmp/a.P20"));
    dialogs.queueFile(std::nullopt);
    const DialogService::FileRequest request{"ouvrir", "Ouvrir une configuration", "/tmp", "(*.P20)", false};
    QCOMPARE(dialogs.chooseFile(nullptr, request), std::optional<QString>("/tmp/a.P20"));
    QCOMPARE(dialogs.chooseFile(nullptr, request), std::nullopt);
    QCOMPARE(dialogs.chooseFile(nullptr, request), std::nullopt); // nothing queued: cancelled
    QCOMPARE(dialogs.fileRequests().size(), std::size_t(3));
    QCOMPARE(dialogs.fileRequests()[0].caption, QString("Ouvrir une configuration"));
    dialogs.forget();
    QVERIFY(dialogs.fileRequests().empty());
}

void TestDialogService::realFileDialog_data()
{
    QTest::addColumn<bool>("save");
    QTest::addRow("open") << false;
    QTest::addRow("save") << true;
}

void TestDialogService::realFileDialog()
{
    QFETCH(bool, save);
    QTemporaryDir folder;
    QFile existing(folder.filePath("chute.P20"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();

    QString objectName, title, directory;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::Directory;
    bool confirmsOverwrite = true;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        objectName = dialog->objectName();
        title = dialog->windowTitle();
        directory = dialog->directory().absolutePath();
        mode = dialog->acceptMode();
        fileMode = dialog->fileMode();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        // Typed whole, as selectFile() waits for the folder to be listed.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        name->setText(folder.filePath("chute.P20"));
        QMetaObject::invokeMethod(dialog, "accept");
    }, "QFileDialog");
    const QString name = save ? "enregistrer" : "ouvrir";
    const std::optional<QString> chosen = DialogService::current().chooseFile(
        nullptr, {name, "Légende", folder.path(), "Configurations (*.P20 *.p20)", save});
    QCOMPARE(chosen, std::optional<QString>(folder.filePath("chute.P20")));
    QCOMPARE(objectName, name);
    QCOMPARE(title, QString("Légende"));
    QCOMPARE(directory, QDir(folder.path()).absolutePath());
    QCOMPARE(mode, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(fileMode, save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QVERIFY(!confirmsOverwrite); // our own question asks instead
}

void TestDialogService::realFileDialogCancelled()
{
    whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); }, "QFileDialog");
    QCOMPARE(DialogService::current().chooseFile(nullptr, {"ouvrir", "Ouvrir", QDir::tempPath(), "(*.P20)", false}),
             std::nullopt);
}

TAVREL_TEST_MAIN(TestDialogService)
#include "test_dialogservice.moc"
