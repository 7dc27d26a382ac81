// Building the calculator's controls: the display, the switch, the keypad and
// the history, and the style that makes them one instrument.

#include "calc/machine.h"

#include <QButtonGroup>
#include <algorithm>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum class KeyRole { Digit, Operator, Function, Prefix, Clear, Equals };

struct KeyDefinition {
    const char* name;
    const char* label;
    const char* insertion; // nullptr for clear, back and equals
    const char* hint;
    KeyRole role;
    int row;
    int column;
};

const char* roleName(KeyRole role)
{
    switch (role) {
    case KeyRole::Digit: return "digit";
    case KeyRole::Operator: return "operator";
    case KeyRole::Function: return "function";
    case KeyRole::Prefix: return "prefix";
    case KeyRole::Clear: return "clear";
    case KeyRole::Equals: return "equals";
    }
    return "";
}

// Functions on the left, digits and operators on the right, the SI prefixes
// along the bottom row beside "Ans" and "=".
constexpr KeyDefinition keys[] = {
    {"keySin", "sin", "sin(", "Sinus", KeyRole::Function, 0, 0},
    {"keyCos", "cos", "cos(", "Cosinus", KeyRole::Function, 0, 1},
    {"keyTan", "tan", "tan(", "Tangente", KeyRole::Function, 0, 2},
    {"keyLn", "ln", "ln(", "Logarithme népérien", KeyRole::Function, 0, 3},
    {"keyLog", "log", "log(", "Logarithme décimal", KeyRole::Function, 0, 4},
    {"keyAsin", "asin", "asin(", "Arc sinus", KeyRole::Function, 1, 0},
    {"keyAcos", "acos", "acos(", "Arc cosinus", KeyRole::Function, 1, 1},
    {"keyAtan", "atan", "atan(", "Arc tangente", KeyRole::Function, 1, 2},
    {"keyExp", "exp", "exp(", "Exponentielle", KeyRole::Function, 1, 3},
    {"keyTenPower", "10ˣ", "10^(", "Puissance de dix", KeyRole::Function, 1, 4},
    {"keySinh", "sinh", "sinh(", "Sinus hyperbolique", KeyRole::Function, 2, 0},
    {"keyCosh", "cosh", "cosh(", "Cosinus hyperbolique", KeyRole::Function, 2, 1},
    {"keyTanh", "tanh", "tanh(", "Tangente hyperbolique", KeyRole::Function, 2, 2},
    {"keyRoot", "√", "√(", "Racine carrée", KeyRole::Function, 2, 3},
    {"keySquare", "x²", "²", "Carré", KeyRole::Function, 2, 4},
    {"keyPi", "π", "π", "Le nombre π", KeyRole::Function, 3, 0},
    {"keyE", "e", "e", "Le nombre e, base des logarithmes népériens", KeyRole::Function, 3, 1},
    {"keyAbs", "abs", "abs(", "Valeur absolue", KeyRole::Function, 3, 2},
    {"keyRound", "round", "round(", "Arrondi: round(x) ou round(x; décimales)", KeyRole::Function, 3, 3},
    {"keyPower", "xʸ", "^", "Puissance", KeyRole::Operator, 3, 4},
    {"key7", "7", "7", nullptr, KeyRole::Digit, 0, 5},
    {"key8", "8", "8", nullptr, KeyRole::Digit, 0, 6},
    {"key9", "9", "9", nullptr, KeyRole::Digit, 0, 7},
    {"keyDivide", "÷", "÷", "Diviser", KeyRole::Operator, 0, 8},
    {"keyBack", "⌫", nullptr, "Effacer le dernier caractère", KeyRole::Clear, 0, 9},
    {"key4", "4", "4", nullptr, KeyRole::Digit, 1, 5},
    {"key5", "5", "5", nullptr, KeyRole::Digit, 1, 6},
    {"key6", "6", "6", nullptr, KeyRole::Digit, 1, 7},
    {"keyTimes", "×", "×", "Multiplier", KeyRole::Operator, 1, 8},
    {"keyClear", "C", nullptr, "Effacer la ligne", KeyRole::Clear, 1, 9},
    {"key1", "1", "1", nullptr, KeyRole::Digit, 2, 5},
    {"key2", "2", "2", nullptr, KeyRole::Digit, 2, 6},
    {"key3", "3", "3", nullptr, KeyRole::Digit, 2, 7},
    {"keyMinus", "−", "-", "Soustraire", KeyRole::Operator, 2, 8},
    {"keyOpen", "(", "(", nullptr, KeyRole::Operator, 2, 9},
    {"key0", "0", "0", nullptr, KeyRole::Digit, 3, 5},
    {"keyComma", ",", ",", "Virgule décimale", KeyRole::Digit, 3, 6},
    {"keyExponent", "E", "E", "Puissance de dix d'une écriture scientifique: 1,5E-3", KeyRole::Digit, 3, 7},
    {"keyPlus", "+", "+", "Ajouter", KeyRole::Operator, 3, 8},
    {"keyClose", ")", ")", nullptr, KeyRole::Operator, 3, 9},
    {"keyPico", "p", "p", "Préfixe pico: ×10⁻¹²", KeyRole::Prefix, 4, 0},
    {"keyNano", "n", "n", "Préfixe nano: ×10⁻⁹", KeyRole::Prefix, 4, 1},
    {"keyMicro", "µ", "µ", "Préfixe micro: ×10⁻⁶", KeyRole::Prefix, 4, 2},
    {"keyMilli", "m", "m", "Préfixe milli: ×10⁻³", KeyRole::Prefix, 4, 3},
    {"keyKilo", "k", "k", "Préfixe kilo: ×10³", KeyRole::Prefix, 4, 4},
    {"keyMega", "M", "M", "Préfixe méga: ×10⁶", KeyRole::Prefix, 4, 5},
    {"keyGiga", "G", "G", "Préfixe giga: ×10⁹", KeyRole::Prefix, 4, 6},
    {"keySeparator", ";", ";", "Sépare les arguments: round(x; décimales)", KeyRole::Operator, 4, 7},
    {"keyAns", "Ans", "Ans", "Le dernier résultat", KeyRole::Operator, 4, 8},
    {"keyEquals", "=", nullptr, "Calculer (Entrée)", KeyRole::Equals, 4, 9},
};

} // namespace

