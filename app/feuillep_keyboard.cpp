// The window by keyboard alone: Ctrl+Tab and Ctrl+Shift+Tab turn the tabs'
// pages, Enter presses the focused button or opens the colour chooser of a
// swatch, the panels are walked in reading order, the scene takes the focus by Tab
// and opens its menu by the menu key or Shift+F10, and every control has a
// name a screen reader can say.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/helptexts.h"
#include "scene/swatches.h"
#include "scene/tabstripwidget.h"
#include "ui/accessiblenames.h"
#include "ui/focuskeys.h"
#include "ui/paintedpanel.h"
#include "ui/readingorder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextEdit>

void FeuilleP::connectKeyboard()
{
    auto* strip = static_cast<TabStrip*>(m_ui.Onglets);
    const auto turnTab = [strip](int by) {
        const int current = std::max(strip->currentTab(), 1);
        strip->selectTab((current - 1 + by + tabCount) % tabCount + 1);
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [turnTab] { turnTab(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this), &QShortcut::activated, this,
            [turnTab] { turnTab(-1); });

    clickOnEnter(this);
    for (int index = 0; index < scene::swatchCount; ++index) {
        if (QLabel* swatch = m_ui.Label4[size_t(index)])
            onPressKeys(swatch, [this, index] { Label4_Click(index); });
    }
    for (QWidget* panel :
         std::initializer_list<QWidget*>{m_ui.Picture3, m_ui.Frame2, m_ui.Picture1, m_ui.Picture6, m_ui.Frame1})
        tabInReadingOrder(panel);

    // Tab only: a click on the scene must not take the focus from a field,
    // whose leaving validates it.
    m_ui.Picture2->setFocusPolicy(Qt::TabFocus);
    onMenuKey(m_ui.Picture2, [this] { showSceneMenu(m_ui.Picture2->rect().center()); });

    // The fields and lists are named by the captions drawn beside them.
    nameByCaptions({
        {m_ui.Combo1, "Lieu"},
        {m_ui.Combo2, "Projectile"},
        {m_ui.Text1, "x₀ (m)"},
        {m_ui.Text2, "y₀ (m)"},
        {m_ui.Text3, "v₀ (m.s-1)"},
        {m_ui.Text4, "α₀ (- 180° à 180°)"},
        {m_ui.fich, "Fichier de l'exercice"},
        {m_ui.supertext, "Texte de l'exercice"},
    });
    nameForScreenReaders(this, [](const QString& objectName) { return helpTextFor(objectName, HelpContext{}); });
    m_ui.Picture2->setAccessibleName(QStringLiteral("Scène de l'animation"));
}
