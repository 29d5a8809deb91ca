// SPDX-License-Identifier: GPL-3.0-or-later
// What the bench tells where the focus is: the volume and the colour on the tap while the
// titrant flows (a few times a second, the colour change at once), the keys of the tap, the
// summary of the bench, the situations as one group, corrections and moves of the focus.
#include "fixture.h"

#include "a11y/tell.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

using benchtest::BenchTest;

namespace {

class SpeechTest : public BenchTest {
protected:
    void SetUp() override {
        BenchTest::SetUp();
        QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, window.get(),
                         [this](QWidget* w, const QString& s) { told.emplace_back(w, s); });
        window->speech().setClock([this] { return now; });
        window->start();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // Iron(II) sulfate, 10 mL at 0,01 mol/L, against permanganate at 0,005 mol/L: the
    // equivalence is at 4 mL (n(Fe²⁺) = 5 n(MnO₄⁻)).
    void ironOnTheBench() {
        controlsOf(*window).ions1->setCurrentIndex(8);
        controlsOf(*window).Combo1->setCurrentIndex(4);
        window->setUp().Command3_Click();
        ASSERT_TRUE(controlsOf(*window).Picture4->isHidden());
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString tap() const { return controlsOf(*window).Image3->accessibleDescription(); }

    qint64 now = 100000;
    std::vector<std::pair<QWidget*, QString>> told;
};

TEST_F(SpeechTest, AHeldTapTellsAFewTimesASecondAndTheColourAtOnce) {
    ironOnTheBench();
    controlsOf(*window).Image3->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tap(), "0,00 mL versés, solution incolore");
    QTest::keyPress(controlsOf(*window).Image3, Qt::Key_Space);
    ASSERT_TRUE(controlsOf(*window).Timer1.isActive());
    // 4,5 mL in 45 ticks of 10 ms: what the tap says after each.
    std::vector<QString> said;
    for (int tick = 0; tick < 45; ++tick) {
        now += 10;
        window->run().Timer1_Timer();
        if (said.empty() || said.back() != tap()) said.push_back(tap());
    }
    // The first step at once, then one 250 ms later at the earliest (tick 26); the pink at
    // the first step past the equivalence (4,1 mL, tick 41) at once, and at 4,2 mL only
    // because its colour is another; the next would be at tick 51.
    ASSERT_EQ(said.size(), 4u) << said.back().toStdString();
    EXPECT_EQ(said[0], "0,10 mL versés, solution incolore");
    EXPECT_EQ(said[1], "2,60 mL versés, solution incolore");
    EXPECT_TRUE(said[2].startsWith("4,10 mL versés, solution "));
    EXPECT_TRUE(said[3].startsWith("4,20 mL versés, solution "));
    EXPECT_NE(said[2].mid(25), "incolore");
    EXPECT_NE(said[3].mid(25), said[2].mid(25));
    // Nothing else changes its description while the titrant flows.
    EXPECT_EQ(controlsOf(*window).Image1->accessibleDescription(),
              "0,00 mL versés, solution incolore");
    QTest::keyRelease(controlsOf(*window).Image3, Qt::Key_Space);
    QApplication::processEvents();
    // Once it stops, every control of the burette says where it stands.
    const QString stopped = tap();
    EXPECT_TRUE(stopped.startsWith("4,60 mL versés, solution "));
    EXPECT_TRUE(controlsOf(*window).picburette->part(0).description.endsWith(stopped.mid(15)))
        << "the same colour as the beaker";
    for (QWidget* w : {static_cast<QWidget*>(controlsOf(*window).Image1),
                       static_cast<QWidget*>(controlsOf(*window).Command6),
                       static_cast<QWidget*>(controlsOf(*window).Command12)})
        EXPECT_EQ(w->accessibleDescription(), stopped);
    EXPECT_EQ(controlsOf(*window).Labelvol->accessibleName(),
              "Volume de solution versée\u00A0: 4,6 mL");
}

TEST_F(SpeechTest, TheDownArrowPoursADropAndPageDownAMillilitreFromTheTapOrTheDrop) {
    ironOnTheBench();
    for (bench::ImageButton* control : {controlsOf(*window).Image3, controlsOf(*window).Image1}) {
        SCOPED_TRACE(control == controlsOf(*window).Image3 ? "tap" : "drop");
        window->run().Command12_Click();
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Down);
        QTest::keyClick(control, Qt::Key_Down); // while the first falls: it comes next
        for (int step = 0; step < 8; ++step)
            window->run().Timer2_Timer();
        EXPECT_EQ(text(5), "0,1");
        QTest::keyClick(control, Qt::Key_PageDown);
        EXPECT_EQ(text(5), "1,1");
        EXPECT_EQ(focus(), control);
        EXPECT_EQ(control->accessibleDescription(), "1,10 mL versés, solution incolore");
    }
    // Page Down stops at the end of the burette, and then asks what the tap asks.
    type(5, "24,5");
    QTest::keyClick(controlsOf(*window).Image3, Qt::Key_PageDown);
    EXPECT_EQ(text(5), "25");
    script.answers = {ui::Answer::No};
    QTest::keyClick(controlsOf(*window).Image3, Qt::Key_PageDown);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].title, "Burette vide");
    EXPECT_EQ(text(5), "25");
}

