#include "scene/helptexts.h"

#include <QHash>
#include <QRegularExpression>

namespace {

const QHash<QString, QString>& fixedTexts()
{
    static const QString options =
        QStringLiteral("Les options d'affichage s'appliquent également à l'image copiée ou imprimée.");
    static const QString animation =
        QStringLiteral("Vous pouvez activer ou arrêter l'animation ou retrouver la position initiale");
    static const QHash<QString, QString> texts{
        {QStringLiteral("Check1"), options},
        {QStringLiteral("Check2"), options},
        {QStringLiteral("Check3"), options},
        {QStringLiteral("Frame2"), options},
        {QStringLiteral("Check4"),
         QStringLiteral("Si cette case est cochée, l'animation sera stoppée si le projectile sort de l'écran.")},
        {QStringLiteral("Check8"), QStringLiteral("La trajectoire est tracée lorsque le projectile est en mouvement")},
        {QStringLiteral("keepPaths"),
         QStringLiteral("Pour comparer des lancers : chaque trajectoire reste sur l'image, jusqu'à cinq")},
        {QStringLiteral("chrono"),
         QStringLiteral("Vous pouvez régler l'intervalle de temps pour la chronophotographie.")},
        {QStringLiteral("Command1"), QStringLiteral("Pour retrouver le module principal et quitter cette application")},
        {QStringLiteral("Command2"), QStringLiteral("Pour retrouver une situation enregistrée")},
        {QStringLiteral("Command7"), QStringLiteral("Si vous rencontrez une difficulté avec cette application")},
        {QStringLiteral("Command8"), QStringLiteral("Machine à calculer")},
        {QStringLiteral("Command10"), QStringLiteral("Pour configurer l'imprimante et imprimer l'image")},
        {QStringLiteral("Command11"), QStringLiteral("Pour conserver la configuration en cours")},
        {QStringLiteral("Command13"),
         QStringLiteral("Pour effacer les chronophotographies de l'image actuelle: bouton « Nouveau »")},
        {QStringLiteral("command15"), animation},
        {QStringLiteral("command18"), animation},
        {QStringLiteral("command16"), animation + QStringLiteral(".")},
        {QStringLiteral("Picture1"),
         QStringLiteral("Les modifications de ces paramètres interviennent sur le projectile en mouvement")},
        {QStringLiteral("Picture3"),
         QStringLiteral("Vous pouvez modifier tous les paramètres : lieu, position et vitesse initiale.")},
        {QStringLiteral("Picture5"), QStringLiteral("Sélectionner le graphe qui sera affiché pendant l'animation")},
        {QStringLiteral("Picture6"), QStringLiteral("Paramètres de la chronophotographie")},
        {QStringLiteral("btexo"),
         QStringLiteral("Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer.")},
        {QStringLiteral("feuilleP"),
         QStringLiteral("Vous pouvez modifier les paramètres,") + QLatin1Char('\n')
             + QStringLiteral("ouvrir une configuration ou un exercice")},
    };
    return texts;
}

bool isSwatch(const QString& objectName)
{
    static const QRegularExpression swatch(QStringLiteral("^Label4_[0-9]$"));
    return swatch.match(objectName).hasMatch();
}

}  // namespace

QString copyConfirmationText()
{
    return QStringLiteral("L'image est copiée: vous pouvez la retrouver depuis toute application Windows (coller)");
}

QString helpTextFor(const QString& objectName, const HelpContext& context)
{
    // The copy confirmation stays until another described control is
    // entered: neither the copy button nor the window behind the copy menu,
    // which the mouse enters again as the menu closes, replaces it.
    const bool keepsConfirmation = objectName == QLatin1String("Command4") || objectName == QLatin1String("feuilleP");
    if (keepsConfirmation && context.currentInfo == copyConfirmationText())
        return QString();
    if (objectName == QLatin1String("Command4")) {
        return QStringLiteral("Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint...");
    }
    if (objectName == QLatin1String("command12")) {
        return context.cameraIdle
                   ? QStringLiteral("Appuyer sur la caméra pour commencer l'enregistrement.")
                   : QStringLiteral("Appuyer sur le bouton pour arrêter l'enregistrement en cours.");
    }
    if (objectName == QLatin1String("Frame1")) {
        if (context.noFlightToGraph)
            return QStringLiteral("Pas de graphe : le projectile part du sol sans être lancé vers le haut");
        return context.graphCanBeEnlarged ? QStringLiteral("Ce graphe peut être agrandi")
                                          : QStringLiteral("Le graphe est tracé pendant l'animation");
    }
    if (isSwatch(objectName))
        return QStringLiteral("Modifier la couleur d'affichage");
    return fixedTexts().value(objectName);
}
