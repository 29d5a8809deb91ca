// SPDX-License-Identifier: GPL-3.0-or-later
// The bench worked with the keyboard alone, and what assistive technology is told of it:
// the focus order, the tap held with Space, the tab strip's arrows, the names and roles, and
// the beaker's colour said once when it changes.
#include "fixture.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using benchtest::BenchTest;

namespace {

// What the program tells assistive technology of the parts of its pictures (the name or
// the description that changed), as a screen reader would receive it.
struct Told {
    QAccessible::Event type;
    QString text;
};

class KeyboardTest : public BenchTest {
protected:
    void SetUp() override {
        BenchTest::SetUp();
        for (drawing::PictureBox* box : {controlsOf(*window).picburette,
                                         controlsOf(*window).Onglets, controlsOf(*window).tabquant})
            QObject::connect(box, &drawing::PictureBox::partTold, box,
                             [this, box](int index, QAccessible::Event type) {
                                 const drawing::PicturePart& part = box->part(index);
                                 told.push_back({type, type == QAccessible::DescriptionChanged
                                                           ? part.description
                                                           : part.name});
                             });
        window->start();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        ASSERT_NE(focus(), nullptr);
        QTest::keyClick(focus(), Qt::Key(k), m);
    }
    void tab(int times = 1) {
        for (int i = 0; i < times; ++i)
            key(Qt::Key_Tab);
    }
    // Space pressed on the focused control, held for `ticks` ticks of the flow (with the key's
    // auto-repeat in between), then released.
    void holdSpace(int ticks) {
        QWidget* target = focus();
        QTest::keyPress(target, Qt::Key_Space);
        for (int i = 0; i < ticks; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                             true);
            QApplication::sendEvent(target, &repeat);
            window->run().Timer1_Timer();
        }
        QTest::keyRelease(target, Qt::Key_Space);
    }
    std::vector<QString> toldTexts(QAccessible::Event type, const QString& start) const {
        std::vector<QString> out;
        for (const Told& t : told)
            if (t.type == type && t.text.startsWith(start)) out.push_back(t.text);
        return out;
    }
    QString flaskDescription() const { return controlsOf(*window).picburette->part(0).description; }

    std::vector<Told> told;
};

TEST_F(KeyboardTest, FromStartUpToTheColourChangeAndBackToZero) {
    // The window opens on the preparation panel; the focus goes round from the command row
    // to the panel's first control.
    while (focus() != controlsOf(*window).Command1)
        tab();
    tab();
    EXPECT_EQ(focus(), controlsOf(*window).ions1);
    // The acid-base titrations follow the ten redox species: down from the first one.
    key(Qt::Key_Home); // acide ascorbique
    for (int i = 0; i < 8; ++i)
        key(Qt::Key_Down); // down to sulfate de fer II, titrated with permanganate
    EXPECT_EQ(controlsOf(*window).ions1->currentText(), "sulfate de fer II");
    tab(); // the concentration of the sample, kept at 0,01
    EXPECT_EQ(focus(), controlsOf(*window).Text1[0]);
    tab();
    EXPECT_EQ(focus(), controlsOf(*window).Command5);
    tab();
    EXPECT_EQ(focus(), controlsOf(*window).Combo1);
    key(Qt::Key_End); // 20 mL
    key(Qt::Key_Up);  // 10 mL
    EXPECT_EQ(controlsOf(*window).Combo1->currentText(), "10 mL");
    tab(); // nothing else on the panel for this species, nothing under it
    EXPECT_EQ(focus(), controlsOf(*window).Command3);
    EXPECT_EQ(controlsOf(*window).Command3->text(), "Simuler le titrage");
    key(Qt::Key_Space);
    EXPECT_TRUE(controlsOf(*window).Picture4->isHidden());
    EXPECT_EQ(focus(), controlsOf(*window).Command3);

    // Back to the tap, past the reset, the tap's flow, "Vider la burette" and the drop.
    const QWidget* backwards[] = {controlsOf(*window).Command12, controlsOf(*window).tapFlow,
                                  controlsOf(*window).Command6, controlsOf(*window).Image1,
                                  controlsOf(*window).Image3};
    for (const QWidget* expected : backwards) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focus(), expected);
    }
    EXPECT_EQ(flaskDescription(), "Bécher\u00A0: 10 mL, solution incolore");

    // Space held: 3,9 mL poured at the ticks, 0,1 mL by the click of the release.
    told.clear();
    holdSpace(39);
    EXPECT_EQ(text(5), "4,0");
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
    EXPECT_EQ(focus(), controlsOf(*window).Image3);
    EXPECT_EQ(flaskDescription(), "Bécher\u00A0: 14 mL, solution incolore");
    EXPECT_TRUE(toldTexts(QAccessible::NameChanged, "La solution du bécher devient").empty());

    // One drop past the equivalence: the beaker turns pink, said once.
    tab();
    EXPECT_EQ(focus(), controlsOf(*window).Image1);
    key(Qt::Key_Space);
    for (int step = 0; step < 4; ++step)
        window->run().Timer2_Timer();
    EXPECT_EQ(text(5), "4,05");
    EXPECT_EQ(focus(), controlsOf(*window).Image1);
    EXPECT_EQ(flaskDescription(), "Bécher\u00A0: 14,05 mL, solution rose pâle");
    EXPECT_EQ(toldTexts(QAccessible::NameChanged, "La solution du bécher"),
              std::vector<QString>{"La solution du bécher devient rose pâle"});
    EXPECT_EQ(toldTexts(QAccessible::DescriptionChanged, "Bécher"),
              (std::vector<QString>{"Bécher\u00A0: 14 mL, solution incolore",
                                    "Bécher\u00A0: 14,05 mL, solution rose pâle"}));
    EXPECT_EQ(controlsOf(*window).picburette->part(1).description, "Burette\u00A0: 4,05 mL versés");

    // Back to zero with the reset, named for what it does.
    tab(3);
    EXPECT_EQ(focus(), controlsOf(*window).Command12);
    EXPECT_EQ(controlsOf(*window).Command12->accessibleName(), "Remettre la burette à zéro");
    key(Qt::Key_Space);
    EXPECT_EQ(text(5), "0");
    EXPECT_EQ(controlsOf(*window).Labelvol->text(), "0 mL");
    EXPECT_EQ(focus(), controlsOf(*window).Command12);
    EXPECT_EQ(toldTexts(QAccessible::NameChanged, "La solution du bécher").back(),
              "La solution du bécher devient incolore");
}

