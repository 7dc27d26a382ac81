#include "ui/soundservice.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace {

// QSoundEffect only reports errors through its status, so a machine without
// an audio device simply plays nothing.
class QtSound : public SoundService {
public:
    void open(const QString& path) override
    {
        // Owned by the application so that it dies with it, before the
        // static service that points at it.
        if (!m_effect)
            m_effect = new QSoundEffect(qApp);
        // A missing sound is silence, not a decoding error.
        m_effect->setSource(QFileInfo(path).isReadable() ? QUrl::fromLocalFile(path) : QUrl());
    }

    void play() override
    {
        if (!m_effect)
            return;
        m_effect->stop();
        m_effect->play();
    }

    void close() override
    {
        if (!m_effect)
            return;
        m_effect->stop();
        m_effect->setSource(QUrl());
    }

    void beep() override { QApplication::beep(); }

private:
    QPointer<QSoundEffect> m_effect;
};

SoundService* installed = nullptr;

} // namespace

SoundService& SoundService::current()
{
    static QtSound real;
    return installed ? *installed : real;
}

void SoundService::install(SoundService* service) { installed = service; }
