// Building the main window's controls, each named as in the window design.

#include "app/feuillepui.h"

#include "app/scenepicture.h"
#include "graphs/choicepanel.h"
#include "scene/chronopanel.h"
#include "scene/parameterspanel.h"
#include "scene/scenegeometry.h"
#include "scene/tabstripwidget.h"
#include "scene/vectorlegends.h"
#include "sim/catalogue.h"
#include "ui/appdir.h"
#include "ui/colourswatch.h"
#include "ui/keyboardtoolbutton.h"
#include "ui/paintedpanel.h"

#include "ui/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name, QRect geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QToolButton* pictureButton(QWidget* parent, const char* name, const QPixmap& picture, const QString& tip, QRect geometry)
{
    auto* button = named(new KeyboardToolButton(parent), name, geometry);
    button->setIcon(picture);
    button->setIconSize(QSize(28, 28));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

QPixmap dataPixmap(const QString& file)
{
    return QPixmap(applicationDirectory() + file);
}

} // namespace

void FeuillePUi::setupUi(QWidget* feuilleP)
{
    feuilleP->setObjectName(QStringLiteral("feuilleP"));
    feuilleP->setWindowTitle(QStringLiteral("Tavrel TS"));
    feuilleP->setWindowIcon(QIcon(dataPixmap(QStringLiteral("tavrel.png"))));
    // The layout is measured for Arial 8 (Liberation Sans where Arial is absent).
    feuilleP->setFont(QFont(QStringLiteral("Arial"), 8));
    feuilleP->resize(800, 600);

    Timer1 = new QTimer(feuilleP);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    Timer1->setTimerType(Qt::PreciseTimer);

    createToolButtons(feuilleP);
    createCopyMenu(feuilleP);
    createSceneArea(feuilleP);
    createAnimationControls(feuilleP);
    createTabStrip(feuilleP);
    createTextArea(feuilleP);
}

void FeuillePUi::createTabStrip(QWidget* window)
{
    Onglets = new TabStrip(window);
    Onglets->move(424, 48);
    Picture3 = new PaintedPanel(QStringLiteral("Picture3"), Onglets);
    Frame2 = new PaintedPanel(QStringLiteral("Frame2"), Onglets);
    Picture1 = new PaintedPanel(QStringLiteral("Picture1"), Onglets);
    Picture6 = new PaintedPanel(QStringLiteral("Picture6"), Onglets);
    Frame1 = new PaintedPanel(QStringLiteral("Frame1"), Onglets);
    // Panels have their size from the start; the strip places the selected one.
    const QRect panelArea = panelGeometry(computeTabLayout(1, Onglets->width()), Onglets->width(), Onglets->height());
    for (QWidget* panel : {Picture3, Frame2, Picture1, Picture6, Frame1})
        panel->setGeometry(panelArea);
    createParametersPanel();
    createDisplayPanel();
    createVectorsPanel();
    createChronoPanel();
    createGraphPanel();
    Onglets->addPanel(1, Picture3);
    Onglets->addPanel(2, Frame2);
    Onglets->addPanel(3, Picture1);
    Onglets->addPanel(4, Picture6);
    Onglets->addPanel(5, Frame1);
}

void FeuillePUi::createTextArea(QWidget* window)
{
    // Under the strip, which is 8 rows taller than designed, and as wide as
    // it: the longest help text then takes two lines, which the label's
    // height holds.
    info = named(new QLabel(window), "info", QRect(424, 284, 361, 33));
    info->setWordWrap(true);
    info->setAutoFillBackground(true);
    QPalette tip = info->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
    info->setPalette(tip);
    info->setFrameShape(QFrame::Box);
    info->setMargin(2);

    fich = named(new QLineEdit(window), "fich", QRect(424, 322, 361, 22));
    fich->setReadOnly(true);
    fich->setPlaceholderText(QStringLiteral("Aucun exercice ouvert"));
    supertext = named(new QTextEdit(window), "supertext", QRect(424, 348, 361, 238));
    supertext->setReadOnly(true);
}

