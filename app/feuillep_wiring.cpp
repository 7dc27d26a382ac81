// Connecting the controls to their handlers.

#include "app/feuillep.h"

#include "app/helpkey.h"
#include "app/scenepicture.h"
#include "ui/keyfilter.h"
#include "ui/paintedpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include "ui/updown.h"
#include <QTimer>
#include <QToolButton>

void FeuilleP::connectHandlers()
{
    connect(m_ui.Timer1, &QTimer::timeout, this, &FeuilleP::Timer1_Timer);
    connect(m_ui.command15, &QToolButton::clicked, this, &FeuilleP::command15_Click);
    connect(m_ui.command16, &QToolButton::clicked, this, &FeuilleP::command16_Click);
    connect(m_ui.Image4, &QToolButton::clicked, this, &FeuilleP::Image4_Click);
    connect(m_ui.command18, &QToolButton::clicked, this, &FeuilleP::command18_Click);
    connect(m_ui.command12, &QToolButton::clicked, this, &FeuilleP::command12_Click);
    connect(m_ui.Command13, &QPushButton::clicked, this, &FeuilleP::Command13_Click);
    connect(m_ui.Command1, &QPushButton::clicked, this, &FeuilleP::close);
    connect(m_ui.Command2, &QPushButton::clicked, this, &FeuilleP::Command2_Click);
    connect(m_ui.Command11, &QPushButton::clicked, this, &FeuilleP::Command11_Click);
    connect(m_ui.Command8, &QPushButton::clicked, this, &FeuilleP::Command8_Click);
    connect(m_ui.btexo, &QPushButton::clicked, this, &FeuilleP::btexo_Click);

    connect(m_ui.Combo1, &QComboBox::activated, this, &FeuilleP::Combo1_Click);
    connect(m_ui.Combo2, &QComboBox::activated, this, &FeuilleP::Combo2_Click);

    const auto field = [this](QLineEdit* edit, const char* allowed, void (FeuilleP::*validate)(), bool rejectionUpdates) {
        KeyFilter::Handlers handlers;
        handlers.enter = [this, validate] { (this->*validate)(); };
        handlers.focusOut = handlers.enter;
        handlers.focusIn = [this] { fieldEntered(); };
        // The actions follow y0 as it is being typed, before it is validated.
        if (rejectionUpdates)
            handlers.rejected = [this] {
                enableActions(fieldNumber(m_ui.Text2) == 0.0f && m_flight.initialVelocityY() <= 0.0f);
            };
        m_fieldFilters.append(new KeyFilter(edit, QString::fromLatin1(allowed), handlers));
    };
    field(m_ui.Text1, ",-", &FeuilleP::Text1_LostFocus, false);
    field(m_ui.Text2, ",", &FeuilleP::Text2_LostFocus, true);
    field(m_ui.Text3, ",", &FeuilleP::Text3_LostFocus, false);
    field(m_ui.Text4, ",-", &FeuilleP::Text4_LostFocus, false);

    KeyFilter::Handlers chronoHandlers;
    chronoHandlers.enter = [this] { chrono_LostFocus(); };
    chronoHandlers.focusOut = chronoHandlers.enter;
    m_fieldFilters.append(new KeyFilter(m_ui.chrono, QString(), chronoHandlers));

    // A check box's handler runs whenever its tick changes, by hand or by program.
    connect(m_ui.Check1, &QCheckBox::toggled, this, &FeuilleP::Check1_Click);
    connect(m_ui.Check6, &QCheckBox::toggled, this, &FeuilleP::Check6_Click);
    connect(m_ui.Check8, &QCheckBox::toggled, this, &FeuilleP::Check8_Click);
    connect(m_ui.keepPaths, &QCheckBox::toggled, this, &FeuilleP::keepPaths_Click);
    for (QCheckBox* redraws : {m_ui.Check3, m_ui.Check5, m_ui.Check7, m_ui.Check10, m_ui.Check12, m_ui.Check14})
        connect(redraws, &QCheckBox::toggled, this, &FeuilleP::majaff);
    // A box greyed by a configuration file takes two states again once clicked.
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });

    for (QScrollBar* scale : {m_ui.VScroll1, m_ui.VScroll3, m_ui.VScroll4})
        connect(scale, &QScrollBar::valueChanged, this, &FeuilleP::vectorScaleChanged);
    connect(m_ui.UpDown1, &UpDown::valueChanged, this, &FeuilleP::vectorScaleChanged);
    connect(m_ui.VScroll2, &QScrollBar::valueChanged, this, &FeuilleP::VScroll2_Change);

    for (size_t i = 0; i < m_ui.Check13.size(); ++i)
        connect(m_ui.Check13[i], &QCheckBox::clicked, this, [this, i] { Check13_Click(int(i)); });
    connect(m_ui.Command3, &QPushButton::clicked, this, &FeuilleP::Command3_Click);
    connect(m_ui.Command5, &QPushButton::clicked, this, &FeuilleP::Command5_Click);
    connect(m_ui.Command14, &QPushButton::clicked, this, &FeuilleP::Command14_Click);
    connect(m_ui.Command6, &QPushButton::clicked, this, &FeuilleP::Command6_Click);

    connect(m_ui.copim, &QAction::triggered, this, &FeuilleP::copim_Click);
    connect(m_ui.copigraph, &QAction::triggered, this, &FeuilleP::copigraph_Click);
    connect(m_ui.Command4, &QPushButton::clicked, this,
            [this] { m_ui.menucopie->popup(m_ui.Command4->mapToGlobal(QPoint(0, m_ui.Command4->height()))); });
    connect(m_ui.exportMeasures, &QAction::triggered, this, &FeuilleP::exportMeasures_Click);
    connect(m_ui.copyMeasures, &QAction::triggered, this, &FeuilleP::copyMeasures_Click);
    // The right button and the menu key open the scene's menu.
    m_ui.Picture2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui.Picture2, &QWidget::customContextMenuRequested, this, &FeuilleP::showSceneMenu);
    connect(m_ui.Command10, &QPushButton::clicked, this, &FeuilleP::Command10_Click);
    connect(m_ui.Command7, &QPushButton::clicked, this, &FeuilleP::Command7_Click);
    new HelpKey(this, [this] { Command7_Click(); });

    // Clicks on the camera's caption; the help line also takes the swatches' clicks.
    m_ui.Label5->installEventFilter(this);
    installHelpLine();
    installDragging();
}