void Machine::buildControls()
{
    auto* display = new QFrame(this);
    display->setObjectName(QStringLiteral("screen"));
    auto* screen = new QGridLayout(display);
    screen->setContentsMargins(12, 8, 12, 8);
    screen->setVerticalSpacing(2);

    m_ui.ansLabel = new QLabel(display);
    m_ui.ansLabel->setObjectName(QStringLiteral("ansLabel"));
    m_ui.unitLabel = new QLabel(display);
    m_ui.unitLabel->setObjectName(QStringLiteral("unitLabel"));
    m_ui.unitLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ui.display = new QLineEdit(display);
    m_ui.display->setObjectName(QStringLiteral("display"));
    m_ui.display->setFrame(false);
    m_ui.display->setPlaceholderText(QStringLiteral("Tapez un calcul, par exemple 2,5×sin(30)"));
    m_ui.resultLine = new QLabel(display);
    m_ui.resultLine->setObjectName(QStringLiteral("resultLine"));
    m_ui.resultLine->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ui.resultLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ui.resultLine->setMinimumHeight(38);
    screen->addWidget(m_ui.ansLabel, 0, 0);
    screen->addWidget(m_ui.unitLabel, 0, 1);
    screen->addWidget(m_ui.display, 1, 0, 1, 2);
    screen->addWidget(m_ui.resultLine, 2, 0, 1, 2);

    m_ui.degreesButton = new QPushButton(QStringLiteral("Degrés"), this);
    m_ui.degreesButton->setObjectName(QStringLiteral("degreesButton"));
    m_ui.radiansButton = new QPushButton(QStringLiteral("Radians"), this);
    m_ui.radiansButton->setObjectName(QStringLiteral("radiansButton"));
    auto* units = new QButtonGroup(this);
    for (QPushButton* unit : {m_ui.degreesButton, m_ui.radiansButton}) {
        unit->setCheckable(true);
        unit->setAutoDefault(false);
        unit->setFocusPolicy(Qt::TabFocus);
        unit->setToolTip(QStringLiteral("Unité des angles de sin, cos, tan et de leurs inverses"));
        units->addButton(unit);
    }
    m_ui.degreesButton->setChecked(true);
    m_ui.degreesButton->setProperty("segment", "left");
    m_ui.radiansButton->setProperty("segment", "right");
    auto* unitRow = new QHBoxLayout;
    unitRow->setSpacing(0);
    auto* unitCaption = new QLabel(QStringLiteral("Angles :"), this);
    unitRow->addWidget(unitCaption);
    unitRow->addSpacing(8);
    unitRow->addWidget(m_ui.degreesButton);
    unitRow->addWidget(m_ui.radiansButton);
    unitRow->addStretch();

    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    left->addWidget(display);
    left->addLayout(unitRow);
    left->addWidget(buildKeypad(), 1);

    auto* historyTitle = new QLabel(QStringLiteral("Historique"), this);
    historyTitle->setObjectName(QStringLiteral("historyTitle"));
    m_ui.history = new QTableWidget(0, 2, this);
    m_ui.history->setObjectName(QStringLiteral("history"));
    m_ui.history->setHorizontalHeaderLabels({QStringLiteral("Calcul"), QStringLiteral("Résultat")});
    m_ui.history->verticalHeader()->hide();
    m_ui.history->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_ui.history->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_ui.history->horizontalHeader()->setHighlightSections(false);
    m_ui.history->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui.history->setSelectionMode(QAbstractItemView::NoSelection);
    m_ui.history->setFocusPolicy(Qt::NoFocus);
    m_ui.history->setShowGrid(false);
    m_ui.history->setWordWrap(false);
    m_ui.history->setTextElideMode(Qt::ElideMiddle);
    m_ui.history->setCursor(Qt::PointingHandCursor);
    m_ui.history->setToolTip(QStringLiteral("Cliquer sur un calcul pour le reprendre, sur un résultat pour l'insérer"));
    m_ui.clearHistoryButton = new QPushButton(QStringLiteral("Effacer l'historique"), this);
    m_ui.clearHistoryButton->setObjectName(QStringLiteral("clearHistoryButton"));
    m_ui.clearHistoryButton->setAutoDefault(false);
    m_ui.clearHistoryButton->setFocusPolicy(Qt::TabFocus);
    m_ui.display->setAccessibleName(QStringLiteral("Calcul"));
    m_ui.degreesButton->setAccessibleName(QStringLiteral("Angles en degrés"));
    m_ui.radiansButton->setAccessibleName(QStringLiteral("Angles en radians"));
    m_ui.history->setAccessibleName(historyTitle->text());
    m_ui.clearHistoryButton->setAccessibleName(m_ui.clearHistoryButton->text());

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(historyTitle);
    right->addWidget(m_ui.history, 1);
    right->addWidget(m_ui.clearHistoryButton);

    auto* whole = new QHBoxLayout(this);
    whole->setContentsMargins(14, 14, 14, 14);
    whole->setSpacing(14);
    whole->addLayout(left, 5);
    whole->addLayout(right, 2);
    setMinimumSize(820, 440);

    setTabOrder(m_ui.display, m_ui.degreesButton);
    setTabOrder(m_ui.degreesButton, m_ui.radiansButton);
    // Tab goes through the keys as they are read, row by row.
    std::vector<std::pair<int, QPushButton*>> reading;
    for (size_t i = 0; i < m_ui.keys.size(); ++i)
        reading.emplace_back(keys[i].row * 100 + keys[i].column, m_ui.keys[i]);
    std::sort(reading.begin(), reading.end());
    QWidget* previous = m_ui.radiansButton;
    for (const auto& [place, key] : reading) {
        setTabOrder(previous, key);
        previous = key;
    }
    setTabOrder(previous, m_ui.clearHistoryButton);
}

