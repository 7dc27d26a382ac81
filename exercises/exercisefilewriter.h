#pragma once
// Writes an exercise file (".E43") that readExerciseFile reads back: the
// four relative names, the level, the notions (up to four lines), the title
// and the number of hourglasses, in records 1 to 12.

#include "exercises/exercisefile.h"

#include <QByteArray>
#include <optional>

namespace exercises {

// The twelve records with zero filler; nothing when a text does not fit its
// record, holds a character the code page lacks (it would be stored as '?'),
// or there are more than four notions.
std::optional<QByteArray> exerciseFileImage(const ExerciseFile& file);
// Writes through a temporary file, so that a failed write leaves the file
// that was there untouched; false on failure.
bool writeExerciseFile(const QString& path, const ExerciseFile& file);

} // namespace exercises
