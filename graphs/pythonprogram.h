#pragma once
// A short Python program, commented in French, handed out beside a CSV of
// measures: it reads the positions, draws them with equal axes and draws the
// velocity vectors computed from successive positions, as a pupil writes it.

#include <QString>

namespace graphs {

// The program for the CSV file named csvFileName (in the program's own
// folder); it also saves its figure beside it as pictureFileName.
QString pythonProgram(const QString& situation, const QString& csvFileName, const QString& pictureFileName);

} // namespace graphs
