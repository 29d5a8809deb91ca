// SPDX-License-Identifier: GPL-3.0-or-later
// "Courbes" on the acid-base bench with a probe: the measured curve grows with every tick and
// drop and stops at the volume poured, the methods' controls in their band worked from the
// keyboard and the mouse, the equivalence found told with its method, the copy without the
// band, the curve in words, and the amount curves back when no probe is dipped.
#include "fixture.h"

#include "families/acidbase/courbes_methods.h"
#include "families/acidbase/measured_curve.h"

#include <QCheckBox>
#include <QTest>

namespace {

using benchtest::acidBaseOf;
using benchtest::BenchTest;
namespace ab = model::acidbase;

class AcidBaseCourbesBenchTest : public BenchTest {
protected:
    // The classic titration without an indicator, its equivalence at 10,0 mL; the "Courbes"
    // tab shown.
    void chooseEthanoicAcid(ab::Probe probe) {
        BenchTest::chooseEthanoicAcid(-1, probe);
        window->chain().Onglets_MouseUp(400, 8);
        ASSERT_EQ(window->chain().currentTab(), 3);
    }
    // The curve in words, as the tab's chart tells it.
    QString words() const {
        if (controlsOf(*window).tabcourbes->partCount() != 1) return {};
        return controlsOf(*window).tabcourbes->part(0).description;
    }
    families::CourbesMethods* methods() const { return acidBaseOf(*window).courbesMethods(); }
    QComboBox* methodList() const {
        return methods()->findChild<QComboBox*>(QStringLiteral("methodList"));
    }
    families::VolumeBox* contact(int k) const {
        // After the method, the derivative's box and the dilution's.
        return static_cast<families::VolumeBox*>(methods()->focusOrder()[std::size_t(2 + k)]);
    }
    // The plot of the tab as it is laid out now.
    drawing::PlotFrame frame() const {
        drawing::MeasuredCurveInputs in;
        in.reading = acidBaseOf(*window).probeList->currentIndex() == int(ab::Probe::Conductimeter)
                         ? drawing::Reading::Conductivity
                         : drawing::Reading::PH;
        in.points = acidBaseOf(*window).measuredPoints();
        for (const ab::Point& p : in.points) // the bench reads at every volume it pours
            in.pouredVolume = std::max(in.pouredVolume, p.volume);
        in.derivative = methods()->derivative();
        in.method = methods()->choice();
        in.controlsHeight = families::CourbesMethods::bandHeight;
        return drawing::measuredCurveLayout(controlsOf(*window).tabcourbes->picture(), in).frame;
    }
    // Pixels of the measured curve's colour in the columns from x on.
    int curvePixelsFrom(const QImage& image, int x, const QRect& plot) const {
        int n = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y)
            for (int c = x; c <= plot.right(); ++c)
                n += QColor(image.pixel(c, y)) == drawing::measuredColour();
        return n;
    }
};

TEST_F(AcidBaseCourbesBenchTest, TheCurveGrowsWithEveryReadingAndStopsAtTheVolumePoured) {
    chooseEthanoicAcid(ab::Probe::PHMeter);
    EXPECT_FALSE(methods()->isHidden()) << "the methods' band";
    EXPECT_EQ(words(), QStringLiteral("pH = f(V), une mesure à 0\u00A0mL\u00A0: pH 2,88."));
    // 5,00 mL: the half-equivalence, pH = pKa = 4,76 (the tap pours 0,1 mL a tick).
    pour(50);
    EXPECT_TRUE(words().startsWith(QStringLiteral(
        "pH = f(V), 51 mesures de 0 à 5\u00A0mL\u00A0: le pH croît de 2,88 à 4,76.")))
        << words().toStdString();
    drop();
    EXPECT_TRUE(words().contains(QStringLiteral("52 mesures de 0 à 5,05\u00A0mL"))) << "the drop";
    EXPECT_EQ(controlsOf(*window).tabcourbes->part(0).name, QStringLiteral("Courbe pH = f(V)"));
    EXPECT_EQ(controlsOf(*window).tabcourbes->part(0).role, QAccessible::Chart);

    // Nothing right of 5,05 mL (the points' marks are 4 px wide), something left of it.
    const drawing::PlotFrame f = frame();
    const QImage screen = controlsOf(*window).tabcourbes->picture().image();
    const qreal ratio = controlsOf(*window).tabcourbes->picture().devicePixelRatio();
    ASSERT_EQ(ratio, 1.0) << "the test reads logical pixels";
    EXPECT_EQ(curvePixelsFrom(screen, f.pixelX(5.05) + 4, f.plot), 0);
    EXPECT_GT(curvePixelsFrom(screen, f.plot.left(), f.plot), 0);

    // Emptying the burette forgets the readings.
    window->run().reinitialise();
    EXPECT_TRUE(words().startsWith(QStringLiteral("pH = f(V), une mesure à 0"))) << "restart";
}

