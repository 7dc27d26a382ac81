#pragma once
// The marker file "TEMPTS.TMP" in the application directory: record 10 says
// whether the simulator runs ("OUI"/"NON"); another program may leave in
// record 31 the name of an exercise for us to open.

#include <QString>

namespace markerfile {

constexpr int runningRecord = 10;
constexpr int exerciseRecord = 31;

QString path();
void setRunning(bool running);
// Reads record 31 and empties it, so that the exercise opens only once.
QString takeExerciseRequest();

} // namespace markerfile
