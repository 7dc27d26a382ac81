// make_data: draws the place photographs, projectile, shadow and button
// pictures and synthesizes the impact sounds of the program.
// Usage: make_data <output directory>
// Everything comes from fixed seeds, so running it again gives the same files.
#include "datagen.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The application object lets Qt find its JPEG writer plugin.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_data <output directory>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const bool ok = datagen::writePlaces(dir) && datagen::writeProjectiles(dir)
                    && datagen::writeButtons(dir) && datagen::writeSounds(dir);
    return ok ? 0 : 1;
}
