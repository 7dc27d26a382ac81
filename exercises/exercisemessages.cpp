#include "exercises/exercisemessages.h"

#include "ui/dialogservice.h"

namespace exercises {

void reportUnreadable(QWidget* parent)
{
    DialogService::current().inform(parent, DialogService::Icon::Critical, QStringLiteral("Lecture impossible"),
                                    QStringLiteral("Vérifier:\r\n- le nom du fichier,\r\n- l'état du lecteur."));
}

void reportMissing(QWidget* parent, const QString& path)
{
    DialogService::current().inform(parent, DialogService::Icon::Critical, QStringLiteral("Fichier absent"),
                                    QStringLiteral("Le fichier ") + path + QStringLiteral(" est introuvable"));
}

void reportMissingGettingStarted(QWidget* parent)
{
    DialogService::current().inform(parent, DialogService::Icon::Critical,
                                    QStringLiteral("Erreur lors du chargement"),
                                    QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."));
}

} // namespace exercises

namespace exercises {

void reportWriteFailure(QWidget* parent)
{
    DialogService::current().inform(parent, DialogService::Icon::Critical, QStringLiteral("Enregistrement impossible"),
                                    QStringLiteral("Ecriture impossible sur disque"));
}

bool askOverwrite(QWidget* parent, const QString& path)
{
    return DialogService::current().askOkCancel(
        parent, QStringLiteral("Ecraser le fichier?"),
        QStringLiteral("Le fichier ") + path + QStringLiteral(" existe déjà.") + QStringLiteral("\r\n")
            + QStringLiteral("Ecraser l'ancien?"));
}

bool askLoseEdits(QWidget* parent)
{
    return DialogService::current().askOkCancel(parent, QStringLiteral("Abandon des données?"),
                                                QStringLiteral("Attention: perte des modifications du texte."));
}

} // namespace exercises