QWidget* Machine::buildKeypad()
{
    auto* keypad = new QWidget(this);
    keypad->setObjectName(QStringLiteral("keypad"));
    auto* grid = new QGridLayout(keypad);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(5);
    for (const KeyDefinition& definition : keys) {
        auto* key = new QPushButton(QString::fromUtf8(definition.label), keypad);
        key->setObjectName(QString::fromLatin1(definition.name));
        key->setProperty("role", roleName(definition.role));
        // Reached by Tab, so that a click leaves the focus in the line.
        key->setFocusPolicy(Qt::TabFocus);
        key->setAccessibleName(QString::fromUtf8(definition.hint ? definition.hint : definition.label));
        key->setAutoDefault(false);
        key->setMinimumSize(46, 34);
        key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        if (definition.hint)
            key->setToolTip(QString::fromUtf8(definition.hint));
        if (definition.insertion) {
            const QString insertion = QString::fromUtf8(definition.insertion);
            connect(key, &QPushButton::clicked, this, [this, insertion] { insertText(insertion); });
        } else if (definition.role == KeyRole::Equals) {
            connect(key, &QPushButton::clicked, this, &Machine::calculate);
        } else if (qstrcmp(definition.name, "keyBack") == 0) {
            connect(key, &QPushButton::clicked, this, &Machine::backspace);
        } else {
            connect(key, &QPushButton::clicked, this, &Machine::clearEntry);
        }
        grid->addWidget(key, definition.row, definition.column);
        m_ui.keys.push_back(key);
    }
    return keypad;
}

