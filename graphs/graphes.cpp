#include "graphs/graphes.h"

#include "ui/filetowrite.h"

#include "graphs/choicepanel.h"
#include "graphs/graphkinds.h"
#include "graphs/enlargedpainting.h"
#include "graphs/graphicons.h"
#include "graphs/graphlabels.h"
#include "graphs/tableexport.h"
#include "graphs/valuetable.h"
#include "ui/accessiblenames.h"
#include "ui/dialogservice.h"
#include "ui/focuskeys.h"
#include "ui/keyboardtoolbutton.h"
#include "ui/numberformat.h"
#include "ui/paintedpanel.h"
#include "ui/printpage.h"
#include "ui/readingorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

namespace graphs {

namespace {

const QColor white(255, 255, 255);
const QColor highlight(255, 255, 200);

constexpr int topPanelHeight = 54;
constexpr int iconButtonSize = 36;
constexpr int headerStripHeight = 22;
constexpr int surfaceMargin = 12;

// One row of boxes, each group's title 24 pixels above its first box.
const std::array<int, kindCount> boxLefts{12, 70, 150, 208, 266, 340, 398, 456};
constexpr int boxTop = 30;

const char* const iconHints[4] = {"Fermer", "Imprimer", "Copier", "Calculatrice"};
const GraphesIcon iconPictures[4] = {GraphesIcon::Close, GraphesIcon::Print, GraphesIcon::Copy,
                                     GraphesIcon::Calculator};

std::array<QRect, kindCount> boxGeometry()
{
    std::array<QRect, kindCount> boxes;
    for (int i = 0; i < kindCount; ++i)
        boxes[size_t(i)] = QRect(boxLefts[size_t(i)], boxTop, 16, 16);
    return boxes;
}

QString emptyGraphHint()
{
    return QStringLiteral("Cochez une ou plusieurs grandeurs ci-dessus.");
}

QString suggestedTableName(GraphGroup group)
{
    switch (group) {
    case GroupPositions: return QStringLiteral("tableau des positions.csv");
    case GroupVelocities: return QStringLiteral("tableau des vitesses.csv");
    case GroupEnergies: return QStringLiteral("tableau des énergies.csv");
    }
    return QStringLiteral("tableau.csv");
}

QLabel* readoutLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(graphFont(8));
    label->setFrameShape(QFrame::Box);
    label->setMargin(1);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    label->setPalette(palette);
    // The pointer stays on the graph when it passes over a read-out.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

} // namespace

Graphes::Graphes(const GraphesSetup& setup, QWidget* parent)
    : QDialog(parent)
    , m_situation(setup.situation)
    , m_openCalculator(setup.openCalculator)
{
    setupUi();
    Form_Load(setup);
    layoutWindow();
}

void Graphes::setupUi()
{
    setObjectName(QStringLiteral("graphes"));
    setModal(true);
    setMouseTracking(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, PaintedPanel::panelColour());
    setPalette(palette);
    createTopPanel();
    createGraphSurface();
    createTable();
    fillTable();
    setKeyboardOrder();
    setMinimumSize(boxLefts.back() + 80 + 4 * 40 + 20, topPanelHeight + enlargedHeight + 2 * surfaceMargin);
    resize(800, 600);
}

void Graphes::createTopPanel()
{
    const std::array<QRect, kindCount> boxes = boxGeometry();
    m_ui.Picture3 = new PaintedPanel(QStringLiteral("Picture3"), this,
                                     [boxes](QPainter& painter) { paintGraphChoiceLabels(painter, boxes); });
    for (int i = 0; i < kindCount; ++i) {
        auto* box = new QCheckBox(m_ui.Picture3);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        box->setGeometry(boxes[size_t(i)]);
        box->setAccessibleName(kindText(GraphKind(i)));
        connect(box, &QCheckBox::toggled, this, [this, i] { Check1_Click(i); });
        m_ui.Check1[size_t(i)] = box;
    }
    for (int index = 1; index <= 4; ++index) {
        auto* button = new KeyboardToolButton(m_ui.Picture3);
        button->setObjectName(QStringLiteral("Image1_%1").arg(index));
        button->setIcon(graphesIcon(iconPictures[index - 1]));
        button->setIconSize(QSize(32, 32));
        button->setAutoRaise(true);
        button->setToolTip(QString::fromUtf8(iconHints[index - 1]));
        button->setCursor(Qt::PointingHandCursor);
        button->resize(iconButtonSize, iconButtonSize);
        connect(button, &QToolButton::clicked, this, [this, index] { Image1_Click(index); });
        m_ui.Image1[size_t(index - 1)] = button;
    }
}

void Graphes::createGraphSurface()
{
    // Drawn once per redraw at the screen's pixel ratio, then blitted: the
    // read-outs moving over the surface only uncover small parts of it.
    m_ui.Picture1 = new PaintedPanel(QStringLiteral("Picture1"), this, [this](QPainter& painter) {
        const qreal ratio = m_ui.Picture1->devicePixelRatioF();
        if (m_screenPicture.isNull() || m_screenPicture.devicePixelRatio() != ratio)
            m_screenPicture = enlargedGraphPicture(m_graph, ratio);
        painter.drawImage(QPointF(0, 0), m_screenPicture);
        // Until a kind is ticked the surface says what to do; the copies and
        // printouts are drawn without it.
        if (!anyChecked(checkedSituation())) {
            painter.setPen(QColor(90, 90, 90));
            painter.setFont(graphFont(10));
            painter.drawText(m_ui.Picture1->rect(), Qt::AlignCenter, emptyGraphHint());
        }
    });
    m_ui.Picture1->resize(enlargedWidth, enlargedHeight);
    m_ui.Picture1->installEventFilter(this);
    // The read-outs belong to the window, so that a long value left of the
    // value axis is not cut at the surface's edge.
    m_ui.Label1 = readoutLabel(QStringLiteral("Label1"), this);
    m_ui.Label2 = readoutLabel(QStringLiteral("Label2"), this);
}

void Graphes::createTable()
{
    auto* grid = new QTableWidget(this);
    m_ui.MSFlexGrid1 = grid;
    grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setAccessibleName(QStringLiteral("Tableau de valeurs"));
    // Tab leaves the table; the arrows go from cell to cell.
    grid->setTabKeyNavigation(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setWordWrap(false);
    grid->setFont(tableFont());
    grid->setFrameShape(QFrame::Box);
    grid->setLineWidth(1);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(tableFont()).height() + 5);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->viewport()->installEventFilter(this);
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::currentCellChanged, this, [this] { MSFlexGrid1_SelChange(); });

