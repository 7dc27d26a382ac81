#include "app/feuillep.h"
#include "app/zoom.h"
#include "ui/translations.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    zoom::setUpZoom(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel TS"));
    // The desktop shows the window under the menu entry's name and icon.
    QApplication::setDesktopFileName(QStringLiteral(TAVREL_APP_ID));
    installFrenchTranslations(app);

    FeuilleP window;
    if (window.failedFatally())
        return 1;
    window.show();
    window.activateWindow();
    // The files of the command line (Qt has taken its own options out, the
    // zoom is ours) open once the window is up, so that their messages stand over it.
    const QStringList files = zoom::takeZoomArgument(QApplication::arguments().mid(1)).others;
    if (!files.isEmpty())
        QTimer::singleShot(0, &window, [&window, files] { window.openCommandLine(files); });
    return app.exec();
}
