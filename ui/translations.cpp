#include "ui/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installFrenchTranslations(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator; // English buttons are better than no program
}
