#pragma once
// The graphs window `graphes`: the complete curves of the chosen kinds from
// launch to landing on a large surface, the table of values beside them, a
// read-out of time and value under the pointer that also highlights the
// cells of the marker it is on, and icons to close, print, copy and open
// the calculator. It receives plain data from the window that opens it and
// changes nothing of the simulation.

#include "graphs/enlargedgraph.h"

#include <QDialog>
#include <QIcon>
#include <array>
#include <functional>

class PaintedPanel;
class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QTableWidget;
class QToolButton;

namespace graphs {

// What the opener hands over.
struct GraphesSetup {
    // The throw, the initial position typed, and the kinds checked on the
    // live graph (the boxes start with the same choice).
    GraphInputs situation;
    QIcon icon;
    // Position and size of the opener's client area; the window takes them.
    QRect geometry;
    // Opens the calculator over the given parent; without it the
    // "Calculatrice" icon stays disabled.
    std::function<void(QWidget* parent)> openCalculator;
};

struct GraphesUi {
    PaintedPanel* Picture3 = nullptr;               // top panel: boxes and icons
    std::array<QCheckBox*, kindCount> Check1{};     // the curve kinds, indexes as on the live graph
    std::array<QToolButton*, 4> Image1{};           // icons 1 to 4 at Image1[0] to Image1[3]
    PaintedPanel* Picture1 = nullptr;               // the graph surface
    QLabel* Label1 = nullptr;                       // time under the pointer
    QLabel* Label2 = nullptr;                       // value under the pointer
    QTableWidget* MSFlexGrid1 = nullptr;            // the table of values
    PaintedPanel* Picture2 = nullptr;               // the table's header strip
    QMenu* menutableau = nullptr;                   // the table's context menu
    QAction* copierTableau = nullptr;
    QAction* enregistrerTableau = nullptr;
};

class Graphes : public QDialog {
    Q_OBJECT
public:
    explicit Graphes(const GraphesSetup& setup, QWidget* parent = nullptr);

    const GraphesUi& ui() const { return m_ui; }

    void Check1_Click(int index);
    void tracegraphe(); // draws the enlarged graph and its table of values
    // The pointer at (x, y) on the graph surface; (0, 0) when it is elsewhere.
    void Picture1_MouseMove(int x, int y);
    // 1 "Fermer", 2 "Imprimer", 3 "Copier", 4 "Calculatrice".
    void Image1_Click(int index);
    void MSFlexGrid1_SelChange();
    void copierTableau_Click();
    void enregistrerTableau_Click();

    const EnlargedGraph& graph() const { return m_graph; }
    int timeAxisRow() const { return m_graph.timeAxisRow; }
    int highlightedRow() const { return m_highlightedRow; }
    // The graph surface as "Copier" puts it on the clipboard.
    QImage graphPicture() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setupUi();
    void createTopPanel();
    void createGraphSurface();
    void createTable();
    void setKeyboardOrder();
    void Form_Load(const GraphesSetup& setup);
    void layoutWindow();
    void Picture3_Resize();
    void placeSurfaces();
    void fillTable();
    void placeTable();
    void setCellBackground(int row, int column, QColor colour);
    // The arrows, Page Up and Down, Home and End over the table: true when
    // the key was one of them.
    bool moveTableCell(const QKeyEvent& key);
    void imprimer();
    GraphInputs checkedSituation() const;

    GraphesUi m_ui;
    GraphInputs m_situation;
    std::function<void(QWidget*)> m_openCalculator;
    EnlargedGraph m_graph;
    QImage m_screenPicture;
    int m_highlightedRow = -1;
    std::vector<TableCell> m_highlightedCells;
    bool checkClickBusy = false;
    bool m_cellByKeys = false;
    int m_columnWidth = 0;
};

} // namespace graphs