    m_ui.Picture2 = new PaintedPanel(QStringLiteral("Picture2"), this, [this](QPainter& painter) {
        const int width = m_ui.Picture2->width();
        painter.fillRect(m_ui.Picture2->rect(), white);
        painter.translate(m_ui.MSFlexGrid1->frameWidth(), 0);
        paintTableHeaders(painter, tableHeaders(m_graph.columns), m_columnWidth, headerStripHeight);
        painter.resetTransform();
        painter.setPen(m_ui.MSFlexGrid1->palette().color(QPalette::Dark));
        painter.drawRect(0, 0, width - 1, headerStripHeight);
    });

    m_ui.menutableau = new QMenu(this);
    m_ui.menutableau->setObjectName(QStringLiteral("menutableau"));
    m_ui.copierTableau = m_ui.menutableau->addAction(QStringLiteral("Copier le tableau"));
    m_ui.copierTableau->setObjectName(QStringLiteral("copierTableau"));
    m_ui.copierTableau->setShortcut(QKeySequence::Copy);
    m_ui.copierTableau->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(m_ui.copierTableau);
    m_ui.enregistrerTableau = m_ui.menutableau->addAction(QStringLiteral("Enregistrer le tableau…"));
    m_ui.enregistrerTableau->setObjectName(QStringLiteral("enregistrerTableau"));
    connect(m_ui.copierTableau, &QAction::triggered, this, &Graphes::copierTableau_Click);
    connect(m_ui.enregistrerTableau, &QAction::triggered, this, &Graphes::enregistrerTableau_Click);
    connect(grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_ui.menutableau->popup(m_ui.MSFlexGrid1->viewport()->mapToGlobal(pos)); });
    onMenuKey(grid, [this] {
        QTableWidget* table = m_ui.MSFlexGrid1;
        const QRect cell = table->visualRect(table->currentIndex());
        m_ui.menutableau->popup(table->viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint(0, 0)));
    });
}

