#include "exercises/fichexo.h"
#include "exercises/exercisefixture.h"

#include "ui/dialogservice.h"
#include "common/testmain.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace exercises;
using namespace exercisefixture;

class TestFichexo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsInTheFolderWithItsExerciseFiles();
    void folderTreeShowsTheStartFolder();
    void captions();
    void nothingSelected();
    void selectionPreviews();
    void correctedOrNot_data();
    void correctedOrNot();
    void difficulty_data();
    void difficulty();
    void unreadableFileIsReported();
    void openingTheSelection();
    void failedOpeningKeepsTheChooser();
    void nothingToOpen();
    void closingWithoutLoading();
    void keyboardAlone();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void select(Fichexo& chooser, const QString& name);
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedDialogs m_dialogs;
};

void TestFichexo::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_dialogs = ScriptedDialogs();
    DialogService::install(&m_dialogs);
    QVERIFY(writeExercise(path("Chute.E43"), describedExercise("", "", " 2")));
    QVERIFY(writeExercise(path("balle.e43"), describedExercise("", "corrige.P20", " 0")));
    QFile other(path("notes.txt"));
    QVERIFY(other.open(QIODevice::WriteOnly));
}

void TestFichexo::cleanup()
{
    DialogService::install(nullptr);
}

void TestFichexo::select(Fichexo& chooser, const QString& name)
{
    const auto items = chooser.ui().File1->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    chooser.ui().File1->setCurrentItem(items.front());
}

void TestFichexo::startsInTheFolderWithItsExerciseFiles()
{
    Fichexo chooser(nullptr, m_dir->path(), {});
    QCOMPARE(chooser.exerciseDirectory(), QDir(m_dir->path()).absolutePath() + "/");
    QStringList names;
    for (int i = 0; i < chooser.ui().File1->count(); ++i)
        names << chooser.ui().File1->item(i)->text();
    QCOMPARE(names, QStringList({"balle.e43", "Chute.E43"}));
    QCOMPARE(chooser.ui().Drive1->itemData(0).toString(), m_dir->path());
}

void TestFichexo::folderTreeShowsTheStartFolder()
{
    Fichexo chooser(nullptr, m_dir->path(), {});
    chooser.show();
    QTreeView* tree = chooser.ui().Dir1;
    QCOMPARE(tree->model()->data(tree->currentIndex(), QFileSystemModel::FilePathRole).toString(),
             QDir(m_dir->path()).absolutePath());
    // Once the folders above it are read, it is still in sight.
    QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
    QTest::qWait(300);
    QVERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
}

void TestFichexo::captions()
{
    Fichexo chooser(nullptr, m_dir->path(), {});
    QCOMPARE(chooser.ui().tito->text(), QString("Ouvrir un exercice"));
    QCOMPARE(chooser.ui().ouvreur->toolTip(), QString("Ouvrir l'exercice sélectionné"));
    QCOMPARE(chooser.ui().Image5->toolTip(), QString("Fermer sans charger d'exercice"));
    QCOMPARE(chooser.ui().Label4->text(), QString("Niveau de difficulté :"));
    QCOMPARE(chooser.ui().Label1->text(), QString("Notions abordées :"));
    QCOMPARE(chooser.ui().intratro->text(), QString("Sélectionner un fichier"));
    const QStringList waiting = {chooser.ui().Frame2->findChild<QLabel*>("Label5")->text(),
                                 chooser.ui().Frame2->findChild<QLabel*>("Label6")->text()};
    QCOMPARE(waiting, QStringList({"Patienter quelques instants", " Chargement des fichiers"}));
    QVERIFY(chooser.isModal());
}

void TestFichexo::nothingSelected()
{
    Fichexo chooser(nullptr, m_dir->path(), {});
    chooser.show();
    QVERIFY(chooser.ui().intratro->isVisible());
    QVERIFY(!chooser.ui().ouvreur->isVisible());
    QVERIFY(!chooser.ui().Label4->isVisible());
    for (QLabel* image : chooser.ui().Image4)
        QVERIFY(!image->isVisible());
    QVERIFY(!chooser.ui().Frame2->isVisible());
}

void TestFichexo::selectionPreviews()
{
    Fichexo chooser(nullptr, m_dir->path(), {});
    chooser.show();
    select(chooser, "Chute.E43");
    const FichexoUi& ui = chooser.ui();
    QCOMPARE(ui.fichierexo->text(), chooser.exerciseDirectory() + "Chute.E43");
    QVERIFY(!ui.intratro->isVisible());
    for (QWidget* shown : std::initializer_list<QWidget*>{ui.Label4, ui.ouvreur, ui.Label1, ui.Label2, ui.Label3})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    QCOMPARE(ui.titratexo->text(), QString("Lancer d'une pomme"));
    QCOMPARE(ui.Text1->toPlainText(), QString("Chute libre\nVecteur vitesse"));
    QCOMPARE(ui.Text2->accessibleName(), QString("3 sabliers"));
    QCOMPARE(ui.Text2->pixmap().width(), 3 * 20);
    QVERIFY(m_dialogs.shown().empty());
}

void TestFichexo::correctedOrNot_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("caption");
    QTest::addRow("records 3 and 4 blank") << "Chute.E43" << "Non corrigé";
    QTest::addRow("only record 4") << "balle.e43" << "Exercice corrigé";
}

void TestFichexo::correctedOrNot()
{
    QFETCH(QString, file);
    QFETCH(QString, caption);
    Fichexo chooser(nullptr, m_dir->path(), {});
    select(chooser, file);
    QCOMPARE(chooser.ui().Label2->text(), caption);
    QCOMPARE(chooser.ui().Label3->text(), caption);
}

