// Makes the screenshots of the AppStream description from the real program:
// a flight with its vectors and live graph, a chronophotography, the graphs
// window and an exercise, each as the window shows it.
//
//   cmake --install build --prefix /tmp/tavrel
//   xvfb-run -a make_screenshots /tmp/tavrel/share/tavrel-ts desktop/screenshots
// (an installed copy, so that the exercise's path reads as a school's would).

#include "tools/windowshot/windowshot.h"

#include "app/feuillep.h"
#include "ui/appdir.h"

#include <QApplication>
#include <QDialog>
#include <QDir>

namespace {

// The graphs window of the flight just made, as it opens.
void graphsWindow(windowshot::Session& session, const windowshot::Driver& user, const QString& out)
{
    session.dialogs().queueModal([&out](QDialog& graphs) {
        graphs.show();
        windowshot::wait(300);
        windowshot::save(graphs.grab().toImage(), QDir(out).filePath(QStringLiteral("graphes.png")));
    });
    user.click("Command14");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const windowshot::Arguments given = windowshot::arguments(argc, argv, "screenshots directory");
    windowshot::Session session(given.application);
    const QDir out(given.output);
    out.mkpath(QStringLiteral("."));

    FeuilleP window;
    const windowshot::Driver user(window);

    // A stone in flight near its height, with its trajectory, frame, velocity
    // and weight, and the live graph of y(t).
    user.choose("Combo2", 1);
    user.tick("Check8");
    user.tick("Check1");
    user.openTab("Picture1");
    user.tick("Check5");
    user.tick("Check12");
    user.openTab("Frame1");
    user.tick("Check13_1");
    user.click("Command6");
    user.click("command15");
    windowshot::wait(900);
    user.click("command16");
    windowshot::save(user.grab(), out.filePath(QStringLiteral("fenetre.png")));
    user.click("command16");
    windowshot::wait(2500);

    graphsWindow(session, user, out.path());

    // A chronophotography of the bouncing ball with its projections.
    user.click("Command13");
    user.tick("Check5", false);
    user.tick("Check12", false);
    user.choose("Combo2", 2);
    user.openTab("Picture6");
    user.enter("chrono", QStringLiteral("250"));
    user.tick("Check11");
    user.click("command12");
    windowshot::wait(3600);
    windowshot::save(user.grab(), out.filePath(QStringLiteral("chronophotographie.png")));

    // An exercise opened as from the file manager: its statement beside its
    // situation.
    user.openTab("Picture3");
    window.openCommandLine({applicationDirectory() + QStringLiteral("portee.E43")});
    windowshot::wait(300);
    windowshot::save(user.grab(), out.filePath(QStringLiteral("exercice.png")));
    return 0;
}
