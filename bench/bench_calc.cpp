// Measures the calculator: the median time of one evaluation of typical lines
// (target under 50 µs), and what one keystroke in the display line costs with
// its live preview, delivered as a key event to the real window offscreen and
// followed by the repaint it causes. Also the longest lines the evaluator
// accepts and the hostile ones it refuses.

#include "calc/evaluator.h"
#include "calc/machine.h"
#include "calc/notation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median;
    double slowest99;
};

Figures measure(int repetitions, const std::function<void()>& work)
{
    std::vector<double> times;
    times.reserve(repetitions);
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 99 / 100]};
}

void evaluation(Evaluator& evaluator, const QString& line, int repetitions)
{
    const Figures figures = measure(repetitions, [&] { evaluator.evaluate(line); });
    std::printf("  %s median %8.2f µs   99th %8.2f µs\n", qPrintable(line.left(40).leftJustified(42)), figures.median,
                figures.slowest99);
}

QString longestSum()
{
    QString line = QStringLiteral("1");
    while (line.size() + 2 <= maxTypedLength)
        line += QStringLiteral("+1");
    return line;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Evaluator evaluator;
    evaluator.setAns(42.0);
    std::printf("Evaluation of typical lines (20 000 each):\n");
    for (const char* line : {"2+3×4", "15^2×sin(2×77)/9,81", "2,5µ×3k+√(16)÷4-ln(e^2)", "round(1,5E-3×9,81;4)",
                             "Ans×2π", "(1+2)(3+4)^2-abs(-7)"})
        evaluation(evaluator, QString::fromUtf8(line), 20000);

    std::printf("Limits (200 each):\n");
    evaluation(evaluator, longestSum(), 200);
    evaluation(evaluator, QString(maxNesting, u'(') + u'1' + QString(maxNesting, u')'), 200);
    std::printf("Refused at once (200 each):\n");
    evaluation(evaluator, QString(10000, u'(') + u'1' + QString(10000, u')'), 200);
    QString hundredThousand;
    for (int i = 0; i < 50000; ++i)
        hundredThousand += QStringLiteral("1+");
    evaluation(evaluator, hundredThousand, 200);

    // One keystroke: the key event, the edit, the preview, and the repaint.
    Machine machine;
    machine.show();
    QLineEdit* display = machine.ui().display;
    const QString typed = QStringLiteral("15^2×sin(2×77)/9,81");
    std::vector<double> keystrokes;
    for (int round = 0; round < 300; ++round) {
        display->clear();
        app.processEvents();
        for (QChar c : typed) {
            const auto start = Clock::now();
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(display, &press);
            app.processEvents();
            keystrokes.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
    }
    std::sort(keystrokes.begin(), keystrokes.end());
    std::printf("Keystroke with live preview and repaint (%zu keys): median %.1f µs, 99th %.1f µs\n", keystrokes.size(),
                keystrokes[keystrokes.size() / 2], keystrokes[keystrokes.size() * 99 / 100]);
    return 0;
}
