#include "calc/machine.h"

#include "calc/calcmessages.h"
#include "calc/notation.h"
#include "calc/resultformat.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

namespace {

// Keys that continue the last result rather than start a new line.
bool continuesResult(const QString& text)
{
    static const QString operators = QStringLiteral("+-−×÷^²³");
    return !text.isEmpty() && operators.contains(text.front());
}

bool isModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock: return true;
    default: return false;
    }
}

} // namespace

Machine::Machine(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(QStringLiteral("Calculatrice"));
    buildControls();
    applyStyle();
    connectControls();
    updateIndicators();
    m_ui.display->setFocus();
}

Machine::~Machine() = default;

void Machine::connectControls()
{
    connect(m_ui.display, &QLineEdit::textEdited, this, &Machine::displayEdited);
    connect(m_ui.display, &QLineEdit::textChanged, this, &Machine::updatePreview);
    m_ui.display->installEventFilter(this);
    connect(m_ui.degreesButton, &QPushButton::clicked, this, [this] { setAngleUnit(AngleUnit::Degrees); });
    connect(m_ui.radiansButton, &QPushButton::clicked, this, [this] { setAngleUnit(AngleUnit::Radians); });
    connect(m_ui.history, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 0)
            recallExpression(row);
        else
            recallResult(row);
    });
    connect(m_ui.clearHistoryButton, &QPushButton::clicked, this, &Machine::clearHistory);
}

void Machine::insertText(const QString& text)
{
    if (m_line == LineState::ShowsResult)
        m_ui.display->setText(continuesResult(text) ? QStringLiteral("Ans") : QString());
    else if (m_line == LineState::ShowsFault && !text.isEmpty() && !followsOperand(text.front()))
        m_ui.display->clear();
    m_line = LineState::Editing;
    m_ui.display->insert(text);
    m_ui.display->setFocus();
}

void Machine::calculate()
{
    const QString typed = m_ui.display->text();
    if (typed.trimmed().isEmpty())
        return;
    if (typed == m_timedText && m_timedDuration >= m_slowThreshold) {
        showInResultLine(patienceNotice(), ResultStyle::Notice);
        m_ui.resultLine->repaint();
        QTimer::singleShot(0, this, [this, typed] { finishCalculation(typed); });
        return;
    }
    finishCalculation(typed);
}

// A fault leaves the line as typed, the cursor where the pupil left it; a
// value shows the line as it was computed, its parentheses closed.
void Machine::finishCalculation(const QString& typed)
{
    const QString line = closeParentheses(typed);
    const Evaluation evaluation = m_evaluator.evaluate(line);
    if (evaluation.status == CalcStatus::Blank)
        return;
    if (!evaluation.hasValue()) {
        showInResultLine(calcMessage(evaluation.status), ResultStyle::Message);
        m_line = LineState::ShowsFault;
        return;
    }
    if (line != typed)
        m_ui.display->setText(line);
    const QString result = formatResult(evaluation.value);
    m_evaluator.setAns(evaluation.value);
    addToHistory(line, result);
    showInResultLine(QStringLiteral("= ") + result, ResultStyle::Result);
    m_line = LineState::ShowsResult;
    updateIndicators();
}

void Machine::clearEntry()
{
    m_line = LineState::Editing;
    m_ui.display->clear();
    m_ui.display->setFocus();
}

void Machine::backspace()
{
    m_line = LineState::Editing;
    m_ui.display->backspace();
    m_ui.display->setFocus();
}

void Machine::setAngleUnit(AngleUnit unit)
{
    m_evaluator.setAngleUnit(unit);
    m_ui.degreesButton->setChecked(unit == AngleUnit::Degrees);
    m_ui.radiansButton->setChecked(unit == AngleUnit::Radians);
    updateIndicators();
    updatePreview();
    m_ui.display->setFocus();
}

void Machine::recallExpression(int row)
{
    if (row < 0 || row >= m_ui.history->rowCount())
        return;
    m_line = LineState::Editing;
    m_ui.display->setText(m_ui.history->item(row, 0)->text());
    m_ui.display->setFocus();
}

