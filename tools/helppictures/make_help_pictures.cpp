// Makes the pictures of the user manual from the real program: it opens the
// main window, plays a few situations as a user would (tabs, options, a
// flight, a chronophotography) and saves what the window shows.
//
//   xvfb-run -a make_help_pictures <built application directory> data/help/images

#include "app/feuillep.h"
#include "app/helpwindow.h"
#include "scene/pointpick.h"
#include "sim/catalogue.h"
#include "tools/windowshot/windowshot.h"
#include "ui/confimp.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QPrinter>

namespace {

// Saves the pictures into one directory.
class Pictures {
public:
    explicit Pictures(const QString& directory) : m_directory(directory) {}
    void save(const QImage& picture, const char* name) const
    {
        windowshot::save(picture, QDir(m_directory).filePath(QString::fromLatin1(name)));
    }

private:
    QString m_directory;
};

void printDialogPicture(const Pictures& pictures)
{
    QPrinter printer;
    PrintChoices choices;
    choices.page.title = QStringLiteral("Tir d'un ballon sur la Terre");
    const PrintedPicture empty{QSize(1, 1), [](QPainter&) {}};
    Confimp dialog(printer, PrintSubjects{empty, empty}, choices);
    dialog.show();
    QApplication::processEvents();
    pictures.save(dialog.grab().toImage(), "confimp.png");
}

void helpWindowPicture(const Pictures& pictures)
{
    HelpWindow help(HelpWindow::installedManual());
    help.resize(900, 560);
    help.show();
    help.search(QStringLiteral("rebonds"));
    windowshot::wait(200);
    pictures.save(help.grab().toImage(), "aide.png");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const windowshot::Arguments given = windowshot::arguments(argc, argv, "pictures directory");
    windowshot::Session session(given.application);
    QDir().mkpath(given.output);
    const Pictures pictures(given.output);

    FeuilleP window;
    const windowshot::Driver user(window);

    printDialogPicture(pictures);
    helpWindowPicture(pictures);

    // A tab with the boxes ticked that its picture shows.
    const auto tabPicture = [&](const char* panel, std::initializer_list<const char*> ticks, const char* file) {
        user.openTab(panel);
        for (const char* box : ticks)
            user.tick(box);
        pictures.save(user.grab("Onglets"), file);
    };
    // The graph choice as it opens at start-up, then y(t) chosen.
    tabPicture("Frame1", {}, "choixgraphe.png");
    user.tick("Check13_1");
    user.click("Command6");
    tabPicture("Picture3", {}, "parametres.png");
    tabPicture("Frame2", {"Check8"}, "affichage.png");
    tabPicture("Picture1", {"Check5", "Check12"}, "vecteurs.png");

    // A stone in flight, paused at its height, with its trajectory, vectors
    // and graph.
    user.choose("Combo2", 1);
    user.tick("Check8");
    user.tick("Check1");
    user.openTab("Frame1");
    user.click("command15");
    windowshot::wait(900);
    user.click("command16");
    pictures.save(user.grab(), "fenetre.png");
    pictures.save(user.grab("Onglets"), "graphe.png");
    pictures.save(user.grabRegion({"command15", "command16", "Image4", "command18", "Command13", "Label3", "Label1"}),
                  "controles.png");
    user.click("Image4");

    // A chronophotography of the stone with its projections on the axes.
    user.click("Command13");
    user.tick("Check5", false);
    user.tick("Check12", false);
    user.openTab("Picture6");
    user.enter("chrono", QStringLiteral("200"));
    user.tick("Check11");
    pictures.save(user.grab("Onglets"), "chrono.png");
    user.click("command12");
    windowshot::wait(2500);
    pictures.save(user.grab("Frame3"), "chronoscene.png");

    // Five throws of a boule at 10 m/s kept to compare their ranges, the
    // last one at 45°.
    user.click("Command13");
    user.tick("Check11", false);
    user.openTab("Frame2");
    user.tick("keepPaths");
    user.choose("Combo2", sim::Boule);
    user.enter("Text3", QStringLiteral("10"));
    for (const char* alpha : {"15", "30", "60", "75", "45"}) {
        user.enter("Text4", QString::fromLatin1(alpha));
        user.click("command15");
        user.waitForLanding();
    }
    pictures.save(user.grab("Frame3"), "comparer.png");

    // The values read at a point of the last trajectory.
    const QPointF onPath = scene::samplePoint(window.flight().recordedAt(0.5f));
    user.clickAt("Picture2", onPath.toPoint());
    pictures.save(user.grab("Frame3"), "valeurs.png");

    // The scene's menu, opened by a right click.
    QWidget* scenePicture = user.control("Picture2");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(200, 200),
                                 scenePicture->mapToGlobal(QPoint(200, 200)));
    QApplication::sendEvent(scenePicture, &rightClick);
    windowshot::wait(300);
    pictures.save(window.ui().sceneMenu->grab().toImage(), "exporter.png");
    window.ui().sceneMenu->close();
    return 0;
}
