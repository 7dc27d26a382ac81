#pragma once
// Builds the real main window for a test, headless: the data files are
// copied into a private application directory (so that the marker file of
// one test never meets another's), and the dialogs and sounds are answered
// and recorded instead of shown and played.

#include "app/feuillep.h"
#include "ui/appdir.h"
#include "ui/dialogservice.h"
#include "ui/paintedpanel.h"
#include "ui/soundservice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct WindowFixture {
    QTemporaryDir directory;
    ScriptedDialogs dialogs;
    RecordingSound sound;
    std::unique_ptr<FeuilleP> window;

    // missing: data files left out of the application directory.
    explicit WindowFixture(bool withData = true, const QStringList& missing = {})
    {
        if (withData) {
            const QDir data(QStringLiteral(TAVREL_APP_DIR));
            for (const QString& file : data.entryList(QDir::Files))
                if (file.contains(QLatin1Char('.')) && !file.endsWith(QLatin1String(".TMP")) && !missing.contains(file))
                    QFile::copy(data.filePath(file), directory.filePath(file));
            copyManual(data.filePath(QStringLiteral("help")), directory.filePath(QStringLiteral("help")));
        }
        setApplicationDirectory(directory.path());
        DialogService::install(&dialogs);
        SoundService::install(&sound);
        window = std::make_unique<FeuilleP>();
    }

    ~WindowFixture()
    {
        window.reset();
        DialogService::install(nullptr);
        SoundService::install(nullptr);
        setApplicationDirectory(QString());
    }

    FeuilleP& w() { return *window; }

    // The user manual and its pictures.
    static void copyManual(const QString& from, const QString& to)
    {
        QDir().mkpath(to);
        const QDir source(from);
        for (const QString& file : source.entryList(QDir::Files))
            QFile::copy(source.filePath(file), QDir(to).filePath(file));
        for (const QString& folder : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            copyManual(source.filePath(folder), QDir(to).filePath(folder));
    }

    // Presses a control (a button, a box, a swatch) with the mouse, as a user
    // would: a disabled button does nothing.
    static void activate(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

    // Chooses an entry of a list as a user would: opens the list, goes to
    // the entry with the arrows and takes it with Enter. Only that entry is
    // activated, even when it is already the current one; moving the
    // current index alone would activate nothing.
    static void choose(QComboBox* list, int index)
    {
        list->showPopup();
        QAbstractItemView* entries = list->view();
        QTest::keyClick(entries, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(entries, Qt::Key_Down);
        QTest::keyClick(entries, Qt::Key_Return);
        QVERIFY(!entries->isVisible());
        QCOMPARE(list->currentIndex(), index);
    }

    // Brings the window to the front from another window, as a user does by
    // clicking it: it is activated each time.
    void bringToFront()
    {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Types text into a field and validates it with Enter, as a user would:
    // the keys go through the field's filter.
    static void enter(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        field->del();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};
