#pragma once
// The application directory: where the executable is, and where the build
// installs the photographs, pictures and sounds.

#include <QString>

// The directory, always ending with "/".
QString applicationDirectory();
// Tests point the program at the built data files with this; an empty
// directory goes back to the executable's.
void setApplicationDirectory(const QString& directory);