void FeuillePUi::createCopyMenu(QWidget* window)
{
    menucopie = new QMenu(window);
    menucopie->setObjectName(QStringLiteral("menucopie"));
    copim = menucopie->addAction(QStringLiteral("Copier l'animation"));
    copim->setObjectName(QStringLiteral("copim"));
    copigraph = menucopie->addAction(QStringLiteral("Copier le graphe"));
    copigraph->setObjectName(QStringLiteral("copigraph"));

    sceneMenu = new QMenu(window);
    sceneMenu->setObjectName(QStringLiteral("sceneMenu"));
    sceneMenu->addAction(copim);
    sceneMenu->addAction(copigraph);
    sceneMenu->addSeparator();
    exportMeasures = sceneMenu->addAction(QStringLiteral("Exporter les mesures (CSV)…"));
    exportMeasures->setObjectName(QStringLiteral("exportMeasures"));
    copyMeasures = sceneMenu->addAction(QStringLiteral("Copier les mesures"));
    copyMeasures->setObjectName(QStringLiteral("copyMeasures"));
    exportPython = sceneMenu->addAction(QStringLiteral("Exporter aussi un programme Python"));
    exportPython->setObjectName(QStringLiteral("exportPython"));
    exportPython->setCheckable(true);
}

void FeuillePUi::createToolButtons(QWidget* window)
{
    struct Tool {
        QPushButton** button;
        const char* name;
        const char* caption;
    };
    const Tool tools[] = {
        {&Command2, "Command2", "&Ouvrir"},          {&Command11, "Command11", "&Enregistrer"},
        {&Command4, "Command4", "&Copier"},          {&Command10, "Command10", "&Imprimer"},
        {&Command14, "Command14", "&Graphes"},       {&Command8, "Command8", "&Calculatrice"},
        {&btexo, "btexo", "E&xercices"},             {&Command7, "Command7", "&Aide"},
        {&Command1, "Command1", "&Quitter"},
    };
    int x = 8;
    for (const Tool& tool : tools) {
        *tool.button = named(new QPushButton(QString::fromUtf8(tool.caption), window), tool.name, QRect(x, 12, 82, 28));
        x += 87;
    }
    Command14->setToolTip(QStringLiteral("Afficher les graphes x(t), y(t) et y(x)"));
}

void FeuillePUi::createSceneArea(QWidget* window)
{
    Frame3 = named(new QWidget(window), "Frame3", QRect(8, 64, scene::sceneWidth, scene::viewportHeight));
    Picture2 = new ScenePicture(Frame3);
    Picture2->move(0, 0);

    const QRect atRest(int(scene::imageLeftFor(0.0f)), int(scene::groundImageTop), 32, 32);
    projectile = named(new QLabel(Picture2), "projectile", atRest);
    ombre = named(new QLabel(Picture2), "ombre", atRest);
    ombre->lower();
    pointValues = new QLabel(Picture2);
    pointValues->setObjectName(QStringLiteral("pointValues"));
    pointValues->setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 255, 240, 230); color: black; "
                                              "border: 1px solid #606060; padding: 3px; }"));
    pointValues->hide();

    // The scene is 800 rows high; the viewport shows 457 of them.
    VScroll2 = named(new QScrollBar(Qt::Vertical, window), "VScroll2", QRect(417, 64, 7, scene::viewportHeight));
    VScroll2->setRange(0, scene::sceneHeight - scene::viewportHeight);
    VScroll2->setSingleStep(10);
    VScroll2->setPageStep(100);
    VScroll2->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { width: 7px; background: rgb(220,220,215); margin: 0; }"
        "QScrollBar::handle:vertical { background: rgb(150,150,145); border-radius: 3px; min-height: 30px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
}

void FeuillePUi::createAnimationControls(QWidget* window)
{
    const int row = 64 + scene::viewportHeight + 4;
    command15 = pictureButton(window, "command15", dataPixmap(QStringLiteral("play.png")), QStringLiteral("Simulation"),
                              QRect(176, row, 36, 36));
    command16 = pictureButton(window, "command16", dataPixmap(QStringLiteral("pause.png")), QStringLiteral("Pause"),
                              QRect(214, row, 36, 36));
    Image4 = pictureButton(window, "Image4", dataPixmap(QStringLiteral("stop.png")), QStringLiteral("Stop"),
                           QRect(252, row, 36, 36));
    command18 = pictureButton(window, "command18", dataPixmap(QStringLiteral("reset.png")),
                              QStringLiteral("Retrouver la position initiale"), QRect(290, row, 36, 36));
    Command13 = named(new QPushButton(QStringLiteral("&Effacer"), window), "Command13", QRect(337, row + 4, 80, 28));

    Label3 = named(new QLabel(window), "Label3", QRect(8, row + 42, 150, 22));
    Label1 = named(new QLabel(window), "Label1", QRect(160, row + 42, 257, 22));
}

