// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/window/machine.h"

#include "a11y/tell.h"
#include "numbers/rounding.h"
#include "ui/modal.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace calculator {

namespace {

// The window's inner area, in pixels.
constexpr int innerWidth = 302;
constexpr int innerHeight = 430;

// Key grid: the scientific rows at the top, the digits in the framed block at the bottom
// middle, the options on its left and the operators on its right.
constexpr int scientificLeft = 8, scientificStep = 48, scientificWidth = 44;
constexpr int rowHeight = 26, rowStep = 32, firstRow = 114;
constexpr int digitLeft = 85, digitStep = 40, digitWidth = 36;
constexpr int digitTop = 293, digitRowStep = 32, digitHeight = 27;
constexpr int operatorLeft = 212, operatorStep = 42, operatorWidth = 38;
constexpr int operatorTop = 290, operatorRowStep = 32, operatorHeight = 28;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Machine::Machine(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(QStringLiteral("Machine à calculer"));
    setFixedSize(innerWidth, innerHeight);
    setFont(QFont(QStringLiteral("Arial"), 8));

    z1 = new QLineEdit(this);
    z1->setObjectName(QStringLiteral("z1"));
    // The display is written by the keys only: no typing, pasting or dropping into it.
    z1->setContextMenuPolicy(Qt::NoContextMenu);
    z1->setAcceptDrops(false);
    z1->setAttribute(Qt::WA_InputMethodEnabled, false);
    z1->installEventFilter(this);
    z1->setAccessibleName(QStringLiteral("Affichage de la calculatrice"));
    connect(z1, &QLineEdit::textEdited, this, [this] { showDisplay(); });
    placeDisplay(16, 89);

    buildKeys();
    buildOptions();
    showDisplay();
}

void Machine::placeDisplay(int top, int height) {
    z1->setGeometry(10, top, 282, height);
}

QPushButton* Machine::key(const QString& name) const {
    return findChild<QPushButton*>(name, Qt::FindDirectChildrenOnly);
}

QPushButton* Machine::addKey(const char* name, const QString& caption, const QString& tooltip,
                             int x, int y, int width, int height,
                             std::function<void(Keypad&)> effect) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tooltip);
    button->setGeometry(x, y, width, height);
    // Reached with Tab and the arrows; a click of the mouse leaves the focus on the display.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    button->setAccessibleName(keyName(button->objectName()));
    button->installEventFilter(this);
    if (effect)
        connect(button, &QPushButton::clicked, this, [this, button, effect = std::move(effect)] {
            effect(keypad_);
            showDisplay();
            if (button->hasFocus()) tellDisplay(QStringLiteral("Affichage\u00A0: "));
        });
    return button;
}