void Machine::applyStyle()
{
    setStyleSheet(QStringLiteral(R"(
Machine { background: #e9edf2; }
QFrame#screen { background: #fbfcf7; border: 1px solid #9aa5b1; border-radius: 8px; }
QLabel#ansLabel, QLabel#unitLabel { color: #6b7785; font-size: 9pt; }
QLabel#unitLabel { font-weight: bold; }
QLineEdit#display { background: transparent; border: none; font-size: 17pt; color: #1d2733;
                    selection-background-color: #b9d4f1; selection-color: #1d2733; }
QLabel#resultLine { font-size: 20pt; color: #1d2733; }
QLabel#resultLine[state="preview"] { color: #8d98a5; }
QLabel#resultLine[state="result"] { color: #10325c; font-weight: bold; }
QLabel#resultLine[state="message"] { color: #b3261e; font-size: 12pt; font-weight: bold; }
QLabel#resultLine[state="notice"] { color: #6b7785; font-size: 12pt; font-style: italic; }
QLabel#historyTitle { font-weight: bold; color: #33404d; }
QPushButton { border: 1px solid #a8b2bd; border-radius: 6px; padding: 2px 6px; font-size: 11pt;
              background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #eef1f4); color: #1d2733; }
QPushButton:hover { border-color: #5b8fd0; }
QPushButton:pressed { background: #d6dde5; }
QPushButton[role="digit"] { font-size: 13pt; font-weight: bold; background: #ffffff; }
QPushButton[role="operator"] { font-size: 13pt; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e8eef7, stop:1 #d7e1ee); }
QPushButton[role="function"] { font-size: 10pt; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3f4f6, stop:1 #e1e5ea); }
QPushButton[role="prefix"] { font-size: 11pt; font-style: italic; color: #2f5d8a; background: #eef3f8; }
QPushButton[role="clear"] { font-size: 12pt; color: #ffffff; border-color: #b8642a;
                            background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f0a060, stop:1 #e0803a); }
QPushButton[role="clear"]:pressed { background: #c96d2c; }
QPushButton[role="equals"] { font-size: 15pt; font-weight: bold; color: #ffffff; border-color: #1f4f8a;
                             background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4d8ad6, stop:1 #2a64b0); }
QPushButton[role="equals"]:pressed { background: #22548f; }
QPushButton#degreesButton, QPushButton#radiansButton { min-width: 78px; min-height: 24px; font-size: 10pt; background: #ffffff; }
QPushButton#degreesButton { border-top-right-radius: 0; border-bottom-right-radius: 0; }
QPushButton#radiansButton { border-top-left-radius: 0; border-bottom-left-radius: 0; border-left: none; }
QPushButton#degreesButton:checked, QPushButton#radiansButton:checked { background: #2a64b0; color: #ffffff; border-color: #1f4f8a; }
QPushButton#clearHistoryButton { font-size: 9pt; padding: 4px 8px; }
QTableWidget#history { background: #ffffff; border: 1px solid #a8b2bd; border-radius: 6px; font-size: 10pt;
                       alternate-background-color: #f4f6f9; }
QTableWidget#history::item { padding: 2px 6px; }
QTableWidget#history::item:hover { background: #dde9f7; }
QHeaderView::section { background: #eef1f4; border: none; border-bottom: 1px solid #c4ccd5; padding: 3px 6px; color: #4a5663; }
)"));
    m_ui.history->setAlternatingRowColors(true);
}
