// The impact sounds: short mono 16-bit waves at 22 050 Hz, synthesized from
// decaying sines and filtered noise bursts.
#include "datagen.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace datagen {

namespace {

constexpr int SampleRate = 22050;
constexpr double TwoPi = 2 * std::numbers::pi;

using Samples = std::vector<double>;

Samples silence(double seconds) { return Samples(std::size_t(seconds * SampleRate), 0.0); }

double timeOf(std::size_t i) { return double(i) / SampleRate; }

// A quick rise then an exponential fall: the shape of every knock.
double envelope(double t, double attack, double decay)
{
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Adds a sine whose pitch glides exponentially from startHz to endHz: objects
// that squash on impact drop in pitch as they settle.
void addGlidingSine(Samples &s, double amplitude, double startHz, double endHz, double glide,
                    double attack, double decay)
{
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double hz = endHz + (startHz - endHz) * std::exp(-t / glide);
        phase += TwoPi * hz / SampleRate;
        s[i] += amplitude * envelope(t, attack, decay) * std::sin(phase);
    }
}

void addSine(Samples &s, double amplitude, double hz, double attack, double decay)
{
    addGlidingSine(s, amplitude, hz, hz, 1, attack, decay);
}

// Adds white noise through a one-pole low-pass (cutoff in Hz), or the
// remainder of it (a high-pass) when highPass is true.
void addNoise(Samples &s, Rng &rng, double amplitude, double cutoffHz, bool highPass,
              double attack, double decay)
{
    const double k = 1 - std::exp(-TwoPi * cutoffHz / SampleRate);
    double low = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double white = rng.uniform(-1, 1);
        low += k * (white - low);
        const double filtered = highPass ? white - low : low;
        s[i] += amplitude * envelope(timeOf(i), attack, decay) * filtered;
    }
}

// Brings the peak to about -2 dB and fades the last milliseconds so the
// sound never ends on a click.
void finish(Samples &s)
{
    double peak = 0;
    for (double v : s)
        peak = std::max(peak, std::abs(v));
    const double gain = peak > 0 ? 0.8 / peak : 0;
    const std::size_t fade = SampleRate / 100;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t left = s.size() - i;
        const double tail = left < fade ? double(left) / fade : 1.0;
        s[i] *= gain * tail;
    }
}

void appendLe(QByteArray &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// A canonical RIFF/WAVE file: "fmt " chunk for 16-bit PCM mono, then "data".
bool writeWave(const Samples &s, const QString &path)
{
    const std::uint32_t dataSize = std::uint32_t(s.size() * 2);
    QByteArray bytes;
    bytes.append("RIFF");
    appendLe(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    appendLe(bytes, 16, 4);             // size of the format chunk
    appendLe(bytes, 1, 2);              // PCM
    appendLe(bytes, 1, 2);              // mono
    appendLe(bytes, SampleRate, 4);
    appendLe(bytes, SampleRate * 2, 4); // bytes per second
    appendLe(bytes, 2, 2);              // bytes per sample frame
    appendLe(bytes, 16, 2);             // bits per sample
    bytes.append("data");
    appendLe(bytes, dataSize, 4);
    for (double v : s) {
        const auto sample = std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
        appendLe(bytes, std::uint16_t(sample), 2);
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The apple: a soft, dull thud, low and quickly damped, with a muffled knock.
Samples pom()
{
    Rng rng(101);
    Samples s = silence(0.25);
    addGlidingSine(s, 1.0, 150, 85, 0.03, 0.004, 0.045);
    addNoise(s, rng, 0.9, 500, false, 0.003, 0.02);
    return s;
}

// The stone: a sharp click, bright noise and a few high ringing partials.
Samples bim()
{
    Rng rng(202);
    Samples s = silence(0.15);
    addNoise(s, rng, 0.7, 2500, true, 0.0005, 0.006);
    addSine(s, 0.5, 2870, 0.0005, 0.025);
    addSine(s, 0.35, 4130, 0.0005, 0.018);
    addSine(s, 0.25, 5310, 0.0005, 0.012);
    return s;
}

// The ball: a bouncy thump whose pitch springs down, with a hollow ring.
Samples bam()
{
    Rng rng(303);
    Samples s = silence(0.3);
    addGlidingSine(s, 1.0, 330, 150, 0.025, 0.002, 0.07);
    addSine(s, 0.3, 420, 0.002, 0.05);
    addNoise(s, rng, 0.4, 1200, false, 0.001, 0.008);
    return s;
}

// The rock: a deep, heavy boom with a long rumble, slightly saturated.
Samples boum()
{
    Rng rng(404);
    Samples s = silence(0.6);
    addGlidingSine(s, 1.0, 75, 38, 0.08, 0.006, 0.18);
    addNoise(s, rng, 2.5, 180, false, 0.004, 0.15);
    addNoise(s, rng, 0.3, 1500, false, 0.001, 0.01);
    for (double &v : s)
        v = std::tanh(1.6 * v);
    return s;
}

} // namespace

bool writeSounds(const QString &dir)
{
    struct Sound {
        const char *name;
        Samples (*make)();
    };
    const Sound sounds[] = {{"pom.wav", pom}, {"bim.wav", bim}, {"bam.wav", bam}, {"boum.wav", boum}};
    for (const Sound &sound : sounds) {
        Samples s = sound.make();
        finish(s);
        if (!writeWave(s, dir + '/' + QLatin1String(sound.name)))
            return false;
    }
    return true;
}

} // namespace datagen
