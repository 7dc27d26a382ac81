#pragma once
// What the window benchmarks share: the real main window, offscreen, on a
// private copy of the data files (so that the marker file never lands in the
// build), with every box scripted and every sound recorded.
//
//   benchwindow::useOffscreenPlatform();
//   QApplication app(argc, argv);
//   benchwindow::Session session;   // check session.ready()
//   FeuilleP w;
//   benchwindow::show(w);

#include "ui/dialogservice.h"
#include "ui/soundservice.h"

#include <QString>
#include <QTemporaryDir>

class FeuilleP;
class QLineEdit;

namespace benchwindow {

// Offscreen unless QT_QPA_PLATFORM says otherwise; call before the
// QApplication is made.
void useOffscreenPlatform();

// The data copy and the services, for as long as it lives; the program
// reads its files from the copy.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // False, with a message already printed, when the data could not be copied.
    bool ready() const { return m_ready; }
    QString directory() const { return m_directory.path(); }
    ScriptedDialogs& dialogs() { return m_dialogs; }

private:
    QTemporaryDir m_directory;
    bool m_ready = false;
    ScriptedDialogs m_dialogs;
    RecordingSound m_sound;
};

// Shows the window and lets it paint once.
void show(FeuilleP& window);

// Puts a value in a field and validates it with Enter, as a user would: the
// key goes through the field's filter to its handler.
void enter(QLineEdit* field, const QString& text);

} // namespace benchwindow
