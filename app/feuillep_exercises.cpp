// The exercises: the menu of `btexo` and the exercise another program asks for.

#include "app/feuillep.h"

#include "exercises/exercisecommands.h"

#include <QPushButton>

void FeuilleP::createExerciseCommands()
{
    m_exercises = new exercises::ExerciseCommands(*this);
    connect(this, &FeuilleP::exerciseRequested, m_exercises, &exercises::ExerciseCommands::exerciseRequested);
}

void FeuilleP::btexo_Click()
{
    m_exercises->btexo_Click(m_ui.btexo);
}