void Machine::buildKeys() {
    struct Key {
        const char* name;
        QString caption;
        QString tooltip;
        std::function<void(Keypad&)> effect;
    };
    // A run of keys from left to right.
    auto run = [this](std::initializer_list<Key> keys, int left, int top, int width, int height,
                      int step) {
        int x = left;
        for (const Key& k : keys) {
            addKey(k.name, k.caption, k.tooltip, x, top, width, height, k.effect);
            x += step;
        }
    };
    auto factor = [](const char* text) { return [text](Keypad& k) { k.appendFactor(text); }; };
    auto text = [](const char* text) { return [text](Keypad& k) { k.append(text); }; };
    const QString none;

    // The scientific block: three rows of functions, the unit prefixes, the memory.
    auto scientificRow = [&](int row, std::initializer_list<Key> keys) {
        run(keys, scientificLeft, firstRow + row * rowStep, scientificWidth, rowHeight,
            scientificStep);
    };
    scientificRow(0, {{"bsin", "&SIN", "Sinus", factor("sin ")},
                      {"Bcos", "&COS", "Cosinus", factor("cos ")},
                      {"Btan", "&TAN", "Tangente", factor("tan ")},
                      {"invsin", "INV S&IN", "Inverse sinus", factor("invSIN ")},
                      {"invcos", "INV C&OS", "Inverse cosinus", factor("invCOS ")},
                      {"Btoncommande3", "INV T&AN", "Inverse tangente", factor("invTAN ")}});
    scientificRow(1,
                  {{"Bln", "l&n", none, factor("ln ")},
                   {"Blog", "&Log", none, factor("log ")},
                   {"Bexp", QStringLiteral("eˣ"), none, factor("exp ")},
                   {"B10x", QStringLiteral("10ˣ"), none, factor("10 ^ ")},
                   {"racine", QStringLiteral("√"), QStringLiteral("Racine carrée"), factor("SQR ")},
                   {"Command5", "1/x", "Inverse", factor("1 / ")}});
    scientificRow(2, {{"puissance", QStringLiteral("xʸ"), none, &Keypad::power},
                      {"btcarre", QStringLiteral("x²"), none, &Keypad::square},
                      {"Bpo", "(", none, factor("(")},
                      {"bpf", ")", none, text(")")},
                      {"pi", QStringLiteral("π"), "3.1415927",
                       [](Keypad& k) { k.appendFactor(Keypad::piText()); }},
                      {"ANS", "ANS", QStringLiteral("Dernière réponse"), &Keypad::insertAnswer}});
    run({{"kilo", "k", "kilo", text("E+3")},
         {"mega", "M", QStringLiteral("Méga"), text("E+6")},
         {"giga", "G", "Giga", text("E+9")},
         {"tera", "T", QStringLiteral("Téra"), text("E+12")},
         {"mil", "m", "milli", text("E-3")},
         {"micro", QStringLiteral("µ"), "micro", text("E-6")},
         {"nano", "n", "nano", text("E-9")},
         {"pico", "p", "pico", text("E-12")}},
        scientificLeft, firstRow + 3 * rowStep, 33, rowHeight, 36);
    run({{"Command1", "M+", QStringLiteral("Ajouter à la mémoire"), &Keypad::memoryAdd},
         {"Command2", "M-", QStringLiteral("Soustraire à la mémoire"), &Keypad::memorySubtract},
         {"Command3", "RM", QStringLiteral("Rappel mémoire"), &Keypad::memoryRecall},
         {"Command4", "CM", QStringLiteral("Effacer la mémoire"), &Keypad::memoryClear}},
        scientificLeft, firstRow + 4 * rowStep, 68, rowHeight, 72);

    // The digits, framed: 7 8 9 / 4 5 6 / 1 2 3 / 0 . EXP.
    auto digitRow = [&](int row, std::initializer_list<Key> keys) {
        run(keys, digitLeft, digitTop + row * digitRowStep, digitWidth, digitHeight, digitStep);
    };
    digitRow(
        0,
        {{"B7", "7", none, text("7")}, {"B8", "8", none, text("8")}, {"B9", "9", none, text("9")}});
    digitRow(
        1,
        {{"B4", "4", none, text("4")}, {"B5", "5", none, text("5")}, {"B6", "6", none, text("6")}});
    digitRow(
        2,
        {{"B1", "1", none, text("1")}, {"B2", "2", none, text("2")}, {"B3", "3", none, text("3")}});
    digitRow(3, {{"B0", "0", none, text("0")},
                 {"Bpoint", ".", none, text(".")},
                 {"BtoEXP", "EXP", none, text("E")}});

    // The operators, and EXE, whose handler shows the waiting text and beeps on a message.
    auto operatorRow = [&](int row, std::initializer_list<Key> keys) {
        run(keys, operatorLeft, operatorTop + row * operatorRowStep, operatorWidth, operatorHeight,
            operatorStep);
    };
    operatorRow(0, {{"EFFACE", QStringLiteral("←"), QStringLiteral("Effacer dernier caractère"),
                     &Keypad::deleteBackwards},
                    {"RAZ", "AC", "Tout effacer", &Keypad::clearAll}});
    operatorRow(1, {{"multip", "x", none, &Keypad::multiply},
                    {"div", QStringLiteral("÷"), none, &Keypad::divide}});
    operatorRow(2, {{"plus", "+", none, &Keypad::plus}, {"moins", "-", none, &Keypad::minus}});
    QPushButton* exe =
        addKey("EXE", "EXE", "Calculer", operatorLeft, operatorTop + 3 * operatorRowStep,
               operatorStep + operatorWidth, operatorHeight, {});
    connect(exe, &QPushButton::clicked, this, &Machine::EXE_Click);

    // The keys of the bottom block in bold; the long captions smaller.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        QFont f = button->font();
        f.setBold(button->y() >= operatorTop);
        if (button->text().startsWith(QLatin1String("INV"))) f.setPointSize(7);
        button->setFont(f);
    }
}

