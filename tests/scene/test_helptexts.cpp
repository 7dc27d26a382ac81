#include "scene/helptexts.h"
#include "common/testmain.h"

#include <QTest>

class TestHelpTexts : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
};

void TestHelpTexts::texts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("currentInfo");
    QTest::addColumn<bool>("cameraIdle");
    QTest::addColumn<bool>("graphCanBeEnlarged");
    QTest::addColumn<QString>("expected");  // null: "info" keeps its text

    const QString options = "Les options d'affichage s'appliquent également à l'image copiée ou imprimée.";
    const QString animation = "Vous pouvez activer ou arrêter l'animation ou retrouver la position initiale";
    const QString copied = "L'image est copiée: vous pouvez la retrouver depuis toute application Windows (coller)";
    const QString copyHelp = "Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint...";
    const QString swatch = "Modifier la couleur d'affichage";

    const auto plain = [](const char* control, const QString& expected) {
        QTest::addRow("%s", control) << QString(control) << QString() << true << false << expected;
    };
    plain("Check1", options);
    plain("Check2", options);
    plain("Check3", options);
    plain("Frame2", options);
    plain("Check4", "Si cette case est cochée, l'animation sera stoppée si le projectile sort de l'écran.");
    plain("Check8", "La trajectoire est tracée lorsque le projectile est en mouvement");
    plain("chrono", "Vous pouvez régler l'intervalle de temps pour la chronophotographie.");
    plain("Command1", "Pour retrouver le module principal et quitter cette application");
    plain("Command2", "Pour retrouver une situation enregistrée");
    plain("Command7", "Si vous rencontrez une difficulté avec cette application");
    plain("Command8", "Machine à calculer");
    plain("Command10", "Pour configurer l'imprimante et imprimer l'image");
    plain("Command11", "Pour conserver la configuration en cours");
    plain("Command13", "Pour effacer les chronophotographies de l'image actuelle: bouton « Nouveau »");
    plain("command15", animation);
    plain("command18", animation);
    plain("command16", animation + ".");
    plain("Picture1", "Les modifications de ces paramètres interviennent sur le projectile en mouvement");
    plain("Picture3", "Vous pouvez modifier tous les paramètres : lieu, position et vitesse initiale.");
    plain("Picture5", "Sélectionner le graphe qui sera affiché pendant l'animation");
    plain("Picture6", "Paramètres de la chronophotographie");
    plain("btexo", "Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer.");
    plain("feuilleP", "Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice");
    plain("Label4_0", swatch);
    plain("Label4_9", swatch);
    plain("Label5", QString());
    plain("Label4_10", QString());
    plain("Command3", QString());

    QTest::newRow("Command4") << "Command4" << "Machine à calculer" << true << false << copyHelp;
    QTest::newRow("Command4 right after a copy") << "Command4" << copied << true << false << QString();
    QTest::newRow("camera idle") << "command12" << QString() << true << false
                                 << "Appuyer sur la caméra pour commencer l'enregistrement.";
    QTest::newRow("camera recording") << "command12" << QString() << false << false
                                      << "Appuyer sur le bouton pour arrêter l'enregistrement en cours.";
    QTest::newRow("graph can be enlarged") << "Frame1" << QString() << true << true << "Ce graphe peut être agrandi";
    QTest::newRow("graph cannot be enlarged") << "Frame1" << QString() << true << false
                                              << "Le graphe est tracé pendant l'animation";
}

void TestHelpTexts::texts()
{
    QFETCH(QString, control);
    QFETCH(QString, currentInfo);
    QFETCH(bool, cameraIdle);
    QFETCH(bool, graphCanBeEnlarged);
    QFETCH(QString, expected);
    const QString text = helpTextFor(control, HelpContext{currentInfo, cameraIdle, graphCanBeEnlarged});
    QCOMPARE(text.isNull(), expected.isNull());
    QCOMPARE(text, expected);
}

TAVREL_TEST_MAIN(TestHelpTexts)
#include "test_helptexts.moc"
