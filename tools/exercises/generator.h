#pragma once
// Turns the exercises into the files the program ships: the HTML texts,
// answers filled in, become RTF through QTextDocument and our RTF writer;
// the situations are written by the configuration writer, the descriptions
// by the exercise-file writer.

#include "tools/exercises/content.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace content {

// Where the HTML texts are kept in the source tree.
QString sourceDirectory();

// The text with every "{{key}}" replaced by the shown answer; nothing, with
// the key in unknownKey, when the exercise has no answer of that name.
std::optional<QString> fillIn(const QString& html, const Exercise& exercise, QString* unknownKey = nullptr);
// The same RTF on every machine: the document's fonts are fixed, and the
// figures the text shows are drawn from the exercise's. Nothing, with the
// reason in error, when a figure is not the exercise's or cannot be drawn,
// or when a calculation written out in the text does not give its result.
std::optional<QByteArray> rtfFromHtml(const QString& html, const Exercise& exercise, QString* error);

// Writes the five files of every exercise into outputDirectory; false, with
// the reason in error, at the first that fails.
bool generate(const QString& sources, const QString& outputDirectory, QString* error);

} // namespace content