TEST_F(KeyboardTest, TheTapHeldFromTheKeyboardValidatesAnEditedBoxAndKeepsTheFocus) {
    controlsOf(*window).ions1->setCurrentIndex(8); // sulfate de fer II: no reagent to add
    window->setUp().Command3_Click();              // to the bench
    controlsOf(*window).Text1[1]->setFocus(Qt::TabFocusReason);
    type(1, "0,02");
    type(5, "3,0");
    controlsOf(*window).Labelvol->setText("3,0 mL");
    tab(); // leaving the titrant box validates it and empties the burette
    EXPECT_EQ(focus(), controlsOf(*window).Image3);
    EXPECT_EQ(text(1), "0,02");
    EXPECT_EQ(text(5), "0,0");

    QTest::keyPress(focus(), Qt::Key_Return);
    EXPECT_TRUE(window->run().tapOpen());
    EXPECT_TRUE(controlsOf(*window).Text1[1]->isReadOnly());
    window->run().Timer1_Timer();
    window->run().Timer1_Timer();
    QTest::keyRelease(focus(), Qt::Key_Return);
    EXPECT_FALSE(window->run().tapOpen());
    EXPECT_FALSE(controlsOf(*window).Text1[1]->isReadOnly());
    EXPECT_EQ(text(5), "0,3");
    EXPECT_EQ(focus(), controlsOf(*window).Image3);

    // A key release with no press before it (the press went to a question) does nothing.
    QTest::keyRelease(focus(), Qt::Key_Space);
    EXPECT_EQ(text(5), "0,3");
}