// Tab goes as the window reads: the boxes, the icons from left to right,
// then the table.
void Graphes::setKeyboardOrder()
{
    std::vector<QWidget*> order(m_ui.Check1.begin(), m_ui.Check1.end());
    order.insert(order.end(), m_ui.Image1.rbegin(), m_ui.Image1.rend());
    order.push_back(m_ui.MSFlexGrid1);
    tabInOrder(order);
    nameForScreenReaders(this);
}

void Graphes::Form_Load(const GraphesSetup& setup)
{
    setWindowTitle(QStringLiteral("Graphes"));
    setWindowIcon(setup.icon);
    if (setup.geometry.isValid())
        setGeometry(setup.geometry);
    m_highlightedRow = -1;
    m_ui.Image1[3]->setEnabled(bool(m_openCalculator));
    // Each box that changes runs the click handler, which draws the graph.
    for (int i = 0; i < kindCount; ++i)
        m_ui.Check1[size_t(i)]->setChecked(setup.situation.checked[size_t(i)]);
}

GraphInputs Graphes::checkedSituation() const
{
    GraphInputs in = m_situation;
    for (int i = 0; i < kindCount; ++i)
        in.checked[size_t(i)] = m_ui.Check1[size_t(i)]->isChecked();
    return in;
}

void Graphes::Check1_Click(int index)
{
    // The handler's own changes of the other boxes raise their clicks too.
    if (checkClickBusy)
        return;
    checkClickBusy = true;
    std::array<bool, kindCount> checked = checkedSituation().checked;
    if (!checked[size_t(index)]) {
        if (std::none_of(checked.begin(), checked.end(), [](bool c) { return c; }))
            m_ui.Check1[size_t(index)]->setChecked(true);
    } else {
        applyGroupRule(checked, index);
        for (int i = 0; i < kindCount; ++i)
            m_ui.Check1[size_t(i)]->setChecked(checked[size_t(i)]);
    }
    checkClickBusy = false;
    tracegraphe();
}

void Graphes::tracegraphe()
{
    const GraphInputs in = checkedSituation();
    if (!anyChecked(in))
        return;
    m_graph = planEnlargedGraph(in);
    m_screenPicture = QImage();
    fillTable();
    m_ui.Picture1->update();
    m_ui.Picture2->update();
}

void Graphes::fillTable()
{
    QTableWidget* grid = m_ui.MSFlexGrid1;
    // New cells come white: nothing stays highlighted from the last graph.
    m_highlightedRow = -1;
    m_highlightedCells.clear();
    grid->clearContents();
    grid->setRowCount(m_graph.rowCount());
    grid->setColumnCount(std::max(1, m_graph.columnCount()));

    const std::vector<ColumnHeader> headers = tableHeaders(m_graph.columns);
    const QFontMetrics metrics(tableFont());
    int widest = 0;
    for (const ColumnHeader& header : headers)
        widest = std::max(widest, metrics.horizontalAdvance(header.text));
    for (int r = 0; r < m_graph.rowCount(); ++r) {
        std::vector<QString> texts{dateCellText(m_graph.dates[size_t(r)])};
        for (double q : m_graph.values[size_t(r)])
            texts.push_back(valueCellText(q));
        for (size_t c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setBackground(white);
            grid->setItem(r, int(c), item);
            widest = std::max(widest, metrics.horizontalAdvance(texts[c]));
        }
    }
    // Every column as wide as the widest text needs, the first included.
    m_columnWidth = widest + 12;
    for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnWidth(c, m_columnWidth);
    placeTable();
}

