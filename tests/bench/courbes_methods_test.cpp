// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the acid-base "Courbes" tab, from the keyboard and the mouse: the methods
// offered for each probe, the volumes stepped from reading to reading, the point of contact
// taken and moved, the range of a line swept, and their names for screen readers.
#include "families/acidbase/courbes_methods.h"

#include "model/acidbase/mixture.h"
#include "support/application.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

namespace ab = model::acidbase;
using families::CourbesMethods;
using families::VolumeBox;

// Readings every `step` mL up to `last` of 0,1 mol/L ethanoic acid (10 mL) by 0,1 mol/L sodium
// hydroxide.
std::vector<ab::Point> readings(double last, double step, bool conductivity = false) {
    const ab::Preparation p{ab::Titration::EthanoicAcid, 0.1, 10, 0, 0.1};
    std::vector<ab::Point> points;
    for (int k = 0; k * step <= last + 1e-9; ++k) {
        const ab::Mixture m = ab::mixtureAt(p, k * step);
        points.push_back({k * step, conductivity ? ab::conductivity(m) : m.pH});
    }
    return points;
}

std::vector<QString> items(const QComboBox* list) {
    std::vector<QString> texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(list->itemText(i));
    return texts;
}

class CourbesMethodsTest : public ::testing::Test {
protected:
    void SetUp() override {
        support::application();
        controls = std::make_unique<CourbesMethods>();
        controls->resize(449, CourbesMethods::bandHeight);
        controls->show();
        controls->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(controls.get()));
        list = controls->findChild<QComboBox*>(QStringLiteral("methodList"));
        derivative = controls->findChild<QCheckBox*>(QStringLiteral("derivativeBox"));
        ASSERT_NE(list, nullptr);
        ASSERT_NE(derivative, nullptr);
    }
    VolumeBox* boxNamed(const QString& start) const {
        for (VolumeBox* b : controls->findChildren<VolumeBox*>())
            if (b->accessibleName().startsWith(start)) return b;
        return nullptr;
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    void key(int k) { QTest::keyClick(focus(), Qt::Key(k)); }

    std::unique_ptr<CourbesMethods> controls;
    QComboBox* list = nullptr;
    QCheckBox* derivative = nullptr;
};

TEST_F(CourbesMethodsTest, MethodsOfferedForEachProbe) {
    controls->setCurve(drawing::Reading::PH, readings(20, 0.5));
    EXPECT_EQ(items(list),
              (std::vector<QString>{"aucune", "maximum de la dérivée", "tangentes parallèles"}));
    EXPECT_TRUE(derivative->isVisible());
    list->setCurrentIndex(2);
    controls->setCurve(drawing::Reading::Conductivity, readings(20, 0.5, true));
    EXPECT_EQ(items(list), (std::vector<QString>{"aucune", "deux droites"}));
    EXPECT_EQ(controls->choice().method, ab::Method::None) << "the tangents fit no conductivity";
    EXPECT_FALSE(derivative->isVisible());
    EXPECT_FALSE(controls->derivative());
    // A falling pH (a base titrated by an acid) has its jump at a minimum of the derivative.
    controls->setCurve(drawing::Reading::PH, {{0, 11}, {5, 10}, {6, 8}, {11, 7}});
    EXPECT_EQ(items(list),
              (std::vector<QString>{"aucune", "minimum de la dérivée", "tangentes parallèles"}));
    controls->setCurve(drawing::Reading::PH, readings(20, 0.5));
    EXPECT_EQ(list->itemText(1), QStringLiteral("maximum de la dérivée"));
}

// From the keyboard alone: the method chosen with the arrows, the tangents' row shown with
// the contacts where the model starts them, each contact taken with Tab and moved from one
// reading to the next with the arrows.
TEST_F(CourbesMethodsTest, TangentsPlacedWithTheKeys) {
    const std::vector<ab::Point> points = readings(20, 0.5);
    controls->setCurve(drawing::Reading::PH, points);
    QSignalSpy changed(controls.get(), &CourbesMethods::changed);
    list->setFocus();
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_EQ(controls->choice().method, ab::Method::ParallelTangents);
    const ab::MethodChoice start = ab::startingPlaces(points, ab::Method::ParallelTangents);
    EXPECT_EQ(controls->choice().firstContact, start.firstContact);
    EXPECT_EQ(controls->choice().secondContact, start.secondContact);
    EXPECT_GE(changed.count(), 2);

    key(Qt::Key_Tab); // the derivative's box
    EXPECT_EQ(focus(), derivative);
    key(Qt::Key_Space);
    EXPECT_TRUE(controls->derivative());
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), boxNamed(QStringLiteral("Point de contact de la tangente 1")));
    EXPECT_EQ(controls->selectedContact(), 1);
    key(Qt::Key_Up);
    EXPECT_DOUBLE_EQ(controls->choice().firstContact, start.firstContact + 0.5);
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), boxNamed(QStringLiteral("Point de contact de la tangente 2")));
    EXPECT_EQ(controls->selectedContact(), 2);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_DOUBLE_EQ(controls->choice().secondContact, start.secondContact - 1);
    EXPECT_DOUBLE_EQ(controls->choice().firstContact, start.firstContact + 0.5);
}