TEST_F(SpeechTest, LettingTheBuretteRunFromTheKeyboardKeepsTheFocusToStopIt) {
    ironOnTheBench();
    controlsOf(*window).Command6->setFocus(Qt::TabFocusReason);
    QTest::keyClick(controlsOf(*window).Command6, Qt::Key_Space);
    EXPECT_TRUE(controlsOf(*window).Timer1.isActive());
    EXPECT_EQ(focus(), controlsOf(*window).Command6);
    window->run().Timer1_Timer();
    QTest::keyClick(controlsOf(*window).Command6, Qt::Key_Space);
    EXPECT_FALSE(controlsOf(*window).Timer1.isActive());
    EXPECT_EQ(text(5), "0,1");
    // With the mouse, as before: the focus goes to the exercise text.
    QTest::mouseClick(controlsOf(*window).Command6, Qt::LeftButton);
    EXPECT_TRUE(controlsOf(*window).Timer1.isActive());
    EXPECT_EQ(focus(), static_cast<QWidget*>(window->exerciseArea().supertext()));
    window->run().Command6_Click();
}

TEST_F(SpeechTest, TheSummaryNamesEverythingButAHiddenConcentration) {
    struct Row {
        const char* name;
        int species;
        bool hidden;
        std::vector<QString> says;
    } rows[] = {
        {"direct, shown",
         8,
         false,
         {"Sulfate de fer II, 0,010 mol/L, 10 mL prélevés.",
          "Solution titrante\u00a0: permanganate de potassium, 0,0050 mol/L.",
          "0,00 mL versés, solution incolore."}},
        {"direct, hidden", 8, true, {"Sulfate de fer II, concentration inconnue, 10 mL prélevés."}},
        {"indirect, iodide added",
         4,
         false,
         {"Hypochlorite de sodium, 0,010 mol/L", "Réactif en excès\u00a0: iodure de potassium",
          "Solution titrante\u00a0: thiosulfate de sodium"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        controlsOf(*window).ions1->setCurrentIndex(row.species);
        controlsOf(*window).Combo1->setCurrentIndex(4);
        controlsOf(*window).masquer->setChecked(row.hidden);
        const QString summary = window->speech().sceneSummary();
        for (const QString& part : row.says)
            EXPECT_TRUE(summary.contains(part)) << summary.toStdString();
        if (row.hidden) {
            EXPECT_FALSE(summary.contains("0,010")) << summary.toStdString();
        }
    }
    controlsOf(*window).Image3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(controlsOf(*window).Image3, Qt::Key_F2);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), std::make_pair(focus(), window->speech().sceneSummary()));
}