QLabel* FeuillePUi::createSwatch(QWidget* panel, int index, QRect geometry)
{
    QLabel* swatch = named(new ColourSwatch(panel), "", geometry);
    swatch->setObjectName(QStringLiteral("Label4_%1").arg(index));
    if (index == 4 || index == 5 || index == 6 || index == 8)
        swatch->setToolTip(QStringLiteral("Couleur"));
    Label4[size_t(index)] = swatch;
    return swatch;
}

void FeuillePUi::createParametersPanel()
{
    using L = ParametersPanelLayout;
    QWidget* panel = Picture3;
    Combo1 = named(new QComboBox(panel), "Combo1", L::combo1);
    Combo2 = named(new QComboBox(panel), "Combo2", L::combo2);
    Text1 = named(new QLineEdit(QStringLiteral("0"), panel), "Text1", L::text1);
    Text2 = named(new QLineEdit(QStringLiteral("0"), panel), "Text2", L::text2);
    Text3 = named(new QLineEdit(QStringLiteral("15,00"), panel), "Text3", L::text3);
    Text4 = named(new QLineEdit(QStringLiteral("77,00"), panel), "Text4", L::text4);
    for (QLineEdit* field : {Text1, Text2, Text3, Text4})
        field->setAlignment(Qt::AlignRight);
}

void FeuillePUi::createDisplayPanel()
{
    using L = AffichagePanelLayout;
    QWidget* panel = Frame2;
    Check10 = named(new QCheckBox(QStringLiteral("Traits épais"), panel), "Check10", L::check10);
    Check1 = named(new QCheckBox(QStringLiteral("Afficher le repère"), panel), "Check1", L::check1);
    Check3 = named(new QCheckBox(QStringLiteral("Afficher la grille"), panel), "Check3", L::check3);
    Check8 = named(new QCheckBox(QStringLiteral("Marquer la trajectoire"), panel), "Check8", L::check8);
    speed = named(new QCheckBox(QStringLiteral("Animation au ralenti"), panel), "speed", L::speed);
    Check4 = named(new QCheckBox(QStringLiteral("Arrêter l'animation si le projectile sort de l'écran"), panel),
                   "Check4", L::check4);
    keepPaths = named(new QCheckBox(QStringLiteral("Garder les trajectoires précédentes"), panel), "keepPaths",
                      L::keepPaths);
    createSwatch(panel, scene::SwatchFrame, L::swatch4);
    createSwatch(panel, scene::SwatchTrajectory, L::swatch5);
    Check1->setChecked(true);
    Check4->setChecked(true);
}

