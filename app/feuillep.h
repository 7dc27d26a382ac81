#pragma once
// The main window `feuilleP`: one class whose procedures keep the names of
// the program (`Timer1_Timer`, `majaff`, `retico`, `rebond` …). Its controls
// live in FeuillePUi (ui()); it owns the one simulation state, the live
// graph and the marks. The handlers are grouped by concern in
// feuillep_<concern>.cpp files.
//
// Public is what other classes and the tests call: read access to the
// state and the pictures, the clock Timer1_Timer, the redraw and clearing
// of the scene (majaff, retico), the configurations and the command line,
// and ExerciseHost. Every handler is private: tests, tools and benchmarks
// reach it by the control's own events (a click, a key, a list entry
// chosen, a field left, the window activated, closed or resized). Windows
// of lower layers never include this header: they take plain data
// (graphesSetup()) or the ExerciseHost interface.

#include "app/feuillepui.h"
#include "app/markerfile.h"
#include "config/configuration.h"
#include "config/dialogs/configurationdialogs.h"
#include "exercises/exercisehost.h"
#include "graphs/graphes.h"
#include "graphs/livegraph.h"
#include "scene/keptpaths.h"
#include "scene/frame.h"
#include "scene/marks.h"
#include "scene/projectiledrag.h"
#include "scene/scenegeometry.h"
#include "scene/scenestate.h"
#include "sim/flight.h"
#include "ui/confimp.h"

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

class HelpWindow;
class Machine;
class PictureSurface;
class QPrinter;
namespace config {
class WaitingNotice;
}
namespace exercises {
class ExerciseCommands;
}

class FeuilleP : public QWidget, public ExerciseHost {
    Q_OBJECT
public:
    explicit FeuilleP(QWidget* parent = nullptr);
    ~FeuilleP() override;

    const FeuillePUi& ui() const { return m_ui; }

    // True when a missing place photograph ended the program at start-up.
    bool failedFatally() const { return m_fatal; }

    // The throw, its animation and its history.
    const sim::Flight& flight() const { return m_flight; }
    const sim::SimulationState& state() const { return m_flight.state(); }
    // What the scene keeps of the flight, in pixels.
    const scene::SceneState& sceneState() const { return m_scene; }
    const PictureSurface& sceneSurface() const;
    const std::vector<scene::Mark>& marks() const { return m_marks.all(); }
    bool timerRunning() const;
    const graphs::LiveGraph& liveGraph() const { return m_graph; }
    // The visible part of the scene as the user sees it, with the projectile
    // and its shadow when they stand as image controls over the picture.
    QImage scenePicture() const;
    // What the graphs window opens with.
    graphs::GraphesSetup graphesSetup() const;
    // The calculator, once it has been opened and until the program ends.
    const Machine* calculator() const { return m_machine.get(); }

    // The marker file through which other programs see us running.
    static QString markerFilePath();

    // The clock: one tick of the animation. Public because nothing else steps
    // the animation deterministically for the tests and the benchmark.
    void Timer1_Timer();
    // Redraws the scene for the current date: only what moved on a tick
    // that follows a redraw, the whole scene otherwise (see majaff).
    void majaff();
    void retico(); // clears the scene and redraws its frame and marks

    // Configurations. The situation the controls hold, as a file keeps it.
    config::Configuration currentConfiguration() const;
    // The files named on the command line, in order: a ".P20" opens as
    // "Ouvrir" opens it, a ".E43" as the exercise chooser does; anything else
    // is told and passed over.
    void openCommandLine(const QStringList& arguments);

    // The help window once opened (none before).
    HelpWindow* helpWindow() const;