void Graphes::placeTable()
{
    QTableWidget* grid = m_ui.MSFlexGrid1;
    const int frame = grid->frameWidth();
    const int height = grid->rowCount() * grid->verticalHeader()->defaultSectionSize() + 2 * frame;
    const int width = (m_graph.columnCount() == 0 ? 0 : grid->columnCount() * m_columnWidth) + 2 * frame;
    const int left = (m_ui.Picture1->x() - width) / 2;
    const int top = m_ui.Picture1->y() + 20;
    m_ui.Picture2->setGeometry(left, top - headerStripHeight, width, headerStripHeight + 1);
    grid->setGeometry(left, top, width, height);
    const bool shown = m_graph.rowCount() > 0;
    grid->setVisible(shown);
    m_ui.Picture2->setVisible(shown);
    m_ui.copierTableau->setEnabled(shown);
    m_ui.enregistrerTableau->setEnabled(shown);
}

void Graphes::setCellBackground(int row, int column, QColor colour)
{
    if (QTableWidgetItem* item = m_ui.MSFlexGrid1->item(row, column); item && item->background().color() != colour)
        item->setBackground(colour);
}

void Graphes::Picture1_MouseMove(int x, int y)
{
    const bool inside = insidePlottingArea(x, y);
    m_ui.Picture1->setCursor(inside ? Qt::CrossCursor : Qt::ArrowCursor);

    // The hit cells and their time cells light up; every other cell lit
    // before goes white again, including one of the same row.
    std::vector<TableCell> lit;
    int hitRow = -1;
    for (const TableCell& cell : markersUnder(m_graph, x, y)) {
        lit.push_back(cell);
        lit.push_back({cell.row, 0});
        hitRow = cell.row;
    }
    for (const TableCell& cell : m_highlightedCells)
        if (std::find(lit.begin(), lit.end(), cell) == lit.end())
            setCellBackground(cell.row, cell.column, white);
    for (const TableCell& cell : lit)
        setCellBackground(cell.row, cell.column, highlight);
    m_highlightedCells = std::move(lit);
    m_highlightedRow = hitRow;

    if (!inside || !m_graph.drawn()) {
        m_ui.Label1->hide();
        m_ui.Label2->hide();
        return;
    }
    const QPoint origin = m_ui.Picture1->pos();
    const QString pattern = QStringLiteral("#############0.00");
    m_ui.Label1->setText(formatPattern(m_graph.timeAt(x), pattern));
    m_ui.Label1->adjustSize();
    m_ui.Label1->move(origin + QPoint(x - m_ui.Label1->width() / 2, m_graph.timeAxisRow + 4));
    m_ui.Label2->setText(formatPattern(m_graph.valueAt(y), pattern));
    m_ui.Label2->adjustSize();
    m_ui.Label2->move(origin + QPoint(16 - m_ui.Label2->width(), y - m_ui.Label2->height() / 2));
    for (QLabel* label : {m_ui.Label1, m_ui.Label2}) {
        label->show();
        label->raise();
    }
}

void Graphes::Image1_Click(int index)
{
    switch (index) {
    case 1:
        close();
        break;
    case 2:
        imprimer();
        break;
    case 3: {
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        clipboard->setImage(graphPicture());
        break;
    }
    case 4:
        if (m_openCalculator)
            m_openCalculator(this);
        break;
    default:
        break;
    }
}

// The graph alone, centred on one page at its screen size, drawn at the
// printer's resolution by the routine that draws it on screen.
void Graphes::imprimer()
{
    QPrinter printer(QPrinter::HighResolution);
    const PrintedPicture picture{QSize(enlargedWidth, enlargedHeight),
                                 [this](QPainter& painter) { paintEnlargedGraph(painter, m_graph); }};
    choosePrinterAndPrint(this, printer, picture, PageOptions{});
}

QImage Graphes::graphPicture() const
{
    return enlargedGraphPicture(m_graph);
}

