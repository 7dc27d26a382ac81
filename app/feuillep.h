#pragma once
// The main window: it owns the controls, the one simulation state and the
// scene, and wires the handlers. The handlers are grouped by concern in
// feuillep_*.cpp files and keep the names of the procedures they stand for.

#include "graphs/livegraph.h"
#include "scene/marks.h"
#include "scene/scenegeometry.h"
#include "sim/simstate.h"
#include "ui/picturesurface.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QAction;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;
class QScrollBar;
class UpDown;
class QTextEdit;
class QTimer;
class QToolButton;
class ScenePicture;

class FeuilleP : public QWidget {
    Q_OBJECT
public:
    explicit FeuilleP(QWidget* parent = nullptr);
    ~FeuilleP() override;

    // True when a missing place photograph ended the program at start-up.
    bool failedFatally() const { return m_fatal; }

    sim::SimulationState& state() { return m_state; }
    const PictureSurface& sceneSurface() const { return m_scene; }
    const std::vector<scene::Mark>& marks() const { return m_marks; }
    bool timerRunning() const;

    // The procedures other parts of the program and the tests call.
    void Timer1_Timer();
    void command15_Click();
    void command16_Click();
    void command18_Click();
    void Image4_Click();
    void majaff();
    void retico();
    void voxvoy();
    void plusbouton();

    // The marker file through which other programs see us running.
    static QString markerFilePath();

    // The handlers and procedures, public so that tests drive them by name.

    // Start-up and shutdown.
    void Form_Load();
    void Form_Activate();
    bool Form_QueryUnload();
    void Form_Unload();
    void applySizeRule();

    // Parameters.
    void Combo1_Click();
    void Combo2_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    void launchFieldValidated(QLineEdit* field, float (*clamp)(float), bool clearOnlyIfDrawn);
    void fieldEntered();
    void fatalMissingPhotograph(const QString& path);
    float fieldNumber(const QLineEdit* field) const;
    float x0() const;
    float y0() const;

    // Animation.
    void endOfFlight();
    void leaveScene();
    void showReadouts(float date, double x, double y);
    void placeProjectileImage();
    void setProjectileImageVisible(bool visible);
    void paintProjectile(float left, float top);
    void playImpactSound();

    // Scene.
    void repere();
    void Check1_Click();
    void Check8_Click();
    void VScroll2_Change(int value);

    // Bounce.
    void rebond();
    void endOfBounce();

    // Chronophotography.
    void command12_Click();
    void maj12();
    void chrono_LostFocus();
    void Command13_Click();
    double chronoInterval() const;
    bool takePhotoIfDue();
    bool photoInstant() const;
    void paintPhotograph();
    void photographWithVectors();
    void recordMarkIfDue();
    void photographWithoutVectors();
    void lespoints();

    // Vectors.
    void drawVectors();
    void vectorScaleChanged();

    // Live graph.
    graphs::GraphInputs graphInputs() const;
    void repgraphe();
    void tracegraphe();
    void Check13_Click(int index);
    void Command3_Click();
    void Command6_Click();

    // Panels, help line and colours.
    void Check6_Click();
    void Label4_Click(int index);
    void showHelpFor(QObject* control);
    void Frame1_MouseMove(int x);

    void setGraphButtonsEnabled(bool enabled);

    // Clipboard.
    QImage scenePicture() const;
    const graphs::LiveGraph& liveGraph() const { return m_graph; }
    void copim_Click();
    void copigraph_Click();
    void putOnClipboard(const QImage& picture);

signals:
    // Another program asked, through the marker file, to open this exercise.
    void exerciseRequested(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building the window.
    void createControls();
    void createSceneArea();
    void createAnimationControls();
    void createToolButtons();
    void createParametersPanel(QWidget* panel);
    void createDisplayPanel(QWidget* panel);
    void createVectorsPanel(QWidget* panel);
    void createChronoPanel(QWidget* panel);
    void createGraphPanel(QWidget* panel);
    void installHelpLine();
    void createCopyMenu();
    void loadPictureLists();
    QLabel* createSwatch(QWidget* panel, int index, QRect geometry);
    void showSwatch(int index);
    void connectHandlers();
    QPixmap dataPixmap(const QString& file) const;

    sim::SimulationState m_state;
    PictureSurface m_scene;
    graphs::LiveGraph m_graph;
    std::vector<scene::Mark> m_marks;
    scene::Swatches m_swatches = scene::defaultSwatches();
    std::array<QImage, 5> m_projectilePictures;
    std::array<QImage, 5> m_shadowPictures;
    bool m_fatal = false;
    bool m_ticking = false;
    bool m_closingConfirmed = false;
    bool m_exerciseTextModified = false;
    QIcon m_idleCamera;
    QCursor m_enlargeCursor;
    QPixmap m_backdrop;
    QIcon m_recordingCamera;

public:
    // The controls, named as in the window design.
    QTimer* Timer1 = nullptr;
    QWidget* Frame3 = nullptr;
    ScenePicture* Picture2 = nullptr;
    QScrollBar* VScroll2 = nullptr;
    QLabel* projectile = nullptr;
    QLabel* ombre = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* info = nullptr;
    QToolButton* command15 = nullptr;
    QToolButton* command16 = nullptr;
    QToolButton* Image4 = nullptr;
    QToolButton* command18 = nullptr;
    QToolButton* command12 = nullptr;
    QWidget* Onglets = nullptr;
    QWidget* Picture3 = nullptr;
    QWidget* Frame2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check8 = nullptr;
    QCheckBox* Check10 = nullptr;
    QCheckBox* speed = nullptr;
    QWidget* Picture6 = nullptr;
    QLineEdit* chrono = nullptr;
    QCheckBox* Check9 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check11 = nullptr;
    QLabel* Label5 = nullptr;
    QWidget* Picture1 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    QCheckBox* Check12 = nullptr;
    QCheckBox* Check14 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* VScroll3 = nullptr;
    QScrollBar* VScroll4 = nullptr;
    UpDown* UpDown1 = nullptr;
    QLabel* Label9 = nullptr;
    QWidget* Frame1 = nullptr;
    QWidget* Picture5 = nullptr;
    std::array<QCheckBox*, 8> Check13{};
    QPushButton* Command6 = nullptr;
    std::array<QLabel*, scene::swatchCount> Label4{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* Command14 = nullptr;
    QPushButton* btexo = nullptr;
    QLineEdit* fich = nullptr;
    QTextEdit* supertext = nullptr;
    QMenu* menucopie = nullptr;
    QAction* copim = nullptr;
    QAction* copigraph = nullptr;
};
