#pragma once
// The impact sound of the current projectile and the system beep. Tests
// install a recording service; the real one is silent and harmless on a
// machine with no audio device.

#include <QString>
#include <vector>

class SoundService {
public:
    virtual ~SoundService() = default;

    // Opens a wave file as the current sound (the previous one must be closed).
    virtual void open(const QString& path) = 0;
    // Plays the current sound from its start.
    virtual void play() = 0;
    virtual void close() = 0;
    virtual void beep() = 0;

    static SoundService& current();
    static void install(SoundService* service);
};

class RecordingSound : public SoundService {
public:
    void open(const QString& path) override { m_opened = path; m_isOpen = true; }
    void play() override { if (m_isOpen) m_played.push_back(m_opened); }
    void close() override { m_isOpen = false; }
    void beep() override { ++m_beeps; }

    const QString& opened() const { return m_opened; }
    bool isOpen() const { return m_isOpen; }
    const std::vector<QString>& played() const { return m_played; }
    int beeps() const { return m_beeps; }
    void forget() { m_played.clear(); m_beeps = 0; }

private:
    QString m_opened;
    bool m_isOpen = false;
    std::vector<QString> m_played;
    int m_beeps = 0;
};
