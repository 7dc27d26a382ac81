// Comparing throws: with "Garder les trajectoires précédentes" ticked, the
// end of each flight keeps its trajectory on the scene, up to five.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "ui/picturesurface.h"

#include <QCheckBox>

// After the scene's drawings were cleared at the end of a flight: only the
// new path is drawn into the background, unless the oldest had to go.
void FeuilleP::keepFlightPath()
{
    if (!m_ui.keepPaths->isChecked())
        return;
    if (m_keptPaths.keep(m_flight)) {
        surface().setBackgroundPicture(m_photograph);
        m_keptPaths.drawAll(surface());
    } else {
        scene::KeptPaths::draw(surface(), m_keptPaths.all().back());
    }
    surface().bake();
}

void FeuilleP::bakeKeptPaths()
{
    if (m_keptPaths.empty())
        return;
    m_keptPaths.drawAll(surface());
    surface().bake();
}

// Unticked, the kept paths go: the scene returns to its photograph.
void FeuilleP::keepPaths_Click()
{
    if (m_ui.keepPaths->isChecked() || m_keptPaths.empty())
        return;
    m_keptPaths.clear();
    surface().setBackgroundPicture(m_photograph);
    retico();
}