TEST_F(AcidBaseCourbesBenchTest, TheDerivativeMaximumGivesTheEquivalenceWithItsMethod) {
    chooseEthanoicAcid(ab::Probe::PHMeter);
    pour(150);
    // The method chosen from the keyboard: "aucune", then "maximum de la dérivée".
    methodList()->setFocus();
    QTest::keyClick(methodList(), Qt::Key_Down);
    ASSERT_EQ(methods()->choice().method, ab::Method::Derivative);
    EXPECT_TRUE(words().contains(
        QStringLiteral("Équivalence par la méthode de la dérivée\u00A0: VE = 10,00\u00A0mL")))
        << words().toStdString();
    EXPECT_TRUE(words().contains(QStringLiteral("La dérivée dpH/dV y atteint"))) << "drawn";
    // The derivative asked for alone, with no method.
    QTest::keyClick(methodList(), Qt::Key_Up);
    EXPECT_FALSE(words().contains(QStringLiteral("dérivée dpH/dV")));
    auto* derivative = methods()->findChild<QCheckBox*>(QStringLiteral("derivativeBox"));
    derivative->setFocus();
    QTest::keyClick(derivative, Qt::Key_Space);
    EXPECT_TRUE(words().contains(QStringLiteral("La dérivée dpH/dV y atteint")));
}

