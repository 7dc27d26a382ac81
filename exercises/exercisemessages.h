#pragma once
// The messages of the exercise commands when a file fails them, shown
// through the dialog service with the critical icon.

#include <QString>

class QWidget;

namespace exercises {

// The exercise file cannot be opened or read.
void reportUnreadable(QWidget* parent);
// A text or configuration the exercise file names is not there;
// path is the exercise directory followed by the name as the file gives it.
void reportMissing(QWidget* parent, const QString& path);
// The getting-started activity is not beside the program.
void reportMissingGettingStarted(QWidget* parent);

} // namespace exercises

namespace exercises {

// The text could not be written.
void reportWriteFailure(QWidget* parent);
// Asks before replacing a file; true to replace it.
bool askOverwrite(QWidget* parent, const QString& path);
// Asks before losing the edits of the text; true to go on.
bool askLoseEdits(QWidget* parent);

} // namespace exercises
