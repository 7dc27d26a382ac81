#pragma once
// The controls of the main window, under their design names (which are also
// their objectNames), built by setupUi as a Qt Designer `Ui::` class would
// be. The window owns them through the widget tree; this struct only points
// at them. Panels' drawings and handlers are the window's business.

#include "scene/swatches.h"

#include <QIcon>
#include <QRect>
#include <array>

class PaintedPanel;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTextEdit;
class QTimer;
class QToolButton;
class QWidget;
class ScenePicture;
class TabStrip;
class UpDown;

struct FeuillePUi {
    // The animation clock, 20 ms, stopped when the window opens.
    QTimer* Timer1 = nullptr;

    // The tool buttons along the top.
    QPushButton* Command2 = nullptr;   // "&Ouvrir": open a configuration
    QPushButton* Command11 = nullptr;  // "&Enregistrer": save the configuration
    QPushButton* Command4 = nullptr;   // "&Copier": pops the copy menu up
    QPushButton* Command10 = nullptr;  // "&Imprimer"
    QPushButton* Command14 = nullptr;  // "&Graphes": the graphs window
    QPushButton* Command8 = nullptr;   // "&Calculatrice"
    QPushButton* btexo = nullptr;      // "E&xercices": the exercise menu
    QPushButton* Command7 = nullptr;   // "&Aide"
    QPushButton* Command1 = nullptr;   // "&Quitter"

    // The copy menu of Command4.
    QMenu* menucopie = nullptr;
    QAction* copim = nullptr;          // "Copier l'animation"
    QAction* copigraph = nullptr;      // "Copier le graphe"
    // The scene's right-click menu: the two copies, then the flight's measures.
    QLabel* pointValues = nullptr;     // the values at a point clicked on the last flight
    QCheckBox* keepPaths = nullptr;    // "Garder les trajectoires précédentes", on the Affichage tab
    QMenu* sceneMenu = nullptr;
    QAction* exportMeasures = nullptr; // "Exporter les mesures (CSV)…"
    QAction* copyMeasures = nullptr;   // "Copier les mesures"
    QAction* exportPython = nullptr;   // "Exporter aussi un programme Python", a choice kept until the program ends

    // The scene.
    QWidget* Frame3 = nullptr;         // the viewport: 409 x 457 of the 800 rows
    ScenePicture* Picture2 = nullptr;  // the scene surface, moved up by VScroll2
    QScrollBar* VScroll2 = nullptr;    // scrolls the scene, 0 to 343 pixels
    QLabel* projectile = nullptr;      // the projectile's picture at rest
    QLabel* ombre = nullptr;           // its shadow, along the ground

    // Under the scene.
    QToolButton* command15 = nullptr;  // "Simulation": start
    QToolButton* command16 = nullptr;  // "Pause": pause, or one step when paused
    QToolButton* Image4 = nullptr;     // "Stop"
    QToolButton* command18 = nullptr;  // "Retrouver la position initiale"
    QPushButton* Command13 = nullptr;  // "&Effacer": erases the chronophotographs
    QLabel* Label3 = nullptr;          // the date read-out
    QLabel* Label1 = nullptr;          // the coordinates read-out

    // The tab strip and its five panels.
    TabStrip* Onglets = nullptr;
    PaintedPanel* Picture3 = nullptr;  // "Paramètres"
    PaintedPanel* Frame2 = nullptr;    // "Affichage"
    PaintedPanel* Picture1 = nullptr;  // "Vecteurs"
    PaintedPanel* Picture6 = nullptr;  // "Chronophotographie"
    PaintedPanel* Frame1 = nullptr;    // "Graphes": the live graph

    // Paramètres.
    QComboBox* Combo1 = nullptr;       // the place
    QComboBox* Combo2 = nullptr;       // the projectile
    QLineEdit* Text1 = nullptr;        // x0, m
    QLineEdit* Text2 = nullptr;        // y0, m
    QLineEdit* Text3 = nullptr;        // v0, m·s-1
    QLineEdit* Text4 = nullptr;        // alpha, degrees

    // Affichage.
    QCheckBox* Check1 = nullptr;       // "Afficher le repère"
    QCheckBox* Check3 = nullptr;       // "Afficher la grille"
    QCheckBox* Check8 = nullptr;       // "Marquer la trajectoire"
    QCheckBox* Check10 = nullptr;      // "Traits épais"
    QCheckBox* speed = nullptr;        // "Animation au ralenti"
    QCheckBox* Check4 = nullptr;       // stop the animation when the projectile leaves the scene

    // Vecteurs.
    QCheckBox* Check5 = nullptr;       // the velocity vector
    QCheckBox* Check6 = nullptr;       // the variation of the velocity vector
    QCheckBox* Check7 = nullptr;       // the construction of that variation
    QCheckBox* Check14 = nullptr;      // the acceleration vector
    QCheckBox* Check12 = nullptr;      // the weight vector
    QScrollBar* VScroll1 = nullptr;    // the velocity scale
    QScrollBar* VScroll4 = nullptr;    // the acceleration scale
    QScrollBar* VScroll3 = nullptr;    // the weight scale
    UpDown* UpDown1 = nullptr;         // the velocity-variation interval, in 100 ms
    QLabel* Label9 = nullptr;          // that interval in ms

    // Chronophotographie.
    QToolButton* command12 = nullptr;  // the camera: starts or stops recording
    QLabel* Label5 = nullptr;          // the camera's caption, clickable too
    QLineEdit* chrono = nullptr;       // the interval between photographs, ms
    QCheckBox* Check9 = nullptr;       // keep the vectors on the photographs
    QCheckBox* Check2 = nullptr;       // record only the centre of inertia (marks)
    QCheckBox* Check11 = nullptr;      // show the projections on the axes
    QIcon Image5;                      // the camera at rest
    QIcon Image6;                      // the camera recording

    // Graphes.
    QPushButton* Command3 = nullptr;   // "Menu": shows the graph choice
    QPushButton* Command5 = nullptr;   // "Agrandir": the graphs window
    PaintedPanel* Picture5 = nullptr;  // the graph choice, over the live graph
    std::array<QCheckBox*, 8> Check13{}; // the curve kinds x, y, vx, vy, v, Ec, Ep, Em
    QPushButton* Command6 = nullptr;   // "Afficher": puts the choice away

    // The colour swatches of the scene drawings, in the panels that use them.
    std::array<QLabel*, scene::swatchCount> Label4{};

    // Right of the scene, under the strip.
    QLabel* info = nullptr;            // the help line about the control under the mouse
    QLineEdit* fich = nullptr;         // the exercise file open, "" when none
    QTextEdit* supertext = nullptr;    // the welcome text, then the exercise statements

    void setupUi(QWidget* feuilleP);

private:
    void createToolButtons(QWidget* window);
    void createSceneArea(QWidget* window);
    void createAnimationControls(QWidget* window);
    void createTabStrip(QWidget* window);
    void createParametersPanel();
    void createDisplayPanel();
    void createVectorsPanel();
    void createChronoPanel();
    void createGraphPanel();
    void createTextArea(QWidget* window);
    void createCopyMenu(QWidget* window);
    QLabel* createSwatch(QWidget* panel, int index, QRect geometry);
};
