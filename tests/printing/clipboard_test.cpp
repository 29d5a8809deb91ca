// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_host.h"
#include "printing/bench_overlay.h"
#include "printing/clipboard_copy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Where the values may be written on the bench: the concentration from 5 pixels below the
// top of its box, the reading from the label's corner, each one text line high.
QRect concentrationArea(const printing::BenchValues& v) {
    return QRect(v.concentrationBox.left(), v.concentrationBox.top() + 5,
                 v.concentrationBox.width(), 16);
}
QRect readingArea(const printing::BenchValues& v) {
    return QRect(v.readingTopLeft, QSize(60, 16));
}

QImage clipboardImage() {
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

TEST(Clipboard, BenchCopyDiffersFromTheScreenOnlyWhereTheValuesAre) {
    test::FakeHost host;
    printing::copyBench(host);
    const QImage copy = clipboardImage();
    const QImage screen = host.benchImage(1.0, false);
    ASSERT_EQ(copy.size(), screen.size());

    QRect changed;
    for (int y = 0; y < copy.height(); ++y)
        for (int x = 0; x < copy.width(); ++x)
            if (copy.pixel(x, y) != screen.pixel(x, y)) {
                const QPoint p(x, y);
                EXPECT_TRUE(concentrationArea(host.values).contains(p) ||
                            readingArea(host.values).contains(p))
                    << "changed pixel at " << x << ", " << y;
                changed |= QRect(p, QSize(1, 1));
            }
    EXPECT_FALSE(test::inkBounds(copy, concentrationArea(host.values)).isEmpty());
    EXPECT_FALSE(test::inkBounds(copy, readingArea(host.values)).isEmpty());
    ASSERT_EQ(host.benchRequests.size(), 2u);
    EXPECT_TRUE(host.benchRequests[0].withValues);
    EXPECT_DOUBLE_EQ(host.benchRequests[0].scale, 1.0);
}

TEST(Clipboard, MenuEntriesCopyTheBenchThenReplaceItWithTheGraph) {
    test::FakeHost host;
    std::unique_ptr<QMenu> menu(printing::makeCopyMenu(host, nullptr));
    EXPECT_EQ(menu->objectName(), "menucopie");
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->objectName(), "coptop");
    EXPECT_EQ(actions[0]->text(), "Copier le schéma du titrage");
    EXPECT_EQ(actions[1]->objectName(), "copicol");
    EXPECT_EQ(actions[1]->text(), "Copier le graphe des quantités de matière");

    actions[0]->trigger();
    EXPECT_EQ(clipboardImage().size(), QSize(313, 497));
    actions[1]->trigger();
    EXPECT_EQ(clipboardImage(), host.graphImage(1.0));
}

// The concentration is centred over its box, 5 pixels below its top; the reading starts at
// the label's corner. At twice the size everything doubles.
TEST(BenchOverlay, WritesTheValuesWhereTheControlsLie) {
    test::ensureApp();
    printing::BenchValues v;
    v.concentration = QStringLiteral("0,005");
    v.concentrationBox = QRect(40, 30, 80, 20);
    v.reading = QStringLiteral("7,5 mL");
    v.readingTopLeft = QPoint(50, 100);
    for (const qreal scale : {1.0, 2.0}) {
        QImage image(qRound(200 * scale), qRound(150 * scale), QImage::Format_RGB32);
        image.fill(Qt::white);
        printing::drawBenchValues(image, scale, v);
        const QRect c = test::inkBounds(image, QRect(0, 0, image.width(), qRound(80 * scale)));
        ASSERT_FALSE(c.isEmpty()) << scale;
        EXPECT_NEAR((c.left() + c.right() + 1) / 2.0, 80 * scale, 2 * scale) << scale;
        EXPECT_GE(c.top(), 35 * scale) << scale;
        EXPECT_LT(c.bottom(), 35 * scale + 14 * scale) << scale;
        const QRect r =
            test::inkBounds(image, QRect(0, qRound(80 * scale), image.width(), image.height()));
        ASSERT_FALSE(r.isEmpty()) << scale;
        EXPECT_NEAR(r.left(), 50 * scale, 2 * scale) << scale;
        EXPECT_GE(r.top(), 100 * scale) << scale;
        EXPECT_LT(r.top(), 100 * scale + 6 * scale) << scale;
    }
}

} // namespace
