// view_exercises: opens every exercise of a folder in the real main window,
// through the chooser as a pupil would, then its correction, and saves for
// each what the window shows (the correction after its throw has run) and
// the whole text of the exercise box, to look at before shipping.
//
//   xvfb-run -a view_exercises <built application directory> <pictures directory>

#include "app/feuillep.h"
#include "ui/appdir.h"
#include "ui/dialogservice.h"
#include "ui/soundservice.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

namespace {

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void trigger(FeuilleP& window, const char* item)
{
    auto* menu = window.findChild<QMenu*>(QStringLiteral("optionexo"));
    if (QAction* action = menu ? menu->findChild<QAction*>(QLatin1String(item)) : nullptr)
        action->trigger();
}

// The text at the width of the box, every line of it.
QImage wholeText(QTextEdit* box)
{
    QTextDocument* document = box->document();
    const double width = document->textWidth();
    QImage page(box->viewport()->width(), int(document->size().height()) + 1, QImage::Format_RGB32);
    page.fill(box->viewport()->palette().color(QPalette::Base));
    QPainter painter(&page);
    document->drawContents(&painter);
    painter.end();
    document->setTextWidth(width);
    return page;
}

void save(const QImage& picture, const QString& path)
{
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// Runs the throw until the date returns to 0 at its end, or for ten seconds.
void runThrow(FeuilleP& window)
{
    window.findChild<QAbstractButton*>(QStringLiteral("command15"))->click();
    bool started = false;
    for (int i = 0; i < 200; ++i) {
        wait(50);
        if (window.state().simTime > 0)
            started = true;
        else if (started)
            break;
    }
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
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());
    ScriptedDialogs dialogs;
    DialogService::install(&dialogs);
    RecordingSound sound;
    SoundService::install(&sound);

    FeuilleP window;
    if (window.failedFatally())
        return 1;
    window.show();
    wait(300);
    const QStringList names = QDir(applicationDirectory()).entryList({QStringLiteral("*.E43")}, QDir::Files);
    for (const QString& name : names) {
        const QString stem = QFileInfo(name).completeBaseName();
        dialogs.queueModal([&](QDialog& chooser) {
            auto* list = chooser.findChild<QListWidget*>(QStringLiteral("File1"));
            const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
            if (items.isEmpty())
                return;
            list->setCurrentItem(items.front());
            chooser.show();
            wait(100);
            save(chooser.grab().toImage(), out.filePath(stem + QStringLiteral("_choix.png")));
            chooser.findChild<QAbstractButton*>(QStringLiteral("ouvreur"))->click();
        });
        trigger(window, "openexo");
        wait(200);
        save(window.grab().toImage(), out.filePath(stem + QStringLiteral("_enonce.png")));
        save(wholeText(window.ui().supertext), out.filePath(stem + QStringLiteral("_enonce_texte.png")));
        trigger(window, "opencor");
        runThrow(window);
        save(window.grab().toImage(), out.filePath(stem + QStringLiteral("_corrige.png")));
        save(wholeText(window.ui().supertext), out.filePath(stem + QStringLiteral("_corrige_texte.png")));
        for (const ScriptedDialogs::Shown& shown : dialogs.shown())
            std::fprintf(stderr, "%s: %s: %s\n", qPrintable(name), qPrintable(shown.title), qPrintable(shown.text));
        dialogs.forget();
    }
    DialogService::install(nullptr);
    SoundService::install(nullptr);
    return 0;
}
