#include "ui/soundservice.h"
#include "common/testmain.h"
#include "common/timebound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestSoundService : public QObject {
    Q_OBJECT
private slots:
    void installAndRestore();
    void realServiceIsHarmlessWithoutAudio();
};

void TestSoundService::installAndRestore()
{
    SoundService& real = SoundService::current();
    RecordingSound recording;
    SoundService::install(&recording);
    SoundService::current().beep();
    QCOMPARE(recording.beeps(), 1);
    SoundService::install(nullptr);
    QCOMPARE(&SoundService::current(), &real);
}

namespace {

// A twentieth of a second of 8-bit mono silence.
bool writeSilence(const QString& path)
{
    const quint32 rate = 8000, samples = rate / 20;
    auto le32 = [](quint32 v) { v = qToLittleEndian(v); return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto le16 = [](quint16 v) { v = qToLittleEndian(v); return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    const QByteArray wave = "RIFF" + le32(36 + samples) + "WAVEfmt " + le32(16) + le16(1) + le16(1)
                            + le32(rate) + le32(rate) + le16(1) + le16(8) + "data" + le32(samples)
                            + QByteArray(samples, char(0x80));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size();
}

} // namespace

// A CI machine has no sound card: the real service must neither crash nor
// block, whether the file exists or not.
void TestSoundService::realServiceIsHarmlessWithoutAudio()
{
    // What the audio back end says of a machine without sound, if anything.
    const testsupport::ToleratedMessages noAudio(
        QRegularExpression(QStringLiteral("^(PulseAudioService: .*|No audio device detected)$")));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    SoundService& sound = SoundService::current();
    QElapsedTimer clock;
    clock.start();
    sound.play(); // nothing open yet
    sound.close();
    sound.open(dir.filePath("absent.wav"));
    sound.play();
    sound.play();
    QTest::qWait(50);
    sound.close();
    QVERIFY(writeSilence(dir.filePath("silence.wav")));
    sound.open(dir.filePath("silence.wav"));
    QTest::qWait(50);
    sound.play();
    sound.close();
    sound.beep();
    QVERIFY2(clock.elapsed() < testsupport::timeBound(2000), "the sound calls must not wait for a device");
}

TAVREL_TEST_MAIN(TestSoundService)
#include "test_soundservice.moc"