// The table only shows values: a click never leaves a cell current. The
// arrows move the current cell, which selects nothing, so that a screen
// reader reads the values one by one.
void Graphes::MSFlexGrid1_SelChange()
{
    QTableWidget* grid = m_ui.MSFlexGrid1;
    if (m_cellByKeys || grid->rowCount() == 0 || (grid->currentRow() == 0 && grid->currentColumn() == 0))
        return;
    const QSignalBlocker quiet(grid);
    grid->setCurrentCell(0, 0);
}

void Graphes::copierTableau_Click()
{
    if (m_graph.rowCount() == 0)
        return;
    QApplication::clipboard()->setMimeData(tableMimeData(m_graph));
}

void Graphes::enregistrerTableau_Click()
{
    if (m_graph.rowCount() == 0)
        return;
    const QString title = QStringLiteral("Enregistrer le tableau");
    const std::optional<QString> path = chooseFileToWrite(
        this, {QStringLiteral("enregistrerTableau"), title, suggestedTableName(checkedGroup(m_graph.inputs.checked)),
               QStringLiteral("Tableau de valeurs (*.csv)"), QStringLiteral("csv")});
    if (!path)
        return;
    const QString failure = saveTableCsv(m_graph, *path);
    if (!failure.isEmpty())
        DialogService::current().inform(this, DialogService::Icon::Critical, title,
                                        QStringLiteral("Le tableau n'a pas pu être enregistré dans le fichier\n%1\n\n%2")
                                            .arg(QDir::toNativeSeparators(*path), failure));
}

bool Graphes::moveTableCell(const QKeyEvent& key)
{
    QTableWidget* grid = m_ui.MSFlexGrid1;
    const int lastRow = grid->rowCount() - 1;
    const int lastColumn = grid->columnCount() - 1;
    const bool control = key.modifiers().testFlag(Qt::ControlModifier);
    int row = grid->currentRow();
    int column = grid->currentColumn();
    switch (key.key()) {
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_PageUp: row = 0; break;
    case Qt::Key_PageDown: row = lastRow; break;
    case Qt::Key_Home:
        column = 0;
        row = control ? 0 : row;
        break;
    case Qt::Key_End:
        column = lastColumn;
        row = control ? lastRow : row;
        break;
    default: return false;
    }
    if (lastRow < 0)
        return true;
    m_cellByKeys = true;
    grid->setCurrentCell(std::clamp(row, 0, lastRow), std::clamp(column, 0, lastColumn));
    m_cellByKeys = false;
    return true;
}

bool Graphes::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.Picture1) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            Picture1_MouseMove(p.x(), p.y());
            // Handled here: it must not reach the window as a move elsewhere.
            return true;
        }
        if (event->type() == QEvent::Leave) {
            Picture1_MouseMove(0, 0);
        }
    } else if (watched == m_ui.MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        if (moveTableCell(*static_cast<QKeyEvent*>(event)))
            return true;
    } else if (watched == m_ui.MSFlexGrid1->viewport() && event->type() == QEvent::Wheel) {
        // Every row is shown: the table never scrolls.
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Graphes::mouseMoveEvent(QMouseEvent* event)
{
    Picture1_MouseMove(0, 0);
    QDialog::mouseMoveEvent(event);
}

void Graphes::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutWindow();
}

void Graphes::layoutWindow()
{
    m_ui.Picture3->setGeometry(0, 0, width(), topPanelHeight);
    Picture3_Resize();
    m_ui.Picture3->update();
    placeSurfaces();
}

// The icons from the right edge: "Fermer" last, 40 pixels apart.
void Graphes::Picture3_Resize()
{
    const int w = m_ui.Picture3->width();
    const int top = (topPanelHeight - iconButtonSize) / 2;
    for (int index = 1; index <= 4; ++index)
        m_ui.Image1[size_t(index - 1)]->move(w - 10 - 40 * index, top);
}

void Graphes::placeSurfaces()
{
    const int below = height() - topPanelHeight;
    const int top = topPanelHeight + std::max(surfaceMargin, (below - enlargedHeight) / 2);
    m_ui.Picture1->move(width() - enlargedWidth - surfaceMargin, top);
    placeTable();
}

} // namespace graphs
