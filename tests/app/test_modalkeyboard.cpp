// The modal windows of the main window by keyboard alone: Tab walks each
// one in reading order, every control it reaches has a name for screen
// readers, and Escape closes the window wherever the focus stands.

#include "app/windowfixture.h"
#include "common/tabwalk.h"
#include "common/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>

namespace {

struct ModalCase {
    const char* window; // its objectName
    std::function<void(FeuilleP&)> open;
    QStringList stops; // the objectNames Tab reaches from the first, in order
    QStringList names; // what a screen reader says of each
};

const std::vector<ModalCase>& cases()
{
    static const std::vector<ModalCase> table{
        {"graphes",
         [](FeuilleP& w) {
             // A kind checked, so that the window shows its table.
             w.ui().Check13[0]->click();
             WindowFixture::activate(w.ui().Command14);
         },
         {"Check1_0", "Check1_1", "Check1_2", "Check1_3", "Check1_4", "Check1_5", "Check1_6", "Check1_7", "Image1_4",
          "Image1_3", "Image1_2", "Image1_1", "MSFlexGrid1"},
         {"x(t)", "y(t)", "vx(t)", "vy(t)", "v(t)", "Ec(t)", "Ep(t)", "Em(t)", "Calculatrice", "Copier", "Imprimer",
          "Fermer", "Tableau de valeurs"}},
        {"Fichexo",
         [](FeuilleP& w) {
             w.findChild<QMenu*>(QStringLiteral("optionexo"))
                 ->findChild<QAction*>(QStringLiteral("openexo"))
                 ->trigger();
         },
         {"Drive1", "Dir1", "File1", "Image5"},
         // A list that drops down is said by its current item.
         {"Dossier du logiciel", "Dossiers", "Exercices", "Fermer"}},
        {"confimp",
         [](FeuilleP& w) { WindowFixture::activate(w.ui().Command10); },
         {"printScene", "pageTitle", "copies", "centreHorizontally", "centreVertically", "printers", "preview", "print",
          "cancel"},
         {"Imprimer l'animation", "Titre de la page", "Nombre d'exemplaires", "Centrer l'image horizontalement",
          "Centrer l'image verticalement", "Imprimantes", "Aperçu", "Imprimer", "Annuler"}},
    };
    return table;
}

} // namespace

class TestModalKeyboard : public QObject {
    Q_OBJECT
private slots:
    void tabOrderAndEscape_data();
    void tabOrderAndEscape();
};

void TestModalKeyboard::tabOrderAndEscape_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < cases().size(); ++i)
        QTest::newRow(cases()[i].window) << int(i);
}

void TestModalKeyboard::tabOrderAndEscape()
{
    QFETCH(int, index);
    const ModalCase& modal = cases()[size_t(index)];
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QStringList reached, spoken, notClosed;
    f.dialogs.queueModal([&](QDialog& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (const auto& stop : testsupport::walkTabOrder(&dialog, dialog.findChild<QWidget*>(modal.stops.front()))) {
            reached << stop.objectName;
            spoken << stop.accessibleName;
            auto* control = dialog.findChild<QWidget*>(stop.objectName);
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Escape);
            if (dialog.isVisible() || dialog.result() != QDialog::Rejected)
                notClosed << stop.objectName;
            dialog.show();
        }
        dialog.hide();
    });
    modal.open(w);
    QCOMPARE(f.dialogs.modalsShown(), std::vector<QString>{QString::fromLatin1(modal.window)});
    QCOMPARE(reached, modal.stops);
    QCOMPARE(spoken, modal.names);
    QCOMPARE(notClosed, QStringList());
}

TAVREL_TEST_MAIN(TestModalKeyboard)
#include "test_modalkeyboard.moc"
