// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window driven through its keys and the keyboard.

#include "machine_fixture.h"

#include "calculator/keypad.h"

#include <QRadioButton>
#include <QSignalSpy>

namespace {

TEST_F(MachineTest, KeysCarryTheirCaptionsAndTooltips) {
    struct Row {
        const char* name;
        const char* caption;
        const char* tooltip;
    };
    const Row rows[] = {
        {"B0", "0", ""},
        {"B7", "7", ""},
        {"Bpoint", ".", ""},
        {"BtoEXP", "EXP", ""},
        {"kilo", "k", "kilo"},
        {"mega", "M", "Méga"},
        {"giga", "G", "Giga"},
        {"tera", "T", "Téra"},
        {"mil", "m", "milli"},
        {"micro", "µ", "micro"},
        {"nano", "n", "nano"},
        {"pico", "p", "pico"},
        {"pi", "π", "3.1415927"},
        {"Bpo", "(", ""},
        {"bpf", ")", ""},
        {"bsin", "&SIN", "Sinus"},
        {"Bcos", "&COS", "Cosinus"},
        {"Btan", "&TAN", "Tangente"},
        {"invsin", "INV S&IN", "Inverse sinus"},
        {"invcos", "INV C&OS", "Inverse cosinus"},
        {"Btoncommande3", "INV T&AN", "Inverse tangente"},
        {"Bln", "l&n", ""},
        {"Blog", "&Log", ""},
        {"racine", "√", "Racine carrée"},
        {"Command5", "1/x", "Inverse"},
        {"multip", "x", ""},
        {"div", "÷", ""},
        {"plus", "+", ""},
        {"moins", "-", ""},
        {"ANS", "ANS", "Dernière réponse"},
        {"EFFACE", "←", "Effacer dernier caractère"},
        {"RAZ", "AC", "Tout effacer"},
        {"EXE", "EXE", "Calculer"},
        {"Command1", "M+", "Ajouter à la mémoire"},
        {"Command2", "M-", "Soustraire à la mémoire"},
        {"Command4", "CM", "Effacer la mémoire"},
        {"Command3", "RM", "Rappel mémoire"},
    };
    for (const Row& row : rows) {
        QPushButton* button = machine->key(QString::fromLatin1(row.name));
        ASSERT_NE(button, nullptr) << row.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(row.tooltip)) << row.name;
    }
    // The keys drawn as pictures exist too.
    for (const char* name : {"Bexp", "B10x", "puissance", "btcarre"})
        EXPECT_NE(machine->key(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(machine->angle[0]->text(), "Degrés");
    EXPECT_EQ(machine->angle[1]->text(), "Radians");
    EXPECT_EQ(machine->C[0]->text(), "Scientifique");
    EXPECT_EQ(machine->C[1]->text(), "Standard");
    // The option captions are not cut by their frames.
    for (QRadioButton* option :
         {machine->angle[0], machine->angle[1], machine->C[0], machine->C[1]})
        EXPECT_GE(option->width(), option->sizeHint().width()) << option->text().toStdString();
    EXPECT_TRUE(machine->angle[0]->isChecked());
    EXPECT_TRUE(machine->C[1]->isChecked());
}

TEST_F(MachineTest, KeysBuildTheExpression) {
    struct Row {
        const char* name;
        std::initializer_list<const char*> keys;
        const char* expression;
    };
    const Row rows[] = {
        {"digits, point and exponent", {"B1", "Bpoint", "B5", "BtoEXP", "B3"}, "1.5E3"},
        {"unit prefixes",
         {"B5", "kilo", "B2", "mega", "B1", "giga", "B3", "tera"},
         "5E+32E+61E+93E+12"},
        {"small prefixes",
         {"B5", "mil", "B2", "micro", "B1", "nano", "B3", "pico"},
         "5E-32E-61E-93E-12"},
        {"functions after a number",
         {"B2", "bsin", "B2", "Bcos", "B2", "Btan"},
         "2 * sin 2 * cos 2 * tan "},
        {"inverse functions",
         {"invsin", "B1", "invcos", "B1", "Btoncommande3"},
         "invSIN 1 * invCOS 1 * invTAN "},
        {"logarithms, exponential, root",
         {"Bln", "B2", "Blog", "B3", "Bexp", "B4", "racine"},
         "ln 2 * log 3 * exp 4 * SQR "},
        {"power of ten and inverse", {"B3", "B10x", "B2", "Command5", "B4"}, "3 * 10 ^ 2 * 1 / 4"},
        {"pi after a number", {"B2", "pi"}, "2 * 3.14159265358979"},
        {"group after a number", {"B2", "Bpo", "B1", "bpf", "Bpo"}, "2 * (1) * ("},
        {"no product after an opening", {"Bpo", "bsin", "Bpo", "pi"}, "(sin (3.14159265358979"},
        {"no product after a minus", {"moins", "Bpo", "moins", "bsin"}, "-(-sin "},
        {"no product after an operator", {"B2", "plus", "pi"}, "2 + 3.14159265358979"},
        {"minus on an empty buffer", {"moins"}, "-"},
        {"minus after a number", {"B3", "moins"}, "3 - "},
        {"minus after an exponent", {"B2", "BtoEXP", "moins"}, "2E-"},
        {"minus after a minus", {"moins", "moins"}, "- -"},
        {"plus after an exponent", {"B2", "BtoEXP", "plus"}, "2E+"},
        {"operators",
         {"B6", "multip", "B2", "div", "B3", "puissance", "B2", "btcarre"},
         "6 * 2 / 3 ^ 2 ^ 2"},
        {"delete a function word", {"B2", "bsin", "EFFACE"}, "2 * "},
        {"delete an operator", {"B10x", "EFFACE"}, "10"},
        {"delete a character", {"B1", "B2", "EFFACE"}, "1"},
        {"delete inside a group", {"Bpo", "Blog", "EFFACE"}, "("},
        {"delete on an empty buffer", {"EFFACE"}, ""},
        {"clear all", {"B1", "plus", "B2", "RAZ"}, ""},
    };
    for (const Row& row : rows) {
        press({"RAZ"});
        press(row.keys);
        EXPECT_EQ(buffer(), QString::fromUtf8(row.expression)) << row.name;
        EXPECT_EQ(display(), QString::fromUtf8(row.expression)) << row.name;
        EXPECT_EQ(machine->z1->cursorPosition(), display().size()) << row.name;
    }
}

TEST_F(MachineTest, PlusAndProductsNeedSomethingShown) {
    press({"plus", "multip", "div"});
    EXPECT_EQ(display(), "");
    // The power keys work on an empty display.
    press({"puissance"});
    EXPECT_EQ(display(), " ^ ");
}

TEST_F(MachineTest, OperatorsContinueFromTheAnswer) {
    type("2+3");
    enter();
    EXPECT_EQ(display(), " 5");
    EXPECT_EQ(buffer(), "");
    type("*2");
    EXPECT_EQ(display(), "5 * 2");
    enter();
    EXPECT_EQ(display(), " 10");
    press({"btcarre"});
    EXPECT_EQ(display(), "10 ^ 2");
    press({"EXE", "puissance"});
    EXPECT_EQ(display(), "100 ^ ");
    // A digit starts a new expression; a function after a result needs no product.
    press({"RAZ", "B4", "EXE", "B7"});
    EXPECT_EQ(display(), "7");
    press({"EXE", "bsin"});
    EXPECT_EQ(display(), "sin ");
    press({"RAZ", "ANS"});
    EXPECT_EQ(display(), "7");
    EXPECT_EQ(script.beeps, 0);
}

TEST_F(MachineTest, EvaluationShowsTheWaitingTextFirst) {
    QSignalSpy changes(machine->z1, &QLineEdit::textChanged);
    press({"B6", "multip", "B7"});
    changes.clear();
    press({"EXE"});
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0][0].toString(), "    Patience... Calculs en cours.     ");
    EXPECT_EQ(changes[1][0].toString(), " 42");
    EXPECT_EQ(QString::fromStdString(machine->keypad().lastAnswer()), " 42");
}