void Machine::buildOptions() {
    auto group = [this](const char* name, const QString& title, int top, const QString& first,
                        const QString& second, std::array<QRadioButton*, 2>& buttons) {
        auto* frame = new QGroupBox(title, this);
        frame->setObjectName(QString::fromLatin1(name));
        // As wide as the room left of the digits' frame, so that "Scientifique" shows whole.
        frame->setGeometry(2, top, 79, 64);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 2, 0, 2);
        layout->setSpacing(0);
        buttons[0] = new QRadioButton(first, frame);
        buttons[1] = new QRadioButton(second, frame);
        for (QRadioButton* b : buttons) {
            b->setFocusPolicy(Qt::TabFocus);
            b->setFont(QFont(QStringLiteral("Arial"), 7));
            layout->addWidget(b);
        }
    };
    group("Angles", QStringLiteral("Angles"), 286, QStringLiteral("Degrés"),
          QStringLiteral("Radians"), angle);
    group("Affichage", QStringLiteral("Affichage"), 354, QStringLiteral("Scientifique"),
          QStringLiteral("Standard"), C);
    angle[0]->setObjectName(QStringLiteral("angle0"));
    angle[1]->setObjectName(QStringLiteral("angle1"));
    C[0]->setObjectName(QStringLiteral("C0"));
    C[1]->setObjectName(QStringLiteral("C1"));
    angle[0]->setChecked(true);
    C[1]->setChecked(true);
    connect(angle[1], &QRadioButton::toggled, this, [this](bool radians) {
        keypad_.setAngleUnit(radians ? 1 : 0);
        showDisplay();
    });
    auto chooseFormat = [this](DisplayFormat format) {
        return [this, format](bool selected) {
            if (!selected) return;
            keypad_.setFormat(format);
            showDisplay();
        };
    };
    connect(C[0], &QRadioButton::toggled, this, chooseFormat(DisplayFormat::Scientific));
    connect(C[1], &QRadioButton::toggled, this, chooseFormat(DisplayFormat::Standard));
}

void Machine::setDisplayText(const QString& text) {
    // The largest size of the display's font that shows the whole text. The longest message
    // ("Erreur saisie: incompréhension sur opérateurs: ...") needs the smallest size; a longer
    // expression scrolls, the caret at its end.
    QFont f(QStringLiteral("Arial"), 18, QFont::Bold);
    const int room = z1->width() - 12;
    while (f.pointSize() > 6 && QFontMetrics(f).horizontalAdvance(text) > room)
        f.setPointSize(f.pointSize() - 1);
    z1->setFont(f);
    z1->setText(text);
}

void Machine::showDisplay() {
    setDisplayText(fromUtf8(keypad_.display()));
    // A key or an option worked from the keyboard keeps the focus.
    if (!qobject_cast<QAbstractButton*>(focusWidget())) z1->setFocus(Qt::OtherFocusReason);
    z1->setCursorPosition(static_cast<int>(z1->text().size()));
}