TEST_F(CourbesMethodsTest, VolumesSteppedFromReadingToReading) {
    VolumeBox* box = boxNamed(QStringLiteral("Point de contact de la tangente 1"));
    ASSERT_NE(box, nullptr);
    box->setVolumes({0, 0.5, 1, 4.05, 4.1});
    struct Row {
        const char* name;
        double from;
        int steps;
        double to;
    };
    const Row rows[] = {
        {"up to the next reading", 1, 1, 4.05},
        {"down to the one before", 4.05, -1, 1},
        {"two readings up", 0, 2, 1},
        {"a volume typed between two readings, up", 2.3, 1, 4.05},
        {"the same, down", 2.3, -1, 1},
        {"below the first reading, up", 0, 1, 0.5},
        {"the first reading stays", 0, -1, 0},
        {"the last reading stays", 4.1, 1, 4.1},
        {"past the readings, down", 9, -1, 4.1},
    };
    for (const Row& row : rows) {
        box->setValue(row.from);
        box->stepBy(row.steps);
        EXPECT_DOUBLE_EQ(box->value(), row.to) << row.name;
    }
    EXPECT_EQ(box->text(), QStringLiteral("4,10\u00A0mL"));
}

// The mouse on the plot takes the nearer point of contact and moves it along the readings.
TEST_F(CourbesMethodsTest, ContactTakenAndMovedWithTheMouse) {
    controls->setCurve(drawing::Reading::PH, readings(20, 0.5));
    list->setCurrentIndex(list->findData(int(ab::Method::ParallelTangents)));
    emit list->activated(list->currentIndex());
    const double first = controls->choice().firstContact;
    const double second = controls->choice().secondContact;
    ASSERT_LT(first + 2, second);
    controls->press(second - 0.6); // nearer the second, at a reading 0,5 mL before it
    EXPECT_EQ(controls->selectedContact(), 2);
    EXPECT_DOUBLE_EQ(controls->choice().secondContact, second - 0.5);
    controls->drag(second + 1.1);
    controls->release(second + 1.9);
    EXPECT_DOUBLE_EQ(controls->choice().secondContact, second + 2);
    EXPECT_DOUBLE_EQ(controls->choice().firstContact, first);
    controls->press(first + 0.2);
    EXPECT_EQ(controls->selectedContact(), 1);
    EXPECT_DOUBLE_EQ(controls->choice().firstContact, first);
}

// A sweep of the mouse sets the range of the line on its side.
TEST_F(CourbesMethodsTest, RangesSweptWithTheMouse) {
    controls->setCurve(drawing::Reading::Conductivity, readings(20, 0.2, true));
    list->setCurrentIndex(list->findData(int(ab::Method::TwoLines)));
    emit list->activated(list->currentIndex());
    QSignalSpy changed(controls.get(), &CourbesMethods::changed);
    controls->press(1.05); // left of the middle of the two ranges: the first line
    controls->drag(5);
    controls->release(6.95);
    EXPECT_DOUBLE_EQ(controls->choice().before.from, 1);
    EXPECT_DOUBLE_EQ(controls->choice().before.to, 7);
    controls->press(19.95); // the second line, swept backwards
    controls->release(12.35);
    EXPECT_DOUBLE_EQ(controls->choice().after.from, 12.4);
    EXPECT_DOUBLE_EQ(controls->choice().after.to, 20);
    EXPECT_EQ(controls->selectedContact(), 0);
    EXPECT_GE(changed.count(), 4);
}