void TestFichexo::difficulty_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<QList<bool>>("lit");
    QTest::addRow("level 2") << " 2" << QList<bool>{true, true, false};
    QTest::addRow("level 0") << " 0" << QList<bool>{false, false, false};
    QTest::addRow("level 3") << " 3" << QList<bool>{true, true, true};
    QTest::addRow("level 1,5 by Val is 1") << "1,5" << QList<bool>{true, false, false};
}

void TestFichexo::difficulty()
{
    QFETCH(QString, level);
    QFETCH(QList<bool>, lit);
    // References for the lit and dark pictures: levels 3 and 0.
    QVERIFY(writeExercise(path("lit.E43"), describedExercise("", "", " 3")));
    QVERIFY(writeExercise(path("dark.E43"), describedExercise("", "", " 0")));
    QVERIFY(writeExercise(path("probe.E43"), describedExercise("", "", level)));
    Fichexo chooser(nullptr, m_dir->path(), {});
    chooser.show();
    select(chooser, "lit.E43");
    const QImage litPicture = chooser.ui().Image4[0]->pixmap().toImage();
    select(chooser, "dark.E43");
    const QImage darkPicture = chooser.ui().Image4[0]->pixmap().toImage();
    QVERIFY(litPicture != darkPicture);
    select(chooser, "probe.E43");
    for (int i = 0; i < 3; ++i) {
        QLabel* image = chooser.ui().Image4[std::size_t(i)];
        QCOMPARE(image->objectName(), QString("Image4_%1").arg(i));
        QVERIFY(image->isVisible());
        QCOMPARE(image->pixmap().toImage(), lit[i] ? litPicture : darkPicture);
    }
}

void TestFichexo::unreadableFileIsReported()
{
    QFile broken(path("casse.E43"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    QByteArray bytes(256, '\0');
    bytes[0] = char(0xF0);
    broken.write(bytes);
    broken.close();
    Fichexo chooser(nullptr, m_dir->path(), {});
    select(chooser, "casse.E43");
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    const ScriptedDialogs::Shown& shown = m_dialogs.shown().front();
    QCOMPARE(shown.icon, DialogService::Icon::Critical);
    QCOMPARE(shown.title, QString("Lecture impossible"));
    QCOMPARE(shown.text, QString("Vérifier:\r\n- le nom du fichier,\r\n- l'état du lecteur."));
}

void TestFichexo::openingTheSelection()
{
    QString opened;
    bool waitingShown = false;
    Fichexo* chooserSeen = nullptr;
    Fichexo chooser(nullptr, m_dir->path(), [&](const QString& file) {
        opened = file;
        waitingShown = chooserSeen->ui().Frame2->isVisible();
        return true;
    });
    chooserSeen = &chooser;
    chooser.show();
    select(chooser, "Chute.E43");
    QTest::mouseClick(chooser.ui().ouvreur, Qt::LeftButton);
    QCOMPARE(opened, chooser.exerciseDirectory() + "Chute.E43");
    QVERIFY(waitingShown);
    QVERIFY(!chooser.ui().Frame2->isVisible());
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QVERIFY(!chooser.isVisible());
}

void TestFichexo::failedOpeningKeepsTheChooser()
{
    Fichexo chooser(nullptr, m_dir->path(), [](const QString&) { return false; });
    chooser.show();
    select(chooser, "Chute.E43");
    chooser.ouvreur_Click();
    QVERIFY(chooser.isVisible());
    QVERIFY(!chooser.ui().Frame2->isVisible());
}

void TestFichexo::nothingToOpen()
{
    int calls = 0;
    Fichexo chooser(nullptr, m_dir->path(), [&calls](const QString&) { return ++calls > 0; });
    chooser.show();
    chooser.ouvreur_Click();
    QCOMPARE(calls, 0);
    QVERIFY(chooser.isVisible());
}

void TestFichexo::closingWithoutLoading()
{
    int calls = 0;
    Fichexo chooser(nullptr, m_dir->path(), [&calls](const QString&) { return ++calls > 0; });
    chooser.show();
    select(chooser, "Chute.E43");
    QTest::mouseClick(chooser.ui().Image5, Qt::LeftButton);
    QCOMPARE(calls, 0);
    QCOMPARE(chooser.result(), int(QDialog::Rejected));
    QVERIFY(!chooser.isVisible());
}

// Down to a sub-folder and Enter shows its exercises; Tab to the list, Down
// to its first exercise and Enter opens it.
void TestFichexo::keyboardAlone()
{
    QVERIFY(QDir(m_dir->path()).mkdir("serie"));
    QVERIFY(writeExercise(path("serie/Lune.E43"), describedExercise("", "", " 1")));
    QString opened;
    Fichexo chooser(nullptr, m_dir->path(), [&opened](const QString& file) {
        opened = file;
        return true;
    });
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QTreeView* tree = chooser.ui().Dir1;
    tree->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(tree->model()->rowCount(tree->currentIndex()), 1);
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(chooser.exerciseDirectory(), QDir(m_dir->path()).absolutePath() + "/serie/");

    QTest::keyClick(tree, Qt::Key_Tab);
    QListWidget* list = chooser.ui().File1;
    QVERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(chooser.ui().ouvreur->isVisible());
    QTest::keyClick(list, Qt::Key_Enter);
    QCOMPARE(opened, chooser.exerciseDirectory() + "Lune.E43");
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
}

TAVREL_TEST_MAIN(TestFichexo)
#include "test_fichexo.moc"