void Machine::tellDisplay(const QString& lead) {
    a11y::tell(this, lead + spokenDisplay(z1->text()));
}

QString Machine::spokenDisplay(const QString& display) {
    // The display writes a number as " .08" or "-.5": said with its zero.
    QString text = display.trimmed();
    if (text.isEmpty()) return QStringLiteral("vide");
    if (text.startsWith(QLatin1Char('.'))) text.prepend(QLatin1Char('0'));
    if (text.startsWith(QLatin1String("-."))) text.insert(1, QLatin1Char('0'));
    return text;
}

void Machine::EXE_Click() {
    const bool message =
        keypad_.evaluate([this](std::string_view waiting) { setDisplayText(fromUtf8(waiting)); });
    showDisplay();
    tellDisplay(message ? QString() : QStringLiteral("Résultat\u00A0: "));
    if (message) ui::beep();
}

QString Machine::keyName(const QString& key) {
    static const std::pair<const char*, const char*> names[] = {
        {"bsin", "Sinus"},
        {"Bcos", "Cosinus"},
        {"Btan", "Tangente"},
        {"invsin", "Arc sinus"},
        {"invcos", "Arc cosinus"},
        {"Btoncommande3", "Arc tangente"},
        {"Bln", "Logarithme népérien"},
        {"Blog", "Logarithme décimal"},
        {"Bexp", "Exponentielle"},
        {"B10x", "Dix puissance"},
        {"racine", "Racine carrée"},
        {"Command5", "Inverse"},
        {"puissance", "Puissance"},
        {"btcarre", "Au carré"},
        {"Bpo", "Parenthèse ouvrante"},
        {"bpf", "Parenthèse fermante"},
        {"pi", "Pi"},
        {"ANS", "Dernière réponse"},
        {"kilo", "kilo, fois dix puissance 3"},
        {"mega", "méga, fois dix puissance 6"},
        {"giga", "giga, fois dix puissance 9"},
        {"tera", "téra, fois dix puissance 12"},
        {"mil", "milli, fois dix puissance moins 3"},
        {"micro", "micro, fois dix puissance moins 6"},
        {"nano", "nano, fois dix puissance moins 9"},
        {"pico", "pico, fois dix puissance moins 12"},
        {"Command1", "Ajouter à la mémoire"},
        {"Command2", "Soustraire de la mémoire"},
        {"Command3", "Rappel de la mémoire"},
        {"Command4", "Effacer la mémoire"},
        {"Bpoint", "Point décimal"},
        {"BtoEXP", "Exposant de dix"},
        {"EFFACE", "Effacer le dernier caractère"},
        {"RAZ", "Tout effacer"},
        {"multip", "Multiplier"},
        {"div", "Diviser"},
        {"plus", "Plus"},
        {"moins", "Moins"},
        {"EXE", "Calculer"},
    };
    for (const auto& [object, name] : names)
        if (key == QLatin1String(object)) return QString::fromUtf8(name);
    // The digits say themselves.
    return {};
}

void Machine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i <= 301; ++i) {
        const int red = numbers::nearest(200 - i / 2.0);
        painter.setPen(QColor(red, red + 50, red + 50));
        painter.drawLine(i, 0, i, 430);
    }
    auto box = [&painter](int x1, int y1, int x2, int y2, const QColor& colour) {
        painter.setPen(colour);
        painter.drawLine(x1, y1, x2, y1);
        painter.drawLine(x1, y2, x2, y2);
        painter.drawLine(x1, y1, x1, y2);
        painter.drawLine(x2, y1, x2, y2);
    };
    box(1, 1, 299, 428, Qt::white);
    // Lines stop short of their last point.
    painter.setPen(Qt::black);
    painter.drawLine(1, 1, 298, 1);
    painter.drawLine(1, 1, 1, 426);
    box(82, 290, 206, 421, Qt::white);
    box(81, 289, 205, 420, QColor(0, 128, 128));
}

} // namespace calculator