TEST_F(MachineTest, ErrorsShowTheirMessageWithABeepAndKeepTheExpression) {
    struct Row {
        std::initializer_list<const char*> keys;
        const char* message;
        const char* expression;
    };
    const Row rows[] = {
        {{"Bpo", "B1", "plus", "B2"}, "Erreur saisie\u00A0: revoir les parenthèses", "(1 + 2"},
        {{"B3", "multip"},
         "Erreur saisie\u00A0: incompréhension sur opérateurs\u00A0: ^ * / + -",
         "3 * "},
        {{"B1", "div", "B0"}, "Calcul impossible", "1 / 0"},
        {{"bsin"}, "Calcul impossible", "sin "},
    };
    int beeps = 0;
    for (const Row& row : rows) {
        press({"RAZ"});
        press(row.keys);
        press({"EXE"});
        EXPECT_EQ(display(), QString::fromUtf8(row.message));
        EXPECT_TRUE(shownWhole()) << row.message;
        EXPECT_EQ(script.beeps, ++beeps);
        EXPECT_EQ(buffer(), QString::fromUtf8(row.expression));
        EXPECT_EQ(QString::fromStdString(machine->keypad().lastAnswer()),
                  QString::fromUtf8(row.message));
        // "ANS" after an error inserts nothing: the expression comes back as it was.
        press({"ANS"});
        EXPECT_EQ(display(), QString::fromUtf8(row.expression));
    }
    // The parenthesis closed, the same expression gives its value.
    press({"RAZ", "Bpo", "B1", "plus", "B2", "EXE"});
    press({"bpf", "EXE"});
    EXPECT_EQ(display(), " 3");
}

