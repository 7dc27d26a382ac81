// make_exercises: writes the exercises shipped with the program.
// Usage: make_exercises <output directory, data/ of the source tree>
// The texts come from the HTML sources beside this file; the same sources
// give the same files on every machine.
#include "tools/exercises/generator.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The documents need a platform; the headless one gives the same files
    // with or without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_exercises <output directory>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    QString error;
    if (!content::generate(content::sourceDirectory(), dir, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
