// SPDX-License-Identifier: GPL-3.0-or-later
// What a picture box shows of the keyboard focus, and what it tells assistive technology of
// the parts of its drawing.
#include "drawing/widgets/picturebox.h"

#include "support/application.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The black pixels of a grab, in logical pixels.
int blackPixels(const QImage& shot, const QRect& r) {
    const qreal ratio = shot.devicePixelRatio();
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (shot.pixelColor(int(x * ratio), int(y * ratio)) == QColor(Qt::black)) ++count;
    return count;
}

TEST(PictureBoxAccessTest, TheFocusMarkIsDottedAndShownOnlyWithTheFocus) {
    support::application();
    QWidget window;
    QPushButton other(&window);
    drawing::PictureBox box(60, 40, &window);
    box.move(0, 30);
    box.setFocusPolicy(Qt::TabFocus);
    const QRect mark(5, 4, 40, 20);
    box.setFocusMark(mark);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other.setFocus();

    const QRect whole(0, 0, 60, 40);
    EXPECT_EQ(blackPixels(box.grab().toImage(), whole), 0) << "no mark without the focus";

    box.setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage focused = box.grab().toImage();
    // One pixel in two along each edge; nothing inside or outside the rectangle.
    EXPECT_EQ(blackPixels(focused, QRect(mark.left(), mark.top(), mark.width(), 1)),
              mark.width() / 2);
    EXPECT_EQ(blackPixels(focused, QRect(mark.left(), mark.top() + 1, 1, mark.height() - 2)),
              (mark.height() - 2) / 2);
    EXPECT_EQ(blackPixels(focused, mark.adjusted(1, 1, -1, -1)), 0);
    EXPECT_EQ(blackPixels(focused, whole) - blackPixels(focused, mark), 0);

    other.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(blackPixels(box.grab().toImage(), whole), 0) << "the mark goes with the focus";
    EXPECT_EQ(box.picture().image().pixelColor(mark.topLeft()), QColor(Qt::white))
        << "never drawn into the picture";
}

TEST(PictureBoxAccessTest, PartsAreChildrenAfterTheControlsAndTellTheirChangesOnce) {
    support::application();
    drawing::PictureBox box(100, 50);
    QPushButton control(&box);
    control.setGeometry(0, 0, 20, 20);
    std::vector<std::pair<int, QAccessible::Event>> told;
    QObject::connect(&box, &drawing::PictureBox::partTold,
                     [&](int index, QAccessible::Event type) { told.emplace_back(index, type); });

    box.setPartCount(2);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
    ASSERT_EQ(iface->childCount(), 3);
    EXPECT_EQ(iface->child(0)->object(), &control);

    drawing::PicturePart flask{QAccessible::Graphic, "Bécher", "Bécher : 20 mL", {50, 10, 30, 30}};
    box.setPart(1, flask, false);
    QAccessibleInterface* part = iface->child(2);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->text(QAccessible::Name), "Bécher");
    EXPECT_EQ(part->text(QAccessible::Description), "Bécher : 20 mL");
    EXPECT_EQ(part->parent()->object(), &box);
    EXPECT_EQ(iface->indexOfChild(part), 2);

    struct Step {
        const char* name;
        const char* partName;
        const char* description;
        bool notify;
        std::vector<QAccessible::Event> expected;
    } steps[] = {
        {"a name is told at once, a description waits", "Bécher", "Bécher : 20 mL", false, {}},
        {"the waiting description is told",
         "Bécher",
         "Bécher : 20 mL",
         true,
         {QAccessible::DescriptionChanged}},
        {"told once only", "Bécher", "Bécher : 20 mL", true, {}},
        {"steps of a flow are not told", "Bécher", "Bécher : 20,1 mL", false, {}},
        {"nor the step back to what was told", "Bécher", "Bécher : 20 mL", true, {}},
        {"a new name", "Bécher rose", "Bécher : 20 mL", false, {QAccessible::NameChanged}},
    };
    told.clear();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        told.clear();
        flask.name = step.partName;
        flask.description = step.description;
        box.setPart(1, flask, step.notify);
        std::vector<QAccessible::Event> events;
        for (const auto& [index, type] : told) {
            EXPECT_EQ(index, 1);
            events.push_back(type);
        }
        EXPECT_EQ(events, step.expected);
    }
    box.setPartCount(1);
    EXPECT_EQ(iface->childCount(), 2);
}

} // namespace
