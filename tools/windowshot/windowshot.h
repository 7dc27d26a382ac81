#pragma once
// What the tools that take pictures of the real program share: the program
// set up so that no box waits for an answer and no sound plays, the main
// window shown and driven by its controls' names as a user drives it, and
// the pictures saved.
//
//   QApplication app(argc, argv);
//   const windowshot::Arguments given = windowshot::arguments(argc, argv, "pictures directory");
//   windowshot::Session session(given.application);
//   FeuilleP window;
//   windowshot::Driver driver(window); // shows it, or ends the tool
//   driver.click("command15");
//   windowshot::save(driver.grab(), "fenetre.png");

#include "ui/dialogservice.h"
#include "ui/soundservice.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <initializer_list>

class FeuilleP;

namespace windowshot {

// Ends the tool with this message.
[[noreturn]] void fail(const QString& what);
// Lets the event loop run for this long (animations, painting).
void wait(int milliseconds);
// Writes the picture, or ends the tool; prints its path and size.
void save(const QImage& picture, const QString& path);

// What every such tool is given: the built application directory, and the
// directory it writes into (named `output` in its usage line).
struct Arguments {
    QString application;
    QString output;
};
// Ends the tool with its usage line unless it was given both.
Arguments arguments(int argc, char* argv[], const char* output);

// French texts, the program's data in `applicationDirectory`, every box
// scripted and every sound recorded, for as long as it lives. Make it
// after the QApplication and before the window.
class Session {
public:
    explicit Session(const QString& applicationDirectory);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Answers for the boxes the tool makes the window open.
    ScriptedDialogs& dialogs() { return m_dialogs; }

private:
    ScriptedDialogs m_dialogs;
    RecordingSound m_sound;
};

// The main window shown, activated and settled; its controls set as the
// user sets them.
class Driver {
public:
    explicit Driver(FeuilleP& window);

    FeuilleP& window() const { return m_window; }

    template <typename Widget = QWidget>
    Widget* control(const char* name) const
    {
        auto* widget = qobject_cast<Widget*>(namedControl(name));
        if (!widget)
            fail(QStringLiteral("no control %1 of that kind in the window").arg(QLatin1String(name)));
        return widget;
    }

    // Opens a tab by a click along the caption row until its panel shows.
    void openTab(const char* panel) const;
    void tick(const char* box, bool ticked = true) const;
    void click(const char* button) const;
    // A choice in a list, as the user makes it with the keyboard.
    void choose(const char* list, int index) const;
    // Types the text and leaves the field, which validates it.
    void enter(const char* field, const QString& text) const;
    // A left click at this point of the control, pressed and released.
    void clickAt(const char* name, QPoint at) const;
    // Steps the clock until the flight is over.
    void waitForLanding() const;

    // The whole window, one control, or the region of the window that holds
    // these controls with a margin.
    QImage grab() const;
    QImage grab(const char* name) const;
    QImage grabRegion(std::initializer_list<const char*> names) const;

private:
    QWidget* namedControl(const char* name) const;

    FeuilleP& m_window;
};

} // namespace windowshot
