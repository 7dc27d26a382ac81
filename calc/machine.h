#pragma once
// The scientific calculator Machine: a display line the pupil types or edits,
// a keypad, the Degrés / Radians switch, the result line (a live preview
// while the line is valid, then the result or the message of a fault) and the
// history of the calculations, whose expressions and results can be taken
// back with a click.

#include "calc/evaluator.h"

#include <QDialog>
#include <QString>
#include <chrono>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

struct MachineUi {
    QLineEdit* display = nullptr;
    QLabel* resultLine = nullptr;
    QLabel* ansLabel = nullptr;
    QLabel* unitLabel = nullptr;
    QPushButton* degreesButton = nullptr;
    QPushButton* radiansButton = nullptr;
    QTableWidget* history = nullptr;
    QPushButton* clearHistoryButton = nullptr;
    std::vector<QPushButton*> keys;
};

class Machine : public QDialog {
    Q_OBJECT
public:
    explicit Machine(QWidget* parent = nullptr);
    ~Machine() override;

    const MachineUi& ui() const { return m_ui; }
    const Evaluator& evaluator() const { return m_evaluator; }

    // What the keys do; public so that tests drive them by name.
    void insertText(const QString& text);
    void calculate();
    void clearEntry();
    void backspace();
    void setAngleUnit(AngleUnit unit);
    void recallExpression(int row);
    void recallResult(int row);
    void clearHistory();

    // A calculation whose line took at least this long to preview shows the
    // patience notice while it runs; the default is the blink of an eye.
    void setSlowCalculation(std::chrono::nanoseconds threshold) { m_slowThreshold = threshold; }

    static constexpr int historyLength = 200;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class ResultStyle { Preview, Result, Message, Notice };

    void buildControls();
    QWidget* buildKeypad();
    void applyStyle();
    void connectControls();

    void displayEdited();
    void updatePreview();
    void finishCalculation(const QString& typed);
    void addToHistory(const QString& expression, const QString& result);
    void showInResultLine(const QString& text, ResultStyle style);
    void updateIndicators();
    bool handleDisplayKey(QKeyEvent* event);

    // What the next key does to the line. After a result it starts a new
    // line ("Ans" first for an operator); after a fault it starts one only
    // when it begins an operand (a digit, a function, "("), and edits the
    // line kept for correction otherwise.
    enum class LineState { Editing, ShowsResult, ShowsFault };

    MachineUi m_ui;
    Evaluator m_evaluator;
    LineState m_line = LineState::Editing;
    QString m_timedText;
    std::chrono::nanoseconds m_timedDuration{0};
    std::chrono::nanoseconds m_slowThreshold = std::chrono::milliseconds(100);
};