TEST_F(SpeechTest, TheSituationsAreOneStopNamedByWhatTheyHold) {
    window->situationBench().situations().table.texts[2][0] = "0,0125";
    window->situationBench().situations().table.choices[2][1] = 2; // diiode
    controlsOf(*window).ions1->setCurrentIndex(8);                 // no reagent to be short of
    window->setUp().Command3_Click();                              // to the bench
    window->setUp().Option2_Click(0);
    controlsOf(*window).Option2[0]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(controlsOf(*window).Option2[2]->accessibleName(),
              "Situation 3\u00a0: diiode, 0,0125 mol/L");
    QTest::keyClick(focus(), Qt::Key_Down);
    QTest::keyClick(focus(), Qt::Key_Down);
    EXPECT_EQ(focus(), controlsOf(*window).Option2[2]);
    EXPECT_TRUE(controlsOf(*window).Option2[2]->isChecked());
    EXPECT_EQ(controlsOf(*window).ions1->currentText(), "diiode");
    QTest::keyClick(focus(), Qt::Key_Up);
    EXPECT_TRUE(controlsOf(*window).Option2[1]->isChecked());
    QTest::keyClick(focus(), Qt::Key_End);
    EXPECT_TRUE(controlsOf(*window).Option2[9]->isChecked());
    QTest::keyClick(focus(), Qt::Key_Down); // round to the first
    EXPECT_TRUE(controlsOf(*window).Option2[0]->isChecked());
    // Tab leaves the group from the chosen one, and comes back to it.
    QTest::keyClick(focus(), Qt::Key_Tab);
    EXPECT_EQ(focus(), controlsOf(*window).Onglets);
    QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), controlsOf(*window).Option2[0]);
    // Hidden, every situation keeps its concentration to itself.
    controlsOf(*window).masquer->setChecked(true);
    EXPECT_EQ(controlsOf(*window).Option2[2]->accessibleName(),
              "Situation 3\u00a0: diiode, concentration inconnue");
}

TEST_F(SpeechTest, ACorrectedValueIsToldAndAGoodOneIsNot) {
    ironOnTheBench();
    struct Row {
        const char* name;
        const char* typed;
        const char* kept;
        std::vector<QString> said;
    } rows[] = {
        {"too strong", "5", "0,2", {"Valeur corrigée\u00a0: 0,2 mol/L."}},
        {"too many figures", "0,01234", "0,0123", {"Valeur corrigée\u00a0: 0,0123 mol/L."}},
        {"empty", "", "0,0001", {"Valeur corrigée\u00a0: 0,0001 mol/L."}},
        {"as it should", "0,02", "0,02", {}},
        {"the same value written otherwise", "0,020", "0,02", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        controlsOf(*window).Text1[1]->setFocus(Qt::TabFocusReason);
        controlsOf(*window).Text1[1]->setText(QString::fromUtf8(row.typed));
        told.clear();
        QTest::keyClick(controlsOf(*window).Text1[1], Qt::Key_Return);
        EXPECT_EQ(text(1), row.kept);
        std::vector<QString> said;
        for (const auto& [w, s] : told)
            said.push_back(s);
        EXPECT_EQ(said, row.said);
    }
}

TEST_F(SpeechTest, TheDieAndTheRevealLabelSayWhereTheFocusWent) {
    ASSERT_FALSE(controlsOf(*window).Picture4->isHidden()); // the panel, as at start-up
    controlsOf(*window).Command5->setFocus(Qt::TabFocusReason);
    QTest::keyClick(controlsOf(*window).Command5, Qt::Key_Space);
    EXPECT_EQ(focus(), controlsOf(*window).Label1);
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(told.back().second.startsWith("Concentration tirée au hasard et cachée"));
    const QString drawn = text(0);
    EXPECT_FALSE(told.back().second.contains(drawn));
    QTest::keyClick(controlsOf(*window).Label1, Qt::Key_Space);
    EXPECT_EQ(focus(), controlsOf(*window).Text1[0]);
    EXPECT_TRUE(told.back().second.startsWith("Concentration affichée\u00a0: "));
}

TEST_F(SpeechTest, TheWindowIsAWindowWithOneGroupOfSituationsAndNoHiddenBoxes) {
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(main->role(), QAccessible::Window);
    QAccessibleInterface* group = nullptr;
    for (int i = 0; i < main->childCount(); ++i) {
        QAccessibleInterface* child = main->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_NE(child->object(), controlsOf(*window).Text1[5]);
        EXPECT_NE(child->object(), controlsOf(*window).Option2[3]);
        EXPECT_EQ(main->indexOfChild(child), i);
        if (child->role() == QAccessible::Grouping) group = child;
    }
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->text(QAccessible::Name), "Situations");
    ASSERT_EQ(group->childCount(), 10);
    EXPECT_EQ(group->child(3)->object(), controlsOf(*window).Option2[3]);
    EXPECT_EQ(group->child(3)->parent(), group);
    EXPECT_EQ(group->indexOfChild(group->child(3)), 3);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(controlsOf(*window).Text1[5])->isValid())
        << "the stored volume tells nothing";
    // The pictures that act are buttons that can be pressed.
    QAccessibleInterface* drop = QAccessible::queryAccessibleInterface(controlsOf(*window).Image1);
    EXPECT_EQ(drop->role(), QAccessible::Button);
    EXPECT_EQ(drop->actionInterface()->actionNames().front(),
              QAccessibleActionInterface::pressAction());
    QAccessibleInterface* slider =
        QAccessible::queryAccessibleInterface(controlsOf(*window).HScroll1);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    EXPECT_EQ(slider->valueInterface()->currentValue().toInt(),
              controlsOf(*window).HScroll1->value());
    controlsOf(*window).HScroll1->setValue(200);
    EXPECT_EQ(slider->text(QAccessible::Description), "Teintes très foncées");
}

