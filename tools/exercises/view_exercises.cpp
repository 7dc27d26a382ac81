// view_exercises: opens every exercise of the program's folder in the real
// main window, through the chooser as a pupil would, then its correction,
// and saves for each the chooser, what the window shows (the correction
// after its throw has run) and the whole text of the exercise box, to look
// at before shipping.
//
//   xvfb-run -a view_exercises <built application directory> <pictures directory>

#include "app/feuillep.h"
#include "tools/windowshot/windowshot.h"
#include "ui/appdir.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdio>

namespace {

void trigger(FeuilleP& window, const char* item)
{
    auto* menu = window.findChild<QMenu*>(QStringLiteral("optionexo"));
    QAction* action = menu ? menu->findChild<QAction*>(QLatin1String(item)) : nullptr;
    if (!action)
        windowshot::fail(QStringLiteral("no item %1 in the exercise menu").arg(QLatin1String(item)));
    action->trigger();
}

// The text at the width of the box, every line of it.
QImage wholeText(QTextEdit* box)
{
    QImage page(box->viewport()->width(), int(box->document()->size().height()) + 1, QImage::Format_RGB32);
    page.fill(box->viewport()->palette().color(QPalette::Base));
    QPainter painter(&page);
    box->document()->drawContents(&painter);
    return page;
}

// Runs the throw until the date returns to 0 at its end, or for ten seconds.
void runThrow(const windowshot::Driver& driver)
{
    driver.click("command15");
    bool started = false;
    for (int i = 0; i < 200; ++i) {
        windowshot::wait(50);
        if (driver.window().state().simTime > 0)
            started = true;
        else if (started)
            break;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const windowshot::Arguments given = windowshot::arguments(argc, argv, "pictures directory");
    windowshot::Session session(given.application);
    const QDir out(given.output);
    QDir().mkpath(out.path());
    FeuilleP window;
    const windowshot::Driver driver(window);
    for (const QString& name : QDir(applicationDirectory()).entryList({QStringLiteral("*.E43")}, QDir::Files)) {
        const QString stem = out.filePath(QFileInfo(name).completeBaseName());
        session.dialogs().queueModal([&](QDialog& chooser) {
            auto* list = chooser.findChild<QListWidget*>(QStringLiteral("File1"));
            const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
            if (items.isEmpty())
                windowshot::fail(name + QStringLiteral(" is not in the chooser"));
            list->setCurrentItem(items.front());
            chooser.show();
            windowshot::wait(600);
            windowshot::save(chooser.grab().toImage(), stem + QStringLiteral("_choix.png"));
            chooser.findChild<QAbstractButton*>(QStringLiteral("ouvreur"))->click();
        });
        trigger(window, "openexo");
        windowshot::wait(200);
        windowshot::save(driver.grab(), stem + QStringLiteral("_enonce.png"));
        windowshot::save(wholeText(window.ui().supertext), stem + QStringLiteral("_enonce_texte.png"));
        trigger(window, "opencor");
        runThrow(driver);
        windowshot::save(driver.grab(), stem + QStringLiteral("_corrige.png"));
        windowshot::save(wholeText(window.ui().supertext), stem + QStringLiteral("_corrige_texte.png"));
        for (const ScriptedDialogs::Shown& shown : session.dialogs().shown())
            std::fprintf(stderr, "%s: %s: %s\n", qPrintable(name), qPrintable(shown.title), qPrintable(shown.text));
        session.dialogs().forget();
    }
    return 0;
}
