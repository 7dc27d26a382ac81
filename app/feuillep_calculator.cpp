// The calculator Machine, shown modally over the main window.

#include "app/feuillep.h"

#include "calc/machine.h"
#include "ui/dialogservice.h"

void FeuilleP::Command8_Click() { showCalculator(); }

// Made at its first opening and kept, so that the pupil finds the calculations
// of the lesson again; Form_Unload unloads it.
void FeuilleP::showCalculator()
{
    if (!m_machine)
        m_machine = std::make_unique<Machine>(this);
    DialogService::current().runModal(*m_machine);
}
