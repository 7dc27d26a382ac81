#pragma once
// The application directory: the one folder of the photographs, pictures,
// sounds, exercises and manual. In the build folder it is the executable's
// own; once installed, the data folder the install gives it (P/share/tavrel-ts
// for P/bin/tavrel).

#include <QString>

// The directory, always ending with "/".
QString applicationDirectory();
// Tests point the program at the built data files with this; an empty
// directory goes back to the one found from the executable.
void setApplicationDirectory(const QString& directory);

// Where the data are for an executable in executableDirectory: beside it when
// they are there, else in the installed data folder relative to it, else
// beside it all the same (the missing photograph is then told as fatal).
QString findApplicationDirectory(const QString& executableDirectory);