// The ranges follow the default ranges of the readings as they come, stay where the student
// put them while the curve carries on, and start again on a new curve.
TEST_F(CourbesMethodsTest, RangesFollowTheReadingsUntilTheStudentSetsThem) {
    auto ranges = [&] {
        const ab::MethodChoice c = controls->choice();
        return std::vector<double>{c.before.from, c.before.to, c.after.from, c.after.to};
    };
    auto defaults = [](const std::vector<ab::Point>& points) {
        const ab::LineRanges r = ab::defaultLineRanges(points);
        return std::vector<double>{r.before.from, r.before.to, r.after.from, r.after.to};
    };
    controls->setCurve(drawing::Reading::Conductivity, readings(5, 0.5, true));
    list->setCurrentIndex(list->findData(int(ab::Method::TwoLines)));
    emit list->activated(list->currentIndex());
    EXPECT_EQ(ranges(), defaults(readings(5, 0.5, true)));
    controls->setCurve(drawing::Reading::Conductivity, readings(20, 0.5, true));
    EXPECT_EQ(ranges(), defaults(readings(20, 0.5, true))) << "more readings";
    EXPECT_NE(ranges(), defaults(readings(5, 0.5, true)));

    boxNamed(QStringLiteral("Droite 2\u00A0: dernière mesure"))->setValue(16);
    const std::vector<double> own = ranges();
    controls->setCurve(drawing::Reading::Conductivity, readings(25, 0.5, true));
    EXPECT_EQ(ranges(), own) << "the student's own, the curve carrying on";
    controls->setCurve(drawing::Reading::Conductivity, readings(12, 0.5, true));
    EXPECT_EQ(ranges(), own) << "the volume poured set back";

    // Another solution: other values at the same volumes.
    std::vector<ab::Point> other = readings(20, 0.5, true);
    for (ab::Point& p : other)
        p.value *= 2;
    controls->setCurve(drawing::Reading::Conductivity, other);
    EXPECT_EQ(ranges(), defaults(other)) << "another solution";
    controls->press(1); // swept with the mouse: the student's own
    controls->release(4);
    controls->setCurve(drawing::Reading::Conductivity, {other.front()});
    controls->setCurve(drawing::Reading::Conductivity, other);
    EXPECT_EQ(ranges(), defaults(other)) << "the burette emptied, then the same readings again";
}

// σ corrected for the dilution: a box of its own for a conductivity, in the focus order after
// the method, named for screen readers; none for a pH.
TEST_F(CourbesMethodsTest, DilutionCorrectedOnDemand) {
    auto* box = controls->findChild<QCheckBox*>(QStringLiteral("dilutionBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->accessibleName().startsWith(QStringLiteral("Corriger la dilution")));
    controls->setCurve(drawing::Reading::Conductivity, readings(20, 0.5, true));
    EXPECT_TRUE(box->isVisible());
    list->setFocus();
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), box);
    key(Qt::Key_Space);
    EXPECT_TRUE(controls->dilutionCorrected());
    const std::vector<QWidget*> order = controls->focusOrder();
    EXPECT_EQ(std::find(order.begin(), order.end(), box) - order.begin(), 2);
    controls->setCurve(drawing::Reading::PH, readings(20, 0.5));
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(controls->dilutionCorrected());
}

// Every control that takes the focus says in French what it is; the boxes of a method not
// chosen are out of the way.
TEST_F(CourbesMethodsTest, EveryControlNamed) {
    struct Row {
        drawing::Reading reading;
        int method;
        int boxesShown;
    };
    const Row rows[] = {
        {drawing::Reading::PH, 0, 0},
        {drawing::Reading::PH, 1, 0},
        {drawing::Reading::PH, 2, 2},           // the two points of contact
        {drawing::Reading::Conductivity, 1, 4}, // the ends of the two ranges
    };
    for (const Row& row : rows) {
        controls->setCurve(row.reading, readings(20, 0.5, row.reading != drawing::Reading::PH));
        list->setCurrentIndex(row.method);
        emit list->activated(row.method);
        for (QWidget* w : controls->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(controls.get()) || w->focusPolicy() == Qt::NoFocus) continue;
            if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
                qobject_cast<QComboBox*>(w->parentWidget()))
                continue; // the text field of a box, which speaks for it
            const QString name = w->accessibleName().isEmpty() ? w->property("text").toString()
                                                               : w->accessibleName();
            EXPECT_FALSE(name.isEmpty()) << w->metaObject()->className() << " " << row.method;
        }
        int shown = 0;
        for (VolumeBox* b : controls->findChildren<VolumeBox*>()) {
            if (!b->isVisibleTo(controls.get())) continue;
            ++shown;
            // Within the band: the controls fit the tab's width.
            EXPECT_LE(b->mapTo(controls.get(), QPoint(b->width(), b->height())).x(), 449)
                << b->accessibleName().toStdString();
        }
        EXPECT_EQ(shown, row.boxesShown) << row.method;
        // For a look with an image viewer (TITRAGE_TEST_IMAGES names a folder).
        const QByteArray folder = qgetenv("TITRAGE_TEST_IMAGES");
        if (!folder.isEmpty())
            controls->grab().save(
                QString::fromLocal8Bit(folder) +
                QStringLiteral("/courbes_methods_%1_%2.png").arg(int(row.reading)).arg(row.method));
    }
}

} // namespace