TEST_F(KeyboardTest, NothingCoveredOrHiddenTakesTheFocus) {
    struct Row {
        const char* name;
        bool panel;
        int species;
    } rows[] = {
        {"panel, direct titration", true, 8},
        {"panel, iodide added", true, 4},
        {"panel, diiode added", true, 0},
        {"bench", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        controlsOf(*window).ions1->setCurrentIndex(row.species);
        if (controlsOf(*window).Picture4->isHidden() == row.panel) {
            script.answers = {ui::Answer::Ok}; // a reagent short, if it is
            window->setUp().Command3_Click();
            script.asked.clear();
            script.answers.clear();
        }
        ASSERT_EQ(controlsOf(*window).Picture4->isHidden(), !row.panel);
        controlsOf(*window).Command1->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> visited;
        for (int i = 0; i < 60 && (visited.empty() || focus() != controlsOf(*window).Command1);
             ++i) {
            tab();
            visited.push_back(focus());
        }
        ASSERT_EQ(visited.back(), controlsOf(*window).Command1) << "the focus went round";
        int lastPanelY = -1;
        for (QWidget* w : visited) {
            SCOPED_TRACE(w->objectName().toStdString() + " " + w->metaObject()->className());
            EXPECT_TRUE(w->isVisible());
            // Shown in full, and not under the panel.
            const QRect onWindow(w->mapTo(window.get(), QPoint(0, 0)), w->size());
            EXPECT_FALSE(w->visibleRegion().isEmpty());
            if (w->parentWidget() == controlsOf(*window).Picture4) {
                EXPECT_TRUE(controlsOf(*window).Picture4->rect().contains(w->geometry()));
                EXPECT_GE(w->y(), lastPanelY) << "the panel top to bottom";
                lastPanelY = w->y();
            } else if (w->parentWidget() == controlsOf(*window).picburette && row.panel) {
                EXPECT_FALSE(controlsOf(*window).Picture4->geometry().intersects(onWindow));
            }
            // Named in French for a screen reader.
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(iface, nullptr);
            EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty());
        }
        auto reached = [&](const QWidget* w) {
            return std::find(visited.begin(), visited.end(), w) != visited.end();
        };
        EXPECT_EQ(reached(controlsOf(*window).Text1[1]), !row.panel);
        EXPECT_EQ(reached(controlsOf(*window).Image3), !row.panel);
        EXPECT_EQ(reached(controlsOf(*window).Command12), !row.panel);
        EXPECT_FALSE(reached(controlsOf(*window).Command9))
            << "the panel's own button lies below its view";
        EXPECT_EQ(reached(controlsOf(*window).ions1), row.panel);
        EXPECT_TRUE(reached(controlsOf(*window).Onglets));
        // The situations are one stop: the chosen one; the arrows lead to the others.
        EXPECT_TRUE(reached(controlsOf(*window).Option2[0]));
        EXPECT_FALSE(reached(controlsOf(*window).Option2[9]));
        EXPECT_TRUE(reached(window->exerciseArea().supertext()));
    }
}

TEST_F(KeyboardTest, TheTabStripSwitchesWithTheArrowsAndItsControlsAreReached) {
    controlsOf(*window).Onglets->setFocus(Qt::TabFocusReason);
    QAccessibleInterface* strip =
        QAccessible::queryAccessibleInterface(controlsOf(*window).Onglets);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    QAccessibleInterface* shown = strip->focusChild();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->role(), QAccessible::PageTab);
    EXPECT_EQ(shown->text(QAccessible::Name), "Quantités de matière");

    struct Step {
        const char* name;
        Qt::Key key;
        int tab;
    } steps[] = {
        {"left of the first", Qt::Key_Left, 1},
        {"right", Qt::Key_Right, 2},
        {"end", Qt::Key_End, controlsOf(*window).Onglets->partCount()},
        {"home", Qt::Key_Home, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        key(step.key);
        EXPECT_EQ(window->chain().currentTab(), step.tab);
        EXPECT_EQ(focus(), controlsOf(*window).Onglets);
        EXPECT_EQ(controlsOf(*window).tabquant->isVisible(), step.tab == 1);
    }
    key(Qt::Key_Right);
    ASSERT_EQ(window->chain().currentTab(), 2);
    EXPECT_EQ(strip->focusChild()->text(QAccessible::Name), "Affichage");
    EXPECT_TRUE(toldTexts(QAccessible::NameChanged, "").empty()) << "names are not retold";
    tab();
    EXPECT_EQ(focus(), controlsOf(*window).HScroll1);
    const int before = controlsOf(*window).HScroll1->value();
    key(Qt::Key_Right);
    EXPECT_EQ(controlsOf(*window).HScroll1->value(), before + 1) << "darker";
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(controlsOf(*window).HScroll1->value(), before - 1) << "lighter";
    tab();
    EXPECT_EQ(focus(), controlsOf(*window).masquer);
}

