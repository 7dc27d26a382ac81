// Connecting the controls to their handlers.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "ui/keyfilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include "ui/updown.h"
#include <QTimer>
#include <QToolButton>

void FeuilleP::connectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &FeuilleP::Timer1_Timer);
    connect(command15, &QToolButton::clicked, this, &FeuilleP::command15_Click);
    connect(command16, &QToolButton::clicked, this, &FeuilleP::command16_Click);
    connect(Image4, &QToolButton::clicked, this, &FeuilleP::Image4_Click);
    connect(command18, &QToolButton::clicked, this, &FeuilleP::command18_Click);
    connect(command12, &QToolButton::clicked, this, &FeuilleP::command12_Click);
    connect(Command13, &QPushButton::clicked, this, &FeuilleP::Command13_Click);
    connect(Command1, &QPushButton::clicked, this, &FeuilleP::close);

    connect(Combo1, &QComboBox::activated, this, &FeuilleP::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &FeuilleP::Combo2_Click);

    const auto field = [this](QLineEdit* edit, const char* allowed, void (FeuilleP::*validate)(), bool rejectionUpdates) {
        KeyFilter::Handlers handlers;
        handlers.enter = [this, validate] { (this->*validate)(); };
        handlers.focusOut = handlers.enter;
        handlers.focusIn = [this] { fieldEntered(); };
        if (rejectionUpdates)
            handlers.rejected = [this] { plusbouton(); };
        new KeyFilter(edit, QString::fromLatin1(allowed), handlers);
    };
    field(Text1, ",-", &FeuilleP::Text1_LostFocus, false);
    field(Text2, ",", &FeuilleP::Text2_LostFocus, true);
    field(Text3, ",", &FeuilleP::Text3_LostFocus, false);
    field(Text4, ",-", &FeuilleP::Text4_LostFocus, false);

    KeyFilter::Handlers chronoHandlers;
    chronoHandlers.enter = [this] { chrono_LostFocus(); };
    chronoHandlers.focusOut = chronoHandlers.enter;
    new KeyFilter(chrono, QString(), chronoHandlers);

    // A check box's handler runs whenever its tick changes, by hand or by program.
    connect(Check1, &QCheckBox::toggled, this, &FeuilleP::Check1_Click);
    connect(Check6, &QCheckBox::toggled, this, &FeuilleP::Check6_Click);
    connect(Check8, &QCheckBox::toggled, this, &FeuilleP::Check8_Click);
    for (QCheckBox* redraws : {Check3, Check5, Check7, Check10, Check12, Check14})
        connect(redraws, &QCheckBox::toggled, this, &FeuilleP::majaff);

    for (QScrollBar* scale : {VScroll1, VScroll3, VScroll4})
        connect(scale, &QScrollBar::valueChanged, this, &FeuilleP::vectorScaleChanged);
    connect(UpDown1, &UpDown::valueChanged, this, &FeuilleP::vectorScaleChanged);
    connect(VScroll2, &QScrollBar::valueChanged, this, &FeuilleP::VScroll2_Change);

    for (size_t i = 0; i < Check13.size(); ++i)
        connect(Check13[i], &QCheckBox::clicked, this, [this, i] { Check13_Click(int(i)); });
    connect(Command3, &QPushButton::clicked, this, &FeuilleP::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &FeuilleP::Command6_Click);

    // Clicks on the camera's caption; the help line also takes the swatches' clicks.
    Label5->installEventFilter(this);
    installHelpLine();
    createCopyMenu();
}