void Machine::recallResult(int row)
{
    if (row < 0 || row >= m_ui.history->rowCount())
        return;
    // The value itself, and a negative one between parentheses: "(-4)" is one
    // operand, where "-4" would be an operator continuing the line.
    const QString result = m_ui.history->item(row, 1)->text();
    insertText(result.startsWith(u'-') ? u'(' + result + u')' : result);
}

void Machine::clearHistory()
{
    m_ui.history->setRowCount(0);
    m_ui.display->setFocus();
}

// Typing after "=" edits the new line, whatever key it was.
void Machine::displayEdited() { m_line = LineState::Editing; }

// Each change of the line is computed at once, as "=" would compute it; its
// time tells whether "=" on the same line deserves the patience notice.
void Machine::updatePreview()
{
    const QString typed = m_ui.display->text();
    QElapsedTimer clock;
    clock.start();
    const Evaluation evaluation = m_evaluator.evaluate(closeParentheses(typed));
    m_timedDuration = std::chrono::nanoseconds(clock.nsecsElapsed());
    m_timedText = typed;
    showInResultLine(evaluation.hasValue() ? QStringLiteral("= ") + formatResult(evaluation.value) : QString(),
                     ResultStyle::Preview);
}

void Machine::addToHistory(const QString& expression, const QString& result)
{
    QTableWidget* history = m_ui.history;
    if (history->rowCount() >= historyLength)
        history->removeRow(0);
    const int row = history->rowCount();
    history->insertRow(row);
    auto* expressionItem = new QTableWidgetItem(expression);
    expressionItem->setToolTip(expression + QStringLiteral("\nCliquer pour reprendre ce calcul"));
    auto* resultItem = new QTableWidgetItem(result);
    resultItem->setToolTip(QStringLiteral("Cliquer pour insérer ce résultat"));
    resultItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    history->setItem(row, 0, expressionItem);
    history->setItem(row, 1, resultItem);
    history->scrollToBottom();
}

void Machine::showInResultLine(const QString& text, ResultStyle style)
{
    static const char* const names[] = {"preview", "result", "message", "notice"};
    QLabel* line = m_ui.resultLine;
    line->setText(text);
    line->setProperty("state", names[int(style)]);
    line->style()->unpolish(line);
    line->style()->polish(line);
}

void Machine::updateIndicators()
{
    m_ui.ansLabel->setText(QStringLiteral("Ans = ") + formatResult(m_evaluator.ans()));
    m_ui.unitLabel->setText(m_evaluator.angleUnit() == AngleUnit::Degrees ? QStringLiteral("DEG")
                                                                          : QStringLiteral("RAD"));
}

bool Machine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.display) {
        if (event->type() == QEvent::KeyPress)
            return handleDisplayKey(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::MouseButtonPress)
            m_line = LineState::Editing;
    }
    return QDialog::eventFilter(watched, event);
}

// The keyboard speaks the keypad's language: Enter and "=" calculate, "*" and
// "/" are written × and ÷, "." is the decimal comma.
bool Machine::handleDisplayKey(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || event->text() == u"=") {
        calculate();
        return true;
    }
    const QString text = event->text();
    const bool printable =
        !text.isEmpty() && text.front().isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!printable) {
        // Moving or erasing corrects the line; Shift or AltGr alone only
        // prepares the next sign ("+" is Shift and "=" on a French keyboard).
        if (!isModifierOnly(key) && key != Qt::Key_Escape)
            m_line = LineState::Editing;
        return false;
    }
    if (text == u"*")
        insertText(QStringLiteral("×"));
    else if (text == u"/")
        insertText(QStringLiteral("÷"));
    else if (text == u".")
        insertText(QStringLiteral(","));
    else
        insertText(text);
    return true;
}

// Enter presses the key that has the focus, as Space does.
void Machine::keyPressEvent(QKeyEvent* event)
{
    auto* key = qobject_cast<QPushButton*>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && key
        && std::find(m_ui.keys.begin(), m_ui.keys.end(), key) != m_ui.keys.end()) {
        key->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Showing the window gives the line the focus as a Tab would, which selects
// it; the pupil expects the cursor at the end instead.
void Machine::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, m_ui.display, [display = m_ui.display] {
        display->deselect();
        display->end(false);
    });
}
