// Copying the scene or the live graph to the clipboard.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/helptexts.h"
#include "scene/scenegeometry.h"
#include "ui/paintedpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

QImage FeuilleP::scenePicture() const
{
    const QRect visible(0, m_ui.VScroll2->value(), scene::sceneWidth, scene::viewportHeight);
    return m_ui.Picture2->grab(visible).toImage();
}

void FeuilleP::copim_Click()
{
    putOnClipboard(scenePicture());
}

void FeuilleP::copigraph_Click()
{
    putOnClipboard(m_graph.picture());
}

void FeuilleP::putOnClipboard(const QImage& picture)
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
    m_ui.info->setText(copyConfirmationText());
}
