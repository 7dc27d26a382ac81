#pragma once
// The exercises shipped with the program: for each, its description (the
// exercise file), the situations of its statement and of its correction,
// and the table of its numerical answers, every one computed from the
// situation with the simulator's own formulas. The texts are HTML sources
// beside this file; "{{key}}" in them stands for the answer of that key,
// written as the program shows numbers, and <img src="figure:name"> the
// figure of that name, drawn by the generator.

#include "config/configuration.h"
#include "tools/exercises/figure.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace content {

struct Answer {
    QString key;
    double value;
    // Without a number of decimals, three significant figures: the data
    // (g = 9,80 m·s⁻²) are given to three.
    std::optional<int> decimals = std::nullopt;
};

struct Exercise {
    QString name; // stem of its files: <name>.E43, <name>_enonce.rtf …
    QString title;
    int level = 0;
    QStringList notions;
    int hourglasses = 1;
    config::Configuration statementSituation;
    config::Configuration correctionSituation;
    std::vector<Figure> figures;
    std::vector<Answer> answers;

    QString exerciseFileName() const { return name + QStringLiteral(".E43"); }
    QString statementName() const { return name + QStringLiteral("_enonce.rtf"); }
    QString statementSituationName() const { return name + QStringLiteral("_enonce.P20"); }
    QString correctionName() const { return name + QStringLiteral("_corrige.rtf"); }
    QString correctionSituationName() const { return name + QStringLiteral("_corrige.P20"); }
    QStringList fileNames() const;
    const Answer* answer(const QString& key) const;
    const Figure* figure(const QString& name) const;
};

std::vector<Exercise> catalogue();

// The answer as a French text prints a number: rounded, decimal comma, the
// true minus sign and the thousands set apart by a narrow no-break space.
QString shown(const Answer& answer);

} // namespace content
