#include "app/feuillep.h"
#include "ui/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel TS"));
    installFrenchTranslations(app);

    FeuilleP window;
    if (window.failedFatally())
        return 1;
    window.show();
    window.activateWindow();
    return app.exec();
}
