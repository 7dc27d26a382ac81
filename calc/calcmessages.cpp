#include "calc/calcmessages.h"

QString calcMessage(CalcStatus status)
{
    switch (status) {
    case CalcStatus::Parentheses: return QStringLiteral("Erreur saisie: revoir les parenthèses");
    case CalcStatus::Operators: return QStringLiteral("Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
    case CalcStatus::Impossible: return QStringLiteral("Calcul impossible");
    case CalcStatus::Overflow: return QStringLiteral("Dépassement de capacité");
    case CalcStatus::Value:
    case CalcStatus::Blank: break;
    }
    return {};
}

QString patienceNotice() { return QStringLiteral("    Patience... Calculs en cours.     "); }
