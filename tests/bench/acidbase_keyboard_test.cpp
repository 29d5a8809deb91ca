// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base bench with the keyboard alone, read as a screen reader reads it: the panel's
// new controls in the focus order, the meter and the flask told once the flow stops.
#include "fixture.h"

#include "model/acidbase/indicators.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

using benchtest::acidBaseOf;
using benchtest::BenchTest;

namespace {

class AcidBaseKeyboardTest : public BenchTest {
protected:
    void SetUp() override {
        BenchTest::SetUp();
        QObject::connect(
            controlsOf(*window).picburette, &drawing::PictureBox::partTold,
            controlsOf(*window).picburette, [this](int index, QAccessible::Event type) {
                const drawing::PicturePart& part = controlsOf(*window).picburette->part(index);
                told << (type == QAccessible::DescriptionChanged ? part.description : part.name);
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
    void typeText(const char* text) { QTest::keyClicks(focus(), QString::fromUtf8(text)); }
    // Space held on the tap for so many ticks of the flow, then released (one tick more).
    void holdSpace(int ticks) {
        QWidget* tap = focus();
        QTest::keyPress(tap, Qt::Key_Space);
        for (int i = 0; i < ticks; ++i)
            window->run().Timer1_Timer();
        QTest::keyRelease(tap, Qt::Key_Space);
    }
    QStringList told;
};

TEST_F(AcidBaseKeyboardTest, TheClassicTitrationWithTheKeyboardAlone) {
    while (focus() != controlsOf(*window).ions1)
        key(Qt::Key_Tab);
    key(Qt::Key_End); // carbonate de sodium, the last acid-base item
    for (int i = 0; i < 9; ++i)
        key(Qt::Key_Up);
    ASSERT_EQ(controlsOf(*window).ions1->currentText(), "acide éthanoïque");

    // The panel top to bottom: the sample, its pipette, then the acid-base inputs.
    const QWidget* order[] = {controlsOf(*window).Text1[0],  controlsOf(*window).Command5,
                              controlsOf(*window).Combo1,    acidBaseOf(*window).titrantBox,
                              acidBaseOf(*window).waterBox,  acidBaseOf(*window).indicatorList,
                              acidBaseOf(*window).probeList, controlsOf(*window).Command3};
    for (const QWidget* expected : order) {
        key(Qt::Key_Tab);
        ASSERT_EQ(focus(), expected) << expected->objectName().toStdString();
        if (expected == controlsOf(*window).Text1[0]) typeText("0.1");
        if (expected == controlsOf(*window).Combo1) {
            key(Qt::Key_End); // 20 mL
            key(Qt::Key_Up);  // 10 mL
        }
        if (expected == acidBaseOf(*window).titrantBox) typeText("0,1");
        if (expected == acidBaseOf(*window).indicatorList) {
            key(Qt::Key_End); // thymolphtaléine
            key(Qt::Key_Up);  // phénolphtaléine
        }
    }
    EXPECT_EQ(text(0), "0,1");
    EXPECT_EQ(text(1), "0,1") << "typed on the panel, kept on the bench";
    EXPECT_EQ(controlsOf(*window).Combo1->currentText(), "10 mL");
    EXPECT_EQ(acidBaseOf(*window).indicatorList->currentText(), "phénolphtaléine");
    key(Qt::Key_Space);
    ASSERT_TRUE(controlsOf(*window).Picture4->isHidden());

    for (const QWidget* expected : {static_cast<QWidget*>(controlsOf(*window).Command12),
                                    static_cast<QWidget*>(controlsOf(*window).tapFlow),
                                    static_cast<QWidget*>(controlsOf(*window).Command6),
                                    static_cast<QWidget*>(controlsOf(*window).Image1),
                                    static_cast<QWidget*>(controlsOf(*window).Image3)}) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(focus(), expected);
    }
    EXPECT_EQ(controlsOf(*window).picburette->part(2).description,
              QStringLiteral("pH-mètre\u00A0: 2,88"));

    told.clear();
    holdSpace(49);
    EXPECT_EQ(text(5), "5,0");
    EXPECT_TRUE(told.contains(QStringLiteral("pH-mètre\u00A0: 4,76"))) << "told once stopped";
    holdSpace(49);
    EXPECT_EQ(text(5), "10,0");
    EXPECT_TRUE(told.contains(QStringLiteral("pH-mètre\u00A0: 8,73")));
    EXPECT_TRUE(told.contains(QStringLiteral("La solution du bécher devient rose pâle")));
    EXPECT_EQ(told.count(QStringLiteral("La solution du bécher devient rose pâle")), 1);

    // On to 15 mL, then "Courbes" from the tab strip and its methods' band after it.
    holdSpace(49);
    for (int i = 0; i < 60 && focus() != controlsOf(*window).Onglets; ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(focus(), controlsOf(*window).Onglets);
    key(Qt::Key_End);
    ASSERT_EQ(window->chain().currentTab(), 3);
    key(Qt::Key_Tab);
    ASSERT_EQ(focus()->objectName(), QStringLiteral("methodList"));
    EXPECT_EQ(focus()->accessibleName(),
              QStringLiteral("Méthode de détermination de l'équivalence"));
    key(Qt::Key_Down);
    ASSERT_EQ(controlsOf(*window).tabcourbes->partCount(), 1);
    EXPECT_TRUE(controlsOf(*window).tabcourbes->part(0).description.contains(
        QStringLiteral("par la méthode de la dérivée\u00A0: VE = 10,00\u00A0mL")))
        << controlsOf(*window).tabcourbes->part(0).description.toStdString();
    key(Qt::Key_Tab);
    EXPECT_EQ(focus()->objectName(), QStringLiteral("derivativeBox"));
}

} // namespace
