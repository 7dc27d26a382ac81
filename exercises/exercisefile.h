#pragma once
// An exercise file (".E43"): the program's record file, whose records name
// the statement, the correction and their configurations (relative to the
// exercise's folder) and describe the exercise for the preview.

#include <QString>
#include <QStringList>
#include <optional>

namespace exercises {

inline constexpr int statementRecord = 1;
inline constexpr int statementConfigurationRecord = 2;
inline constexpr int correctionRecord = 3;
inline constexpr int correctionConfigurationRecord = 4;
inline constexpr int levelRecord = 5;
inline constexpr int firstNotionRecord = 7;
inline constexpr int lastNotionRecord = 10;
inline constexpr int titleRecord = 11;
inline constexpr int durationRecord = 12;
// More hourglasses than this say nothing more and would not fit the preview.
inline constexpr int maxHourglasses = 12;

// Empty or only spaces.
bool isBlank(const QString& record);

struct ExerciseFile {
    QString statement;
    QString statementConfiguration;
    QString correction;
    QString correctionConfiguration;
    // The difficulty, as Val reads it (0 to 3 in the files we write).
    double level = 0;
    // The non-blank lines of "Notions abordées :", in order.
    QStringList notions;
    QString title;
    int hourglasses = 0;

    // Either the correction's text or its configuration is named.
    bool corrected() const { return !isBlank(correction) || !isBlank(correctionConfiguration); }
};

// Nothing when the file cannot be opened or one of its records is broken.
// Records beyond the end of a short file read as blank.
std::optional<ExerciseFile> readExerciseFile(const QString& path);

// The file a relative name of an exercise file stands for. The name may use
// "\" or "/" between folders, and each part may differ in letter case from
// the name on disk (the file may have been written on another system).
// When no file matches, the plain joined path.
QString resolveRelative(const QString& directory, const QString& name);

} // namespace exercises