TEST_F(AcidBaseCourbesBenchTest, TheTangentsArePlacedFromTheKeyboardAndWithTheMouse) {
    chooseEthanoicAcid(ab::Probe::PHMeter);
    pour(150);
    methodList()->setFocus();
    QTest::keyClick(methodList(), Qt::Key_Down);
    QTest::keyClick(methodList(), Qt::Key_Down);
    ASSERT_EQ(methods()->choice().method, ab::Method::ParallelTangents);
    ASSERT_FALSE(contact(1)->parentWidget()->isHidden()) << "the tangents' row";
    const double first = contact(1)->value();
    // The arrows step from one reading to the next: 0,1 mL with the tap held.
    contact(1)->setFocus();
    QTest::keyClick(contact(1), Qt::Key_Up);
    EXPECT_NEAR(contact(1)->value(), first + 0.1, 1e-9);
    EXPECT_TRUE(words().contains(QStringLiteral("Tangentes parallèles aux points de contact de")))
        << words().toStdString();

    // A press on the plot at 7 mL takes the nearer point of contact there, a drag moves it
    // along the readings to 8 mL, and the second stays.
    const drawing::PlotFrame f = frame();
    const int y = (f.plot.top() + f.plot.bottom()) / 2;
    const double second = contact(2)->value();
    QTest::mousePress(controlsOf(*window).tabcourbes, Qt::LeftButton, {}, QPoint(f.pixelX(7), y));
    EXPECT_NEAR(contact(1)->value(), 7.0, 1e-9);
    QMouseEvent move(QEvent::MouseMove, QPointF(f.pixelX(8), y), QPointF(f.pixelX(8), y),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(controlsOf(*window).tabcourbes, &move);
    QTest::mouseRelease(controlsOf(*window).tabcourbes, Qt::LeftButton, {}, QPoint(f.pixelX(8), y));
    EXPECT_NEAR(contact(1)->value(), 8.0, 1e-9);
    EXPECT_NEAR(contact(2)->value(), second, 1e-9);
    EXPECT_TRUE(words().contains(QStringLiteral("points de contact de 8 et ")))
        << words().toStdString();
    // Beyond the volume poured (the axis runs to 20 mL) the mouse reaches the last reading, no
    // further.
    QTest::mouseClick(controlsOf(*window).tabcourbes, Qt::LeftButton, {}, QPoint(f.pixelX(19), y));
    EXPECT_NEAR(contact(2)->value(), 15.0, 1e-9);
}

TEST_F(AcidBaseCourbesBenchTest, TheConductimeterOffersTheTwoLines) {
    chooseEthanoicAcid(ab::Probe::Conductimeter);
    pour(150);
    std::vector<QString> offered;
    for (int i = 0; i < methodList()->count(); ++i)
        offered.push_back(methodList()->itemText(i));
    EXPECT_EQ(offered,
              (std::vector<QString>{QStringLiteral("aucune"), QStringLiteral("deux droites")}));
    EXPECT_TRUE(words().startsWith(QStringLiteral("σ = f(V), 151 mesures de 0 à 15\u00A0mL")));
    methodList()->setFocus();
    QTest::keyClick(methodList(), Qt::Key_Down);
    EXPECT_TRUE(words().contains(QStringLiteral("par la méthode des deux droites\u00A0: VE = ")))
        << words().toStdString();
    EXPECT_EQ(controlsOf(*window).tabcourbes->part(0).name, QStringLiteral("Courbe σ = f(V)"));
}

// The two lines on their default ranges find the equivalence at 10,0 mL, as read and with σ
// corrected for the dilution.
TEST_F(AcidBaseCourbesBenchTest, TheTwoLinesOnTheirDefaultRanges) {
    chooseEthanoicAcid(ab::Probe::Conductimeter);
    pour(200);
    methodList()->setFocus();
    QTest::keyClick(methodList(), Qt::Key_Down);
    auto equivalence = [&] {
        const QString w = words();
        const int at = w.indexOf(QStringLiteral("VE = "));
        return at < 0 ? -1.0 : QLocale(QLocale::French).toDouble(w.mid(at + 5, 5));
    };
    EXPECT_NEAR(equivalence(), 10, 0.1) << words().toStdString();
    auto* dilution = methods()->findChild<QCheckBox*>(QStringLiteral("dilutionBox"));
    ASSERT_NE(dilution, nullptr);
    dilution->setChecked(true);
    EXPECT_TRUE(words().startsWith(QStringLiteral("σ corrigé de la dilution = f(V)")))
        << words().toStdString();
    EXPECT_NEAR(equivalence(), 10, 0.1) << words().toStdString();
}

TEST_F(AcidBaseCourbesBenchTest, TheCopyTakesTheBandOfTheControls) {
    chooseEthanoicAcid(ab::Probe::PHMeter);
    pour(120);
    const drawing::Picture& screen = controlsOf(*window).tabcourbes->picture();
    ASSERT_EQ(screen.devicePixelRatio(), 1.0);
    const QImage copy = window->chain().courbesImage(1);
    ASSERT_EQ(copy.size(), screen.image().size());
    // The screen leaves the band blank for the controls; the copy draws the plot down there.
    auto inked = [](const QImage& image, int fromY) {
        int n = 0;
        for (int y = fromY; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += QColor(image.pixel(x, y)) != QColor(Qt::white);
        return n;
    };
    const int band = screen.height() - families::CourbesMethods::bandHeight;
    EXPECT_EQ(inked(screen.image(), band), 0);
    EXPECT_GT(inked(copy, band), 0);
}

// While the concentration is hidden the curve tells only what was measured: the tab, its copy
// and its words after 20 mL poured and the burette read back to 3 mL are those of 3 mL poured
// (a scale kept from the readings beyond, σ's or the derivative's, would tell of the jump).
TEST_F(AcidBaseCourbesBenchTest, WhileHiddenNothingBeyondTheVolumePouredIsTold) {
    struct Row {
        const char* name;
        ab::Probe probe;
        bool derivative;
    };
    const Row rows[] = {{"pH and dpH/dV", ab::Probe::PHMeter, true},
                        {"σ", ab::Probe::Conductimeter, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        struct Seen {
            QImage screen, copy;
            QString words;
        };
        auto look = [&](int ticks, bool readBack) {
            chooseEthanoicAcid(row.probe);
            controlsOf(*window).masquer->setChecked(true);
            window->setUp().masquer_Click();
            if (row.derivative)
                methods()->findChild<QCheckBox*>(QStringLiteral("derivativeBox"))->setChecked(true);
            pour(ticks);
            if (readBack) {
                type(5, QStringLiteral("3"));
                window->setUp().Text1_LostFocus(5);
            }
            EXPECT_TRUE(window->setUp().sampleHidden());
            return Seen{controlsOf(*window).tabcourbes->picture().image(),
                        window->chain().courbesImage(1), words()};
        };
        const Seen three = look(30, false);
        window->run().reinitialise();
        const Seen back = look(200, true);
        EXPECT_TRUE(three.words.contains(QStringLiteral("de 0 à 3\u00A0mL")))
            << three.words.toStdString();
        EXPECT_EQ(three.words, back.words);
        EXPECT_TRUE(three.screen == back.screen);
        EXPECT_TRUE(three.copy == back.copy);
        window->run().reinitialise();
    }
}

TEST_F(AcidBaseCourbesBenchTest, WithNoProbeTheAmountCurvesComeBack) {
    chooseEthanoicAcid(ab::Probe::PHMeter);
    pour(30);
    ASSERT_EQ(controlsOf(*window).tabcourbes->partCount(), 1);
    acidBaseOf(*window).probeList->setCurrentIndex(int(ab::Probe::None));
    EXPECT_TRUE(methods()->isHidden());
    EXPECT_EQ(controlsOf(*window).tabcourbes->partCount(), 0);
    EXPECT_EQ(controlsOf(*window).tabcourbes->accessibleName(),
              QStringLiteral("Courbes et tableau d'avancement"));
    // Back to a redox species: no band either.
    acidBaseOf(*window).probeList->setCurrentIndex(int(ab::Probe::PHMeter));
    EXPECT_FALSE(methods()->isHidden());
    controlsOf(*window).ions1->setCurrentIndex(0);
    EXPECT_TRUE(methods()->isHidden());
}

TEST_F(AcidBaseCourbesBenchTest, TheStarchBoxIsLeftToTheRedoxBench) {
    controlsOf(*window).ions1->setCurrentIndex(0);
    EXPECT_FALSE(controlsOf(*window).Check1->isHidden());
    controlsOf(*window).ions1->setCurrentIndex(ethanoicPosition);
    EXPECT_TRUE(controlsOf(*window).Check1->isHidden());
    controlsOf(*window).ions1->setCurrentIndex(2);
    EXPECT_FALSE(controlsOf(*window).Check1->isHidden());
}

} // namespace
