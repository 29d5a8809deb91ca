#include "calculator/window/machine.h"

#include "ui/modal.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

using calculator::Keypad;

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
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    if (effect)
        connect(button, &QPushButton::clicked, this, [this, effect = std::move(effect)] {
            effect(keypad_);
            showDisplay();
        });
    return button;
}

void Machine::buildKeys() {
    struct Scientific {
        const char* name;
        QString caption;
        QString tooltip;
        std::function<void(Keypad&)> effect;
    };
    auto factor = [](const char* text) { return [text](Keypad& k) { k.appendFactor(text); }; };
    auto text = [](const char* text) { return [text](Keypad& k) { k.append(text); }; };
    const QString none;

    // Four rows of six keys.
    const std::array<std::array<Scientific, 6>, 3> rows = {{
        {{{"bsin", "&SIN", "Sinus", factor("sin ")},
          {"Bcos", "&COS", "Cosinus", factor("cos ")},
          {"Btan", "&TAN", "Tangente", factor("tan ")},
          {"invsin", "INV S&IN", "Inverse sinus", factor("invSIN ")},
          {"invcos", "INV C&OS", "Inverse cosinus", factor("invCOS ")},
          {"Btoncommande3", "INV T&AN", "Inverse tangente", factor("invTAN ")}}},
        {{{"Bln", "l&n", none, factor("ln ")},
          {"Blog", "&Log", none, factor("log ")},
          {"Bexp", QStringLiteral("eˣ"), none, factor("exp ")},
          {"B10x", QStringLiteral("10ˣ"), none, factor("10 ^ ")},
          {"racine", QStringLiteral("√"), QStringLiteral("Racine carré"), factor("SQR ")},
          {"Command5", "1/x", "Inverse", factor("1 / ")}}},
        {{{"puissance", QStringLiteral("xʸ"), none, [](Keypad& k) { k.power(); }},
          {"btcarre", QStringLiteral("x²"), none, [](Keypad& k) { k.square(); }},
          {"Bpo", "(", none, factor("(")},
          {"bpf", ")", none, text(")")},
          {"pi", QStringLiteral("π"), "3.1415927",
           [](Keypad& k) { k.appendFactor(Keypad::piText()); }},
          {"ANS", "ANS", QStringLiteral("Dernière réponse"), [](Keypad& k) { k.insertAnswer(); }}}},
    }};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            addKey(rows[r][c].name, rows[r][c].caption, rows[r][c].tooltip,
                   scientificLeft + static_cast<int>(c) * scientificStep,
                   firstRow + static_cast<int>(r) * rowStep, scientificWidth, rowHeight,
                   rows[r][c].effect);

    // The unit prefixes: eight narrower keys.
    struct Prefix {
        const char* name;
        QString caption;
        QString tooltip;
        const char* text;
    };
    const std::array<Prefix, 8> prefixes = {{
        {"kilo", "k", "kilo", "E+3"},
        {"mega", "M", QStringLiteral("Méga"), "E+6"},
        {"giga", "G", "Giga", "E+9"},
        {"tera", "T", QStringLiteral("Téra"), "E+12"},
        {"mil", "m", "milli", "E-3"},
        {"micro", QStringLiteral("µ"), "micro", "E-6"},
        {"nano", "n", "nano", "E-9"},
        {"pico", "p", "pico", "E-12"},
    }};
    for (std::size_t i = 0; i < prefixes.size(); ++i)
        addKey(prefixes[i].name, prefixes[i].caption, prefixes[i].tooltip,
               scientificLeft + static_cast<int>(i) * 36, firstRow + 3 * rowStep, 33, rowHeight,
               text(prefixes[i].text));

    // The memory.
    const std::array<Scientific, 4> memory = {{
        {"Command1", "M+", QStringLiteral("Ajouter à la méoire"), [](Keypad& k) { k.memoryAdd(); }},
        {"Command2", "M-", QStringLiteral("Soustraire à la mémoire"),
         [](Keypad& k) { k.memorySubtract(); }},
        {"Command3", "RM", QStringLiteral("Rappel mémoire"), [](Keypad& k) { k.memoryRecall(); }},
        {"Command4", "CM", QStringLiteral("Effacer la mémoire"),
         [](Keypad& k) { k.memoryClear(); }},
    }};
    for (std::size_t i = 0; i < memory.size(); ++i)
        addKey(memory[i].name, memory[i].caption, memory[i].tooltip,
               scientificLeft + static_cast<int>(i) * 72, firstRow + 4 * rowStep, 68, rowHeight,
               memory[i].effect);

    // The digits: 7 8 9 / 4 5 6 / 1 2 3 / 0 . EXP.
    for (int digit = 0; digit <= 9; ++digit) {
        const int column = digit == 0 ? 0 : (digit - 1) % 3;
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        const std::string name = "B" + std::to_string(digit);
        const QString caption = QString::number(digit);
        addKey(name.c_str(), caption, none, digitLeft + column * digitStep,
               digitTop + row * digitRowStep, digitWidth, digitHeight,
               [caption](Keypad& k) { k.append(caption.toStdString()); });
    }
    addKey("Bpoint", ".", none, digitLeft + digitStep, digitTop + 3 * digitRowStep, digitWidth,
           digitHeight, text("."));
    addKey("BtoEXP", "EXP", none, digitLeft + 2 * digitStep, digitTop + 3 * digitRowStep,
           digitWidth, digitHeight, text("E"));

    // The operators and the evaluation.
    const std::array<Scientific, 6> operators = {{
        {"EFFACE", QStringLiteral("←"), QStringLiteral("Effacer dernier caractère"),
         [](Keypad& k) { k.deleteBackwards(); }},
        {"RAZ", "AC", "Tout effacer", [](Keypad& k) { k.clearAll(); }},
        {"multip", "x", none, [](Keypad& k) { k.multiply(); }},
        {"div", QStringLiteral("÷"), none, [](Keypad& k) { k.divide(); }},
        {"plus", "+", none, [](Keypad& k) { k.plus(); }},
        {"moins", "-", none, [](Keypad& k) { k.minus(); }},
    }};
    for (std::size_t i = 0; i < operators.size(); ++i)
        addKey(operators[i].name, operators[i].caption, operators[i].tooltip,
               operatorLeft + static_cast<int>(i % 2) * operatorStep,
               operatorTop + static_cast<int>(i / 2) * operatorRowStep, operatorWidth,
               operatorHeight, operators[i].effect);
    // EXE shows the waiting text and beeps on a message: it has its own handler.
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
        frame->setGeometry(5, top, 72, 64);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(2, 2, 0, 2);
        layout->setSpacing(0);
        buttons[0] = new QRadioButton(first, frame);
        buttons[1] = new QRadioButton(second, frame);
        for (QRadioButton* b : buttons) {
            b->setFocusPolicy(Qt::NoFocus);
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
    auto chooseFormat = [this](calculator::DisplayFormat format) {
        return [this, format](bool selected) {
            if (!selected) return;
            keypad_.setFormat(format);
            showDisplay();
        };
    };
    connect(C[0], &QRadioButton::toggled, this,
            chooseFormat(calculator::DisplayFormat::Scientific));
    connect(C[1], &QRadioButton::toggled, this, chooseFormat(calculator::DisplayFormat::Standard));
}

void Machine::setDisplayText(const QString& text) {
    // The largest size of the display's font that shows the whole text.
    QFont f(QStringLiteral("Arial"), 18, QFont::Bold);
    const int room = z1->width() - 12;
    while (f.pointSize() > 8 && QFontMetrics(f).horizontalAdvance(text) > room)
        f.setPointSize(f.pointSize() - 1);
    z1->setFont(f);
    z1->setText(text);
}

void Machine::showDisplay() {
    setDisplayText(fromUtf8(keypad_.display()));
    z1->setFocus(Qt::OtherFocusReason);
    z1->setCursorPosition(static_cast<int>(z1->text().size()));
}

void Machine::EXE_Click() {
    const bool message =
        keypad_.evaluate([this](std::string_view waiting) { setDisplayText(fromUtf8(waiting)); });
    showDisplay();
    if (message) ui::beep();
}

void Machine::EFFACE_Click() {
    keypad_.deleteBackwards();
    showDisplay();
}

void Machine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i <= 301; ++i) {
        const int red = static_cast<int>(std::nearbyint(200 - i / 2.0)); // halves to even
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