TEST_F(SpeechTest, TheBeakerAndTheBuretteAreReachedWithTabAndTheArrows) {
    ironOnTheBench();
    std::vector<int> focused;
    QObject::connect(controlsOf(*window).picburette, &drawing::PictureBox::partTold, window.get(),
                     [&](int index, QAccessible::Event type) {
                         if (type == QAccessible::Focus) focused.push_back(index);
                     });
    controlsOf(*window).Text1[1]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(controlsOf(*window).Text1[1], Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focus(), controlsOf(*window).picburette);
    QApplication::processEvents(); // the part is told after the picture
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(controlsOf(*window).picburette);
    QAccessibleInterface* beaker = picture->focusChild();
    ASSERT_NE(beaker, nullptr);
    EXPECT_EQ(beaker->role(), QAccessible::ListItem);
    EXPECT_EQ(beaker->text(QAccessible::Description), "Bécher\u00A0: 10 mL, solution incolore");
    EXPECT_EQ(beaker->parent()->text(QAccessible::Name), "Bécher et burette");
    EXPECT_TRUE(beaker->state().focused);
    QTest::keyClick(controlsOf(*window).picburette, Qt::Key_Right);
    QAccessibleInterface* burette = picture->focusChild();
    EXPECT_EQ(burette->text(QAccessible::Description), "Burette\u00A0: 0,0 mL versés");
    EXPECT_FALSE(beaker->state().focused);
    QTest::keyClick(controlsOf(*window).picburette, Qt::Key_Right); // no further
    EXPECT_EQ(focused, (std::vector<int>{0, 1}));
    // Tab goes on to the controls of the bench; behind the preparation panel, the bench is
    // not reached.
    QTest::keyClick(controlsOf(*window).picburette, Qt::Key_Tab);
    EXPECT_EQ(focus(), controlsOf(*window).Text1[1]);
    window->setUp().Command3_Click();
    EXPECT_EQ(controlsOf(*window).picburette->focusPolicy(), Qt::NoFocus);
}

} // namespace
