#pragma once
class QApplication;
// Loads Qt's own French texts so that standard buttons read "Annuler".
void installFrenchTranslations(QApplication& app);
