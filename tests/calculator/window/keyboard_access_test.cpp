// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator from the keyboard and a screen reader: every key reached and named, the
// arrows from key to key, a typed comma as the decimal point (said once), the result told
// with its leading zero.
#include "machine_fixture.h"

#include "a11y/tell.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>

#include <algorithm>
#include <set>

namespace {

class MachineAccessTest : public MachineTest {
protected:
    void SetUp() override {
        MachineTest::SetUp();
        QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, machine.get(),
                         [this](QWidget*, const QString& s) { told.push_back(s); });
        machine->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(machine.get()));
    }
    std::vector<QString> told;
};

TEST_F(MachineAccessTest, TheCommaIsTheDecimalPoint) {
    type("2*0.005*8");
    enter();
    const QString withPoint = display();
    told.clear();
    press({"RAZ"});
    type("2*0,005*8");
    EXPECT_EQ(buffer(), "2 * 0.005 * 8");
    type("+0,5");
    enter();
    type("-1");
    // Said the first time only.
    ASSERT_GE(told.size(), 1u);
    EXPECT_EQ(told[0], "La virgule est prise pour le point décimal.");
    EXPECT_EQ(std::count(told.begin(), told.end(), told[0]), 1);
    press({"RAZ"});
    type("2*0,005*8");
    enter();
    EXPECT_EQ(display(), withPoint);
    EXPECT_EQ(told.back(), "Résultat\u00a0: 0.08");
}

TEST_F(MachineAccessTest, TheDisplayIsToldWithTheZeroOfItsNumbers) {
    struct Row {
        const char* name;
        const char* display;
        const char* spoken;
    } rows[] = {
        {"a fraction", " .08", "0.08"},
        {"a negative fraction", "-.5", "-0.5"},
        {"a whole number", " 12", "12"},
        {"an expression", "2 * .5", "2 * .5"},
        {"nothing", "", "vide"},
        {"a message", "Dépassement de capacité", "Dépassement de capacité"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(calculator::Machine::spokenDisplay(QString::fromUtf8(row.display)),
                  QString::fromUtf8(row.spoken))
            << row.name;
}

TEST_F(MachineAccessTest, TabReachesEveryKeyAndOptionEachNamed) {
    machine->z1->setFocus();
    std::set<QWidget*> reached;
    for (int i = 0; i < 100 && !reached.count(QApplication::focusWidget()); ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), machine->z1) << "the round comes back";
    for (QPushButton* key : machine->findChildren<QPushButton*>()) {
        SCOPED_TRACE(key->objectName().toStdString());
        EXPECT_TRUE(reached.count(key));
        const QString name = QAccessible::queryAccessibleInterface(key)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        // A caption that is a sign is said in words.
        if (!key->text().at(0).isLetterOrNumber()) {
            EXPECT_NE(name, key->text());
        }
    }
    // One stop in each group of options; the arrows choose within it.
    EXPECT_TRUE(reached.count(machine->angle[0]) || reached.count(machine->angle[1]));
    EXPECT_TRUE(reached.count(machine->C[0]) || reached.count(machine->C[1]));
    EXPECT_EQ(machine->z1->accessibleName(), "Affichage de la calculatrice");
}

TEST_F(MachineAccessTest, TheArrowsGoToTheNearestKeyThatWay) {
    struct Row {
        const char* from;
        Qt::Key arrow;
        const char* to;
    } rows[] = {
        {"B5", Qt::Key_Up, "B8"},       {"B5", Qt::Key_Down, "B2"},
        {"B5", Qt::Key_Left, "B4"},     {"B5", Qt::Key_Right, "B6"},
        {"B0", Qt::Key_Down, nullptr},  {"B9", Qt::Key_Right, "EFFACE"},
        {"B7", Qt::Key_Up, "Command2"}, // M- of the memory row, right above
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.from) + " " + (row.to ? row.to : "none"));
        QPushButton* from = machine->key(row.from);
        const QPushButton* to = machine->keyToward(from, row.arrow);
        if (!row.to) {
            EXPECT_EQ(to, nullptr);
            continue;
        }
        ASSERT_NE(to, nullptr);
        EXPECT_EQ(to->objectName(), row.to);
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(from, row.arrow);
        EXPECT_EQ(QApplication::focusWidget(), to);
    }
}

TEST_F(MachineAccessTest, AKeyPressedFromTheKeyboardKeepsTheFocusAndTellsTheDisplay) {
    QPushButton* five = machine->key("B5");
    five->setFocus(Qt::TabFocusReason);
    QTest::keyClick(five, Qt::Key_Space);
    EXPECT_EQ(display(), "5");
    EXPECT_EQ(QApplication::focusWidget(), five);
    EXPECT_EQ(told, std::vector<QString>{"Affichage\u00a0: 5"});
    // A click of the mouse leaves the focus on the display and tells nothing.
    machine->z1->setFocus();
    told.clear();
    press({"B6"});
    EXPECT_EQ(QApplication::focusWidget(), machine->z1);
    EXPECT_TRUE(told.empty());
}

} // namespace
