#pragma once
// Exercise files written for the tests, record by record.

#include "config/recordfile.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace exercisefixture {

// Records 1, 2, ... of an exercise file; the file is created or replaced.
inline bool writeExercise(const QString& path, const QStringList& records)
{
    QFile::remove(path);
    return config::writeRecords(path, 1, std::vector<QString>(records.begin(), records.end()));
}

// A complete description: statement, configuration, correction and its
// configuration, level, unused, four notions, title, hourglasses.
inline QStringList describedExercise(const QString& correction, const QString& correctionConfiguration,
                                     const QString& level = " 2")
{
    return {"enonce.rtf", "situation.P20", correction, correctionConfiguration, level, "",
            "Chute libre", "  ", "Vecteur vitesse", "", "  Lancer d'une pomme  ", " 3"};
}

} // namespace exercisefixture
