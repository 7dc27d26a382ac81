#include "app/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace zoom {

namespace {
const QSize windowSize(800, 600);
const QString option = QStringLiteral("--zoom");
const char* qtScaleFactor = "QT_SCALE_FACTOR";
// Borders and title bar of a window, in device pixels.
const QSize frameAllowance(12, 40);

struct Screen {
    QSize availableDevicePixels;
    qreal pixelRatio = 1;
};

// The primary screen as the platform gives it, read by a short-lived
// application: the zoom must be set before the real one is made.
Screen probeScreen(int argc, char* argv[])
{
    // The application takes Qt's own options out of what it is given; the
    // real one must see them too.
    std::vector<char*> copy(argv, argv + argc);
    copy.push_back(nullptr);
    int count = argc;
    const QGuiApplication probe(count, copy.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const qreal ratio = screen->devicePixelRatio();
    return {(QSizeF(screen->availableSize()) * ratio).toSize(), ratio};
}

void tell(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int fittingZoom(QSize availableDevicePixels, QSize frameDevicePixels)
{
    int chosen = steps.front();
    for (int percent : steps) {
        const QSize needed = windowSize * percent / 100 + frameDevicePixels;
        if (needed.width() <= availableDevicePixels.width() && needed.height() <= availableDevicePixels.height())
            chosen = percent;
    }
    return chosen;
}

std::optional<int> zoomOfText(const QString& text)
{
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok);
    if (ok && std::find(steps.begin(), steps.end(), percent) != steps.end())
        return percent;
    return std::nullopt;
}

QString refusal(const QString& given)
{
    return QStringLiteral("Tavrel TS : zoom « %1 » non reconnu ; les valeurs acceptées sont 100, 125, 150, 175 et 200. "
                          "Le zoom est choisi d'après l'écran.")
        .arg(given);
}

int zoomToUse(std::optional<int> asked, QSize availableDevicePixels)
{
    if (availableDevicePixels.isEmpty())
        return asked.value_or(steps.front());
    const int fitting = fittingZoom(availableDevicePixels, frameAllowance);
    return asked ? std::min(*asked, fitting) : fitting;
}

QString lowered(int asked, int used)
{
    return QStringLiteral("Tavrel TS : à %1 %, la fenêtre ne tiendrait pas sur l'écran ; le zoom est de %2 %.")
        .arg(asked)
        .arg(used);
}

ZoomArguments takeZoomArgument(const QStringList& arguments)
{
    ZoomArguments result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        std::optional<QString> value;
        if (argument == option)
            value = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (argument.startsWith(option + QLatin1Char('=')))
            value = argument.mid(option.size() + 1);
        else {
            result.others.append(argument);
            continue;
        }
        result.percent = zoomOfText(*value);
        result.refused = result.percent ? std::nullopt : value;
    }
    return result;
}

void setUpZoom(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const ZoomArguments fromCommandLine = takeZoomArgument(arguments);
    std::optional<int> percent = fromCommandLine.percent;
    if (fromCommandLine.refused)
        tell(refusal(*fromCommandLine.refused));
    else if (!percent && qEnvironmentVariableIsSet(environmentVariable)) {
        const QString given = qEnvironmentVariable(environmentVariable);
        percent = zoomOfText(given);
        if (!percent)
            tell(refusal(given));
    }
    if (!percent && qEnvironmentVariableIsSet(qtScaleFactor))
        return;
    qunsetenv(qtScaleFactor);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const Screen screen = probeScreen(argc, argv);
    const int chosen = zoomToUse(percent, screen.availableDevicePixels);
    if (percent && chosen != *percent)
        tell(lowered(*percent, chosen));
    // Qt multiplies its factor with the screen's own ratio.
    qputenv(qtScaleFactor, QByteArray::number(chosen / 100.0 / screen.pixelRatio));
}

} // namespace zoom
