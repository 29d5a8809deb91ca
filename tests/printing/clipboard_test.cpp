// SPDX-License-Identifier: GPL-3.0-or-later
#include "ink.h"
#include "printing/bench_overlay.h"
#include "printing/clipboard_copy.h"
#include "support/fake_bench_pictures.h"
#include "support/scripted_answerer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <gtest/gtest.h>

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
    support::FakeBenchPictures host;
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
    support::FakeBenchPictures host;
    ui::ScriptedAnswerer script;
    script.menuChoices = {QStringLiteral("coptop"), QStringLiteral("copicol"), QString()};
    const QPoint where(120, 40);
    printing::showCopyMenu(host, where);
    ASSERT_EQ(script.menus.size(), 1u);
    EXPECT_EQ(script.menus[0].menu, "menucopie");
    EXPECT_EQ(script.menus[0].entries,
              QStringList({"coptop", "copicol", "coptableau", "copcourbes", "enrtableau"}));
    EXPECT_EQ(script.menus[0].enabled, script.menus[0].entries);
    EXPECT_EQ(script.menus[0].position, where);
    EXPECT_EQ(clipboardImage().size(), QSize(313, 497));
    ASSERT_EQ(host.benchRequests.size(), 1u);
    EXPECT_TRUE(host.benchRequests[0].withValues);

    printing::showCopyMenu(host, where);
    EXPECT_EQ(clipboardImage(), host.graphImage(1.0));
    ASSERT_EQ(host.graphRequests.size(), 2u);

    // A menu dismissed copies nothing.
    printing::showCopyMenu(host, where);
    EXPECT_EQ(host.benchRequests.size(), 1u);
    EXPECT_EQ(host.graphRequests.size(), 2u);
    const QList<QAction*> entries = host.window.findChildren<QAction*>();
    EXPECT_TRUE(entries.isEmpty()) << "the menu goes with its popping up";
}

// The concentration is centred over its box, 5 pixels below its top; the reading starts at
// the label's corner. At twice the size everything doubles.
TEST(BenchOverlay, WritesTheValuesWhereTheControlsLie) {
    support::application();
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