    // ExerciseHost.
    void voxvoy() override; // the launch velocity components from v0 and alpha
    QWidget* hostWindow() override { return this; }
    QTextEdit* statementBox() override { return m_ui.supertext; }
    QLineEdit* exerciseFileField() override { return m_ui.fich; }
    void showWelcomeText() override;
    void setExerciseTextModified(bool modified) override { m_exerciseTextModified = modified; }
    void loadConfiguration(const QString& configFileName) override;

signals:
    // Another program asked, through the marker file, to open this exercise.
    void exerciseRequested(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Escape puts the values read at a point away.
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    PictureSurface& surface();

    // Start-up and shutdown (feuillep.cpp), from the window's own events.
    void Form_Load();
    void loadPictureLists();
    void Form_Activate();
    bool Form_QueryUnload();
    void Form_Unload();
    // The size rule: 800 x 600, centred, on screens wider than 850 pixels.
    void Form_Resize();

    // The procedures of the loop.
    // Draws the frame (axes, graduations or grid), inside the area only.
    void repere(const QRegion& within = QRegion(0, 0, scene::sceneWidth, scene::sceneHeight));
    void plusbouton(); // enables the actions unless there is no flight to run
    void maj12();      // shows the camera button and caption as recording or not
    void repgraphe();  // the live graph's empty frame, or its choice panel when no curve is ticked
    // Shows the calculator modally (from "&Calculatrice" and from the graphs
    // window's "Calculatrice" icon); it keeps its history, Ans and angle unit
    // from one opening to the next.
    void showCalculator();

    // The handlers of the controls, driven by their events.
    void Combo1_Click();
    void Combo2_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    void chrono_LostFocus();
    void Check13_Click(int index);
    void Label4_Click(int index);
    void command15_Click();
    void command16_Click();
    void Image4_Click();
    void command18_Click();
    void command12_Click();
    void Command13_Click();
    void Check1_Click();
    void Check6_Click();
    void Check8_Click();
    void VScroll2_Change(int value);
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void Command14_Click();
    // A click on the live graph enlarges it when the enlarge pointer shows.
    void Frame1_Click();
    void copim_Click();
    void copigraph_Click();
    void Command2_Click();
    void Command11_Click();
    // Opens a configuration with the waiting notice shown: "Ouvrir" and a
    // dropped file.
    void openConfiguration(const QString& configFileName);
    // Pops the exercise menu `optionexo` up under the button.
    void btexo_Click();
    void Command8_Click();
    // "&Imprimer": the print dialog with the scene as "Copier l'animation"
    // composes it, and the live graph when one is drawn.
    void Command10_Click();
    // "&Aide", and F1 anywhere: the manual at its contents.
    void Command7_Click();
    // The mouse over the projectile and over the scene; positions in the
    // platform's unit from the control's top-left corner.
    void projectile_MouseDown(Qt::MouseButtons button, QPointF at);
    void projectile_MouseMove(Qt::MouseButtons button, QPointF at);
    void Picture2_MouseDown(Qt::MouseButtons button, QPointF at);
    void Picture2_MouseMove(QPointF at);

    // Wiring (feuillep_wiring.cpp).
    void connectHandlers();
    // Shortcuts of the tabs and the scene, names for screen readers (feuillep_keyboard.cpp).
    void connectKeyboard();

    // Parameters (feuillep_parameters.cpp).
    void launchFieldValidated(QLineEdit* field, float (*clamp)(float), bool clearOnlyIfDrawn);
    void fieldEntered();
    void fatalMissingPhotograph(const QString& path);
    float fieldNumber(const QLineEdit* field) const;
    // The one road from the fields and lists to the model, taken when they
    // have been validated.
    void takeInitialConditions();
    // The projectile starts on the ground and is not thrown upwards: there is
    // no flight to animate or to graph.
    bool startsWithoutFlight() const;
    // The actions as they follow a start at y0 (plusbouton).
    void enableActions(bool grounded);

    // Animation (feuillep_animation.cpp).
    void startFlight();
    void freeFlightTick(const sim::StepEvents& events);
    void endOfFlight();
    void leaveScene();
    void showReadouts(float date, double x, double y);
    void placeProjectileImage();
    void setProjectileImageVisible(bool visible);
    void paintProjectile(float left, float top);
    void playImpactSound();
    void setGraphButtonsEnabled(bool enabled);
    // What majaff draws over the background, in its order; the frame and the
    // older marks, which stay still, inside the area only.
    void drawOverScene(bool projectile, int thickness, const QRegion& still);
    // Whether the tick may redraw only what moved since the last redraw.
    bool onlyWhatMovedToRedraw() const;

    // Bounce (feuillep_bounce.cpp).
    void rebond(const sim::StepEvents& events); // one tick of the bouncing ball
    void endOfBounce();

    // Scene (feuillep_scene.cpp).
    // Draws the recorded centre-of-inertia marks, the older ones inside the area only.
    void lespoints(const QRegion& within = QRegion(0, 0, scene::sceneWidth, scene::sceneHeight));

    // Chronophotography (feuillep_chrono.cpp).
    bool photoInstant() const;
    void paintPhotograph();
    void photographWithVectors();
    void recordMarkIfDue();
    // True when it took the photograph, the projectile with it.
    bool photographWithoutVectors();

    // Vectors (feuillep_vectors.cpp).
    void drawVectors();
    void vectorScaleChanged();

    // Live graph (feuillep_graph.cpp).
    graphs::GraphInputs graphInputs() const;
    void tracegraphe(); // adds the newest points to the live graph

    // Panels, help line and colours (feuillep_panels.cpp).
    void installPanelPainters();
    void installHelpLine();
    void showSwatch(int index);
    // A swatch takes a colour as the files store it (negative values kept).
    void setSwatchValue(int index, std::int32_t value);
    void showHelpFor(QObject* control);
    void Frame1_MouseMove(int x);
    // Shows the graphs window modally over this one.
    void showGraphes();

    // Configurations (feuillep_configuration.cpp).
    void applyConfigurationRecord(int record, const config::Configuration& configuration);
    void showConfigurationCaption(const QString& configFileName);
    // Exercises (feuillep_exercises.cpp).
    void createExerciseCommands();

    // Clipboard (feuillep_copy.cpp).
    void putOnClipboard(const QImage& picture);

    // The flight's measures (feuillep_measures.cpp): the scene's menu, the
    // CSV export and its Python program, the copy; says so when no flight
    // is recorded.
    bool measuresRecorded();

    // The values at a point of the last flight (feuillep_pointvalues.cpp):
    // true when the point is on its trajectory or one of its photographs.
    bool showValuesAt(QPointF at);
    void hidePointValues();

    // Kept paths (feuillep_keptpaths.cpp).
    void keepFlightPath();
    void bakeKeptPaths();
    void keepPaths_Click();
    void exportMeasures_Click();
    void copyMeasures_Click();
    void showSceneMenu(QPoint at);

    // Writes "NON" when the window goes, whatever way it goes.
    MarkerFile m_markerFile;

    // Printing (feuillep_print.cpp).
    bool graphDrawn() const;

    // Dragging the projectile (feuillep_drag.cpp).
    void installDragging();
    void endDrag();

    FeuillePUi m_ui;
    sim::Flight m_flight;
    scene::SceneState m_scene;
    // The chronophotography's interval (ms), as its field was last validated.
    double m_chronoIntervalMs = 300;
    graphs::LiveGraph m_graph;
    scene::MarkList m_marks;
    scene::FrameLayer m_frame;
    // What the last redraw left over the scene's background: the surface's
    // change count right after it, the area of what moves (the projectile,
    // its vectors, the newest mark) and the frame's look.
    struct Redrawn {
        std::optional<std::uint64_t> changeCount;
        QRegion moving;
        std::tuple<bool, bool, QRgb> frame;
    } m_redrawn;
    std::tuple<bool, bool, QRgb> frameLook() const;
    scene::KeptPaths m_keptPaths;
    // The place's photograph, under everything drawn on the scene.
    QImage m_photograph;
    // The swatches' colours as drawn, and as stored in a configuration.
    scene::Swatches m_swatches = scene::defaultSwatches();
    std::array<std::int32_t, scene::swatchCount> m_swatchValues{};
    config::ConfigurationDialogs m_configurationDialogs;
    config::WaitingNotice* m_waitingNotice = nullptr;
    std::array<QImage, 5> m_projectilePictures;
    std::array<QImage, 5> m_shadowPictures;
    bool m_fatal = false;
    bool m_ticking = false;
    bool m_exerciseTextModified = false;
    // The exercise menu and commands, a child of the window.
    exercises::ExerciseCommands* m_exercises = nullptr;
    QCursor m_enlargeCursor;
    QPixmap m_backdrop;
    // The key filters of the fields, which run their validations.
    QList<QObject*> m_fieldFilters;
    std::unique_ptr<Machine> m_machine;
    // The printer and the print choices stay from one printout to the next.
    std::unique_ptr<QPrinter> m_printer;
    PrintChoices m_printChoices;
    QPointer<HelpWindow> m_help;

    scene::DragState m_drag;
    // The drag began on the projectile painted during a flight, so the scene
    // itself receives the moves.
    bool m_paintedGrab = false;
};
