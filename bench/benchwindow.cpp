#include "bench/benchwindow.h"

#include "app/feuillep.h"
#include "ui/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdio>

namespace benchwindow {

void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

Session::Session()
{
    const QDir data(QStringLiteral(TAVREL_APP_DIR));
    const QStringList files = data.entryList(QDir::Files);
    m_ready = m_directory.isValid() && !files.isEmpty();
    for (const QString& file : files)
        if (file.contains(QLatin1Char('.')) && !file.endsWith(QLatin1String(".TMP")))
            m_ready = QFile::copy(data.filePath(file), m_directory.filePath(file)) && m_ready;
    if (!m_ready) {
        std::fprintf(stderr, "Cannot copy the data files of %s\n", TAVREL_APP_DIR);
        return;
    }
    setApplicationDirectory(m_directory.path());
    DialogService::install(&m_dialogs);
    SoundService::install(&m_sound);
}

Session::~Session()
{
    DialogService::install(nullptr);
    SoundService::install(nullptr);
    setApplicationDirectory(QString());
}

void show(FeuilleP& window)
{
    window.show();
    QCoreApplication::processEvents();
}

void enter(QLineEdit* field, const QString& text)
{
    field->setText(text);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &enter);
}

} // namespace benchwindow