void FeuillePUi::createVectorsPanel()
{
    const scene::VectorsPanelLayout& L = scene::vectorsPanelLayout;
    QWidget* panel = Picture1;
    Check5 = named(new QCheckBox(QStringLiteral("Afficher le vecteur vitesse"), panel), "Check5", L.check5);
    Check6 = named(new QCheckBox(QStringLiteral("Afficher la variation du vecteur vitesse"), panel), "Check6", L.check6);
    Check7 = named(new QCheckBox(QStringLiteral("Afficher la construction"), panel), "Check7", L.check7);
    Check14 = named(new QCheckBox(QStringLiteral("Afficher le vecteur accélération"), panel), "Check14", L.check14);
    Check12 = named(new QCheckBox(QStringLiteral("Afficher le vecteur poids"), panel), "Check12", L.check12);
    Check7->setEnabled(false);

    // The style's square arrows would fill the shorter bars, leaving no room
    // for a thumb: the arrows are made flat.
    const QString scaleBarStyle = QStringLiteral(
        "QScrollBar:vertical { width: 17px; margin: 9px 0; background: rgb(226,223,219);"
        " border: 1px solid rgb(168,165,160); }"
        "QScrollBar::handle:vertical { background: rgb(150,150,145); min-height: 8px; margin: 1px 2px;"
        " border-radius: 2px; }"
        "QScrollBar::sub-line:vertical, QScrollBar::add-line:vertical { height: 9px; subcontrol-origin: margin;"
        " background: rgb(236,233,229); border: 1px solid rgb(168,165,160); }"
        "QScrollBar::sub-line:vertical { subcontrol-position: top; }"
        "QScrollBar::add-line:vertical { subcontrol-position: bottom; }"
        "QScrollBar::up-arrow:vertical { width: 9px; height: 9px; image: url(%1); }"
        "QScrollBar::down-arrow:vertical { width: 9px; height: 9px; image: url(%2); }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
        .arg(applicationDirectory() + QStringLiteral("arrow_up.png"), applicationDirectory() + QStringLiteral("arrow_down.png"));
    const auto scrollBar = [panel, &scaleBarStyle](const char* name, QRect geometry, int maximum) {
        auto* bar = named(new QScrollBar(Qt::Vertical, panel), name, geometry);
        bar->setRange(0, maximum);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setStyleSheet(scaleBarStyle);
        return bar;
    };
    VScroll1 = scrollBar("VScroll1", L.vScroll1, 49);
    VScroll4 = scrollBar("VScroll4", L.vScroll4, 49);
    VScroll3 = scrollBar("VScroll3", L.vScroll3, 90);

    UpDown1 = named(new UpDown(panel), "UpDown1", L.upDown1);
    UpDown1->setRange(1, 20);
    Label9 = named(new QLabel(panel), "Label9", L.label9);
    Label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const std::pair<int, QRect> swatches[] = {{0, L.swatch0}, {1, L.swatch1}, {2, L.swatch2},
                                              {3, L.swatch3}, {7, L.swatch7}, {9, L.swatch9}};
    for (const auto& [index, geometry] : swatches)
        createSwatch(panel, index, geometry);
}

void FeuillePUi::createChronoPanel()
{
    using L = ChronoPanelLayout;
    QWidget* panel = Picture6;
    Image5 = QIcon(dataPixmap(QStringLiteral("camera.png")));
    Image6 = QIcon(dataPixmap(QStringLiteral("camera_rec.png")));
    command12 = named(new KeyboardToolButton(panel), "command12", L::command12);
    command12->setIconSize(QSize(32, 32));
    command12->setAutoRaise(true);
    Label5 = named(new QLabel(panel), "Label5", L::label5);
    Label5->setCursor(Qt::PointingHandCursor);
    chrono = named(new QLineEdit(QStringLiteral("300"), panel), "chrono", L::chrono);
    chrono->setAlignment(Qt::AlignRight);
    Check9 = named(new QCheckBox(QStringLiteral("Conserver les vecteurs représentés sur la chronophotographie"), panel),
                   "Check9", L::check9);
    Check2 = named(new QCheckBox(QStringLiteral("Marquer uniquement les positions du centre d'inertie"), panel),
                   "Check2", L::check2);
    Check11 = named(new QCheckBox(QStringLiteral("Afficher les projections sur les axes"), panel), "Check11",
                    L::check11);
    createSwatch(panel, scene::SwatchMarkCross, L::swatch6);
    createSwatch(panel, scene::SwatchMarkProjection, L::swatch8);
}

void FeuillePUi::createGraphPanel()
{
    QWidget* panel = Frame1;
    Command3 = named(new QPushButton(QStringLiteral("Menu"), panel), "Command3", QRect(284, 164, 64, 18));
    Command5 = named(new QPushButton(QStringLiteral("Agrandir"), panel), "Command5", QRect(284, 183, 64, 18));

    Picture5 = new PaintedPanel(QStringLiteral("Picture5"), panel);
    Picture5->setGeometry(Frame1->rect());
    for (size_t i = 0; i < Check13.size(); ++i) {
        Check13[i] = named(new QCheckBox(Picture5), "", graphs::choiceBoxes[i]);
        Check13[i]->setObjectName(QStringLiteral("Check13_%1").arg(i));
    }
    Command6 = named(new QPushButton(QStringLiteral("Afficher"), Picture5), "Command6", QRect(262, 168, 80, 24));
    Command6->setEnabled(false);
}
