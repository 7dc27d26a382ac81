// Makes the pictures of the user manual from the real program: it opens the
// main window, plays a few situations as a user would (tabs, options, a
// flight, a chronophotography) and saves what the window shows.
//
//   xvfb-run -a make_help_pictures <built application directory> data/help/images

#include "app/feuillep.h"
#include "app/helpwindow.h"
#include "ui/appdir.h"
#include "ui/confimp.h"
#include "ui/dialogservice.h"
#include "ui/soundservice.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <cstdio>

namespace {

class Pictures {
public:
    Pictures(FeuilleP& window, const QString& directory) : m_window(window), m_directory(directory) {}

    template <typename Widget = QWidget>
    Widget* control(const char* name) const
    {
        auto* widget = m_window.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) {
            std::fprintf(stderr, "no control %s in the window\n", name);
            std::exit(1);
        }
        return widget;
    }

    static void wait(int milliseconds)
    {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }

    // Opens a tab by releasing the mouse along the caption row until the
    // tab's panel shows.
    void openTab(const char* panel) const
    {
        QWidget* strip = control("Onglets");
        QWidget* wanted = control(panel);
        for (int x = 2; x < strip->width() && !wanted->isVisible(); x += 4) {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(x, 5), strip->mapToGlobal(QPointF(x, 5)),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(strip, &release);
            QApplication::processEvents();
        }
    }

    void tick(const char* box, bool ticked = true) const
    {
        auto* check = control<QCheckBox>(box);
        if (check->isChecked() != ticked)
            check->click();
    }

    void click(const char* button) const
    {
        control<QAbstractButton>(button)->click();
        QApplication::processEvents();
    }

    // A choice in a list, as the user's click makes it.
    void choose(const char* list, int index) const
    {
        auto* box = control<QComboBox>(list);
        box->setCurrentIndex(index);
        emit box->activated(index);
        QApplication::processEvents();
    }

    void enter(const char* field, const QString& text) const
    {
        auto* edit = control<QLineEdit>(field);
        edit->setFocus();
        edit->setText(text);
        control("Frame3")->setFocus(); // leaving the field validates it
        QApplication::processEvents();
    }

    void save(const QImage& picture, const char* name) const
    {
        const QString path = QDir(m_directory).filePath(QString::fromLatin1(name));
        if (!picture.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(1);
        }
        std::printf("%s %dx%d\n", qPrintable(path), picture.width(), picture.height());
    }

    void saveWidget(QWidget* widget, const char* name) const { save(widget->grab().toImage(), name); }

    // The region of the window that holds these controls, with a margin.
    void saveRegion(std::initializer_list<const char*> names, const char* file) const
    {
        QRect region;
        for (const char* name : names) {
            QWidget* widget = control(name);
            region |= QRect(widget->mapTo(&m_window, QPoint(0, 0)), widget->size());
        }
        save(m_window.grab(region.adjusted(-6, -6, 6, 6)).toImage(), file);
    }

private:
    FeuilleP& m_window;
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
    pictures.saveWidget(&dialog, "confimp.png");
}

void helpWindowPicture(const Pictures& pictures)
{
    HelpWindow help(HelpWindow::installedManual());
    help.resize(900, 560);
    help.show();
    help.search(QStringLiteral("rebonds"));
    Pictures::wait(200);
    pictures.saveWidget(&help, "aide.png");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installFrenchTranslations(app);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <application directory> <pictures directory>\n", argv[0]);
        return 2;
    }
    setApplicationDirectory(QString::fromLocal8Bit(argv[1]));
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    // No box may wait for an answer and no sound may play while pictures are taken.
    ScriptedDialogs dialogs;
    DialogService::install(&dialogs);
    RecordingSound sound;
    SoundService::install(&sound);

    FeuilleP window;
    if (window.failedFatally())
        return 1;
    window.show();
    window.activateWindow();
    Pictures pictures(window, out);
    Pictures::wait(300);

    printDialogPicture(pictures);
    helpWindowPicture(pictures);

    // The graph choice as it opens at start-up, then y(t) chosen.
    pictures.openTab("Frame1");
    pictures.saveWidget(pictures.control("Onglets"), "choixgraphe.png");
    pictures.tick("Check13_1");
    pictures.click("Command6");

    pictures.openTab("Picture3");
    pictures.saveWidget(pictures.control("Onglets"), "parametres.png");

    pictures.openTab("Frame2");
    pictures.tick("Check8");
    pictures.saveWidget(pictures.control("Onglets"), "affichage.png");

    pictures.openTab("Picture1");
    pictures.tick("Check5");
    pictures.tick("Check12");
    pictures.saveWidget(pictures.control("Onglets"), "vecteurs.png");

    // A stone in flight, paused at its height, with its trajectory, vectors
    // and graph.
    pictures.choose("Combo2", 1);
    pictures.tick("Check8");
    pictures.tick("Check1");
    pictures.openTab("Frame1");
    pictures.click("command15");
    Pictures::wait(900);
    pictures.click("command16");
    QApplication::processEvents();
    pictures.saveWidget(&window, "fenetre.png");
    pictures.saveWidget(pictures.control("Onglets"), "graphe.png");
    pictures.saveRegion({"command15", "command16", "Image4", "command18", "Command13", "Label3", "Label1"},
                        "controles.png");
    pictures.click("Image4");

    // A chronophotography of the stone with its projections on the axes.
    pictures.click("Command13");
    pictures.tick("Check5", false);
    pictures.tick("Check12", false);
    pictures.openTab("Picture6");
    pictures.enter("chrono", QStringLiteral("200"));
    pictures.tick("Check11");
    pictures.saveWidget(pictures.control("Onglets"), "chrono.png");
    pictures.click("command12");
    Pictures::wait(2500);
    pictures.saveWidget(pictures.control("Frame3"), "chronoscene.png");

    DialogService::install(nullptr);
    SoundService::install(nullptr);
    return 0;
}
