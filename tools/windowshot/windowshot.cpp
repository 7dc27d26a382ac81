#include "tools/windowshot/windowshot.h"

#include "app/feuillep.h"
#include "ui/appdir.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace windowshot {

void fail(const QString& what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    std::exit(1);
}

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(const QImage& picture, const QString& path)
{
    if (!picture.save(path))
        fail(QStringLiteral("cannot write %1").arg(path));
    std::printf("%s %dx%d\n", qPrintable(path), picture.width(), picture.height());
}

Arguments arguments(int argc, char* argv[], const char* output)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <application directory> <%s>\n", argv[0], output);
        std::exit(2);
    }
    return {QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])};
}

Session::Session(const QString& applicationDirectory)
{
    installFrenchTranslations(*qApp);
    setApplicationDirectory(applicationDirectory);
    DialogService::install(&m_dialogs);
    SoundService::install(&m_sound);
}

Session::~Session()
{
    DialogService::install(nullptr);
    SoundService::install(nullptr);
}

Driver::Driver(FeuilleP& window) : m_window(window)
{
    if (window.failedFatally())
        fail(QStringLiteral("the window could not start"));
    window.show();
    window.activateWindow();
    wait(300);
}

QWidget* Driver::namedControl(const char* name) const
{
    auto* widget = m_window.findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget)
        fail(QStringLiteral("no control %1 in the window").arg(QLatin1String(name)));
    return widget;
}

void Driver::openTab(const char* panel) const
{
    QWidget* strip = namedControl("Onglets");
    QWidget* wanted = namedControl(panel);
    for (int x = 2; x < strip->width() && !wanted->isVisible(); x += 4) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(x, 5), strip->mapToGlobal(QPointF(x, 5)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &release);
        QApplication::processEvents();
    }
    if (!wanted->isVisible())
        fail(QStringLiteral("the tab of %1 does not open").arg(QLatin1String(panel)));
}

void Driver::tick(const char* box, bool ticked) const
{
    auto* check = control<QCheckBox>(box);
    if (check->isChecked() != ticked)
        check->click();
    QApplication::processEvents();
}

void Driver::click(const char* button) const
{
    control<QAbstractButton>(button)->click();
    QApplication::processEvents();
}

void Driver::choose(const char* list, int index) const
{
    auto* box = control<QComboBox>(list);
    // The list opened, the arrows to the entry, Enter: that alone emits
    // activated, which the window's handler follows.
    box->showPopup();
    QWidget* entries = box->view();
    const auto press = [entries](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(entries, &event);
    };
    press(Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        press(Qt::Key_Down);
    press(Qt::Key_Return);
    if (box->currentIndex() != index)
        fail(QStringLiteral("entry %1 of %2 cannot be chosen").arg(index).arg(QLatin1String(list)));
    QApplication::processEvents();
}

void Driver::enter(const char* field, const QString& text) const
{
    auto* edit = control<QLineEdit>(field);
    edit->setFocus();
    edit->setText(text);
    namedControl("Frame3")->setFocus();
    QApplication::processEvents();
}

void Driver::clickAt(const char* name, QPoint at) const
{
    QWidget* target = namedControl(name);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    QApplication::processEvents();
}

void Driver::waitForLanding() const
{
    for (int i = 0; i < 600 && m_window.timerRunning(); ++i)
        wait(50);
    if (m_window.timerRunning())
        fail(QStringLiteral("the flight did not end within 30 s"));
}

QImage Driver::grab() const { return m_window.grab().toImage(); }

QImage Driver::grab(const char* name) const { return namedControl(name)->grab().toImage(); }

QImage Driver::grabRegion(std::initializer_list<const char*> names) const
{
    QRect region;
    for (const char* name : names) {
        QWidget* widget = namedControl(name);
        region |= QRect(widget->mapTo(&m_window, QPoint(0, 0)), widget->size());
    }
    return m_window.grab(region.adjusted(-6, -6, 6, 6)).toImage();
}

} // namespace windowshot
