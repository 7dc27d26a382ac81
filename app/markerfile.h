#pragma once
// The marker file "TEMPTS.TMP" in the application directory: record 10 says
// whether the simulator runs ("OUI"/"NON"); another program may leave in
// record 31 the name of an exercise for us to open (relative to the
// application directory). When that directory cannot be written (an
// installed program), the file is in the user's own folder instead,
// ~/.local/share/tavrel-ts/ (or $XDG_DATA_HOME/tavrel-ts/).

#include <QString>

class MarkerFile {
public:
    static constexpr int runningRecord = 10;
    static constexpr int exerciseRecord = 31;

    static QString path();
    // The user's own folder of the marker file.
    static QString userDirectory();

    MarkerFile() = default;
    MarkerFile(const MarkerFile&) = delete;
    MarkerFile& operator=(const MarkerFile&) = delete;
    // Whatever way the program ends, the window that said "OUI" goes away.
    ~MarkerFile() { markStopped(); }

    void markRunning();
    // Writes "NON" once after markRunning(); later calls do nothing.
    void markStopped();

    // Reads record 31 and empties it, so that the exercise opens only once.
    // A request whose record cannot be emptied (a read-only file) is given
    // once in the run, not again at every activation.
    QString takeExerciseRequest();

private:
    bool m_running = false;
    QString m_requestLeftInFile;
};