TEST_F(MachineTest, TooLargeANumberOverflowsTheDisplay) {
    type("1E999");
    enter();
    EXPECT_EQ(display(), "Dépassement de capacité");
    EXPECT_TRUE(shownWhole());
    EXPECT_EQ(script.beeps, 1);
    EXPECT_EQ(buffer(), "");
    press({"ANS"});
    EXPECT_EQ(display(), "");
    press({"B2", "EXE", "RAZ", "ANS"});
    EXPECT_EQ(display(), "2");
}

TEST_F(MachineTest, DisplayFormats) {
    QTest::mouseClick(machine->C[0], Qt::LeftButton);
    EXPECT_TRUE(machine->C[0]->isChecked());
    type("1234.5");
    enter();
    EXPECT_EQ(display(), "1.2345E+03");
    QTest::mouseClick(machine->C[1], Qt::LeftButton);
    EXPECT_EQ(display(), " 1234.5");
    QTest::mouseClick(machine->C[0], Qt::LeftButton);
    EXPECT_EQ(display(), "1.2345E+03");
    type("7");
    enter();
    EXPECT_EQ(display(), "7.E+00");
    // With an expression under way, the display keeps it.
    type("2+");
    QTest::mouseClick(machine->C[1], Qt::LeftButton);
    EXPECT_EQ(display(), "2 + ");
}

TEST_F(MachineTest, AngleUnits) {
    type("sin 90");
    press({"RAZ", "bsin", "B9", "B0", "EXE"});
    EXPECT_EQ(display(), " 1");
    QTest::mouseClick(machine->angle[1], Qt::LeftButton);
    press({"bsin", "B9", "B0", "EXE"});
    EXPECT_EQ(display(), " .893996663600558");
    press({"invcos", "B0", "EXE"});
    EXPECT_EQ(display(), " 1.5707963267949");
}

TEST_F(MachineTest, MemoryKeys) {
    calculator::calculatorMemory() = 0;
    type("2+3");
    enter();
    press({"Command1"}); // M+
    EXPECT_EQ(calculator::calculatorMemory(), 5);
    EXPECT_EQ(display(), " 5");
    press({"Command1"});
    EXPECT_EQ(calculator::calculatorMemory(), 10);
    press({"B4", "Command2"}); // M- takes the number at the start of the display
    EXPECT_EQ(calculator::calculatorMemory(), 6);
    EXPECT_EQ(display(), "4");
    press({"multip", "Command3"}); // RM
    EXPECT_EQ(display(), "4 * 6");
    press({"EXE"});
    EXPECT_EQ(display(), " 24");
    press({"moins", "B6", "EXE", "Command1"});
    EXPECT_EQ(calculator::calculatorMemory(), 0);
    press({"Command2", "RAZ", "Command3"});
    EXPECT_EQ(display(), "6");
    press({"Command4"}); // CM
    EXPECT_EQ(calculator::calculatorMemory(), 0);
    EXPECT_EQ(display(), "6");
    // A message in the display adds nothing.
    calculator::calculatorMemory() = 2;
    press({"RAZ", "B1", "div", "B0", "EXE", "Command1"});
    EXPECT_EQ(calculator::calculatorMemory(), 2);
    // Nor does a sum beyond a double.
    calculator::calculatorMemory() = 1.7e308;
    press({"RAZ"});
    type("1.7E308");
    press({"Command1"});
    EXPECT_EQ(calculator::calculatorMemory(), 1.7e308);
    calculator::calculatorMemory() = 0;
}

TEST_F(MachineTest, Keyboard) {
    type("12.5e3d");
    EXPECT_EQ(display(), "12.5E3E");
    press({"RAZ"});
    type("(1+2)*3/4-5^2");
    EXPECT_EQ(display(), "(1 + 2) * 3 / 4 - 5 ^ 2");
    QTest::keyClick(machine->z1, Qt::Key_Backspace);
    EXPECT_EQ(display(), "(1 + 2) * 3 / 4 - 5 ^ ");
    QTest::keyClick(machine->z1, Qt::Key_Backspace);
    EXPECT_EQ(display(), "(1 + 2) * 3 / 4 - 5");
    QTest::keyClick(machine->z1, Qt::Key_Enter);
    EXPECT_EQ(display(), "-2.75");
    // Every other key does nothing, wherever the focus is.
    press({"RAZ", "B1"});
    type("axS= "); // a comma is the decimal point: see TheCommaIsTheDecimalPoint
    QTest::keyClick(machine->z1, Qt::Key_Left);
    QTest::keyClick(machine->z1, Qt::Key_Delete);
    QTest::keyClicks(machine.get(), QStringLiteral("x2"));
    EXPECT_EQ(display(), "12");
    EXPECT_TRUE(machine->isVisible());
    EXPECT_EQ(machine->z1->cursorPosition(), 2);
    // Escape closes the window, as in every dialog, and leaves the display alone.
    QTest::keyClick(machine->z1, Qt::Key_Escape);
    EXPECT_FALSE(machine->isVisible());
    EXPECT_EQ(display(), "12");
}

} // namespace