TEST_F(KeyboardTest, SituationsAreRadioButtonsAndTheGraphSaysItsColumns) {
    QAccessibleInterface* situation =
        QAccessible::queryAccessibleInterface(controlsOf(*window).Option2[2]);
    ASSERT_NE(situation, nullptr);
    EXPECT_EQ(situation->role(), QAccessible::RadioButton);
    EXPECT_EQ(situation->text(QAccessible::Name),
              "Situation 3\u00A0: acide ascorbique, 0,010 mol/L");
    EXPECT_FALSE(situation->state().checked);
    ASSERT_NE(situation->actionInterface(), nullptr);
    situation->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(controlsOf(*window).Option2[2]->isChecked());
    EXPECT_TRUE(situation->state().checked);
    EXPECT_FALSE(controlsOf(*window).Option2[0]->isChecked());

    QAccessibleInterface* slider =
        QAccessible::queryAccessibleInterface(controlsOf(*window).HScroll1);
    EXPECT_TRUE(slider->text(QAccessible::Name).startsWith("Intensité des teintes"));
    // A list says its value as its name on Linux, and is labelled by what the panel prints.
    auto label = [](QWidget* w) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        const auto labels = iface->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    };
    EXPECT_EQ(label(controlsOf(*window).ions1), "Espèce à titrer");
    EXPECT_EQ(label(controlsOf(*window).Combo1), "Volume de prélèvement");
    EXPECT_EQ(controlsOf(*window).Text1[1]->accessibleName(),
              "Concentration de la solution titrante");

    // The graph: one part per column, after the columns of the species shown.
    controlsOf(*window).ions1->setCurrentIndex(1); // acide oxalique: CO2, H2C2O4, MnO4-, Mn2+
    QAccessibleInterface* graph =
        QAccessible::queryAccessibleInterface(controlsOf(*window).tabquant);
    ASSERT_EQ(graph->childCount(), 4);
    EXPECT_EQ(graph->child(2)->text(QAccessible::Name), "MnO4⁻");
    EXPECT_TRUE(
        graph->child(2)->text(QAccessible::Description).startsWith("MnO4⁻\u00A0: introduite "));
}

TEST_F(KeyboardTest, TheEmptyBuretteIsSaidOnceAndTheTapShowsItsFocus) {
    controlsOf(*window).ions1->setCurrentIndex(8);
    window->setUp().Command3_Click();
    // The tap's picture with a dotted mark around it while it has the focus, as before without.
    auto blackBorder = [](const QImage& shot) {
        int count = 0;
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, 0) == QColor(Qt::black)) ++count;
        return count;
    };
    controlsOf(*window).Command12->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage before = controlsOf(*window).Image3->grab().toImage();
    controlsOf(*window).Image3->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage focused = controlsOf(*window).Image3->grab().toImage();
    controlsOf(*window).Command12->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage unfocused = controlsOf(*window).Image3->grab().toImage();
    EXPECT_EQ(blackBorder(before), 0);
    EXPECT_GE(blackBorder(focused), focused.width() / 2 - 1);
    EXPECT_EQ(unfocused, before);

    controlsOf(*window).Image3->setFocus(Qt::TabFocusReason);
    type(5, "24,8");
    told.clear();
    holdSpace(3); // 24,9 and 25,0; the third tick stops the flow
    EXPECT_EQ(text(5), "25,0");
    EXPECT_EQ(controlsOf(*window).picburette->part(1).name, "Burette vide");
    EXPECT_EQ(toldTexts(QAccessible::NameChanged, "Burette"), std::vector<QString>{"Burette vide"});

    // Space again: the question, and the burette is full again on Yes.
    script.answers = {ui::Answer::Yes};
    QTest::keyPress(focus(), Qt::Key_Space);
    QTest::keyRelease(focus(), Qt::Key_Space);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].title, "Burette vide");
    EXPECT_EQ(text(5), "0,0");
    EXPECT_EQ(toldTexts(QAccessible::NameChanged, "Burette"),
              (std::vector<QString>{"Burette vide", "Burette"}));
}

TEST_F(KeyboardTest, TheRevealLabelIsAButtonWithAFocusMark) {
    controlsOf(*window).masquer->setChecked(true);
    ASSERT_TRUE(controlsOf(*window).Label1->isVisible());
    auto topRowBlack = [this] {
        const QImage shot = controlsOf(*window).Label1->grab().toImage();
        int count = 0;
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, 0) == QColor(Qt::black)) ++count;
        return count;
    };
    EXPECT_EQ(topRowBlack(), 0);
    controlsOf(*window).Label1->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_GT(topRowBlack(), 0);

    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(controlsOf(*window).Label1);
    EXPECT_EQ(label->role(), QAccessible::Button);
    EXPECT_EQ(label->text(QAccessible::Name), "Afficher la concentration");
    label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(controlsOf(*window).masquer->isChecked());
    EXPECT_FALSE(controlsOf(*window).Label1->isVisible());
    EXPECT_TRUE(controlsOf(*window).Command5->isVisible());
}

} // namespace
