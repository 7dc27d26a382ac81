// Copying the scene or the live graph to the clipboard.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/helptexts.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

void FeuilleP::createCopyMenu()
{
    menucopie = new QMenu(this);
    menucopie->setObjectName(QStringLiteral("menucopie"));
    copim = menucopie->addAction(QStringLiteral("Copier l'animation"));
    copim->setObjectName(QStringLiteral("copim"));
    copigraph = menucopie->addAction(QStringLiteral("Copier le graphe"));
    copigraph->setObjectName(QStringLiteral("copigraph"));
    connect(copim, &QAction::triggered, this, &FeuilleP::copim_Click);
    connect(copigraph, &QAction::triggered, this, &FeuilleP::copigraph_Click);
    connect(Command4, &QPushButton::clicked, this,
            [this] { menucopie->popup(Command4->mapToGlobal(QPoint(0, Command4->height()))); });
}

// The visible part of the scene as the user sees it, with the projectile and
// its shadow when they stand as image controls over the picture.
QImage FeuilleP::scenePicture() const
{
    const QRect visible(0, VScroll2->value(), scene::sceneWidth, scene::viewportHeight);
    return Picture2->grab(visible).toImage();
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
    info->setText(copyConfirmationText());
}
