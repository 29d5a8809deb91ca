// SPDX-License-Identifier: GPL-3.0-or-later
// Situations whose values no user would type (no configuration file brings them any more: the
// open window refuses them): whatever the numbers, the bench keeps its flask and burette and
// the graph its frame.

#include "fixture.h"

#include <string>

namespace {

using benchtest::BenchTest;

const QColor black(0, 0, 0);

TEST_F(BenchTest, ExtremeValuesOfASituationKeepTheFlaskBuretteAndAxis) {
    const std::string huge = "1" + std::string(119, '0'); // 120 digits
    struct Row {
        const char* name;
        std::array<std::string, 6> texts;
    };
    const Row rows[] = {
        {"every value 0", {"0", "0", "0", "0", "0", "0"}},
        {"negative values", {"-0,01", "-0,005", "-0,05", "-10", "-20", "-5"}},
        {"1E+38 everywhere", {"1E+38", "1E+38", "1E+38", "1E+38", "1E+38", "1E+38"}},
        {"titrant 1E+38 alone", {"0,01", "1E+38", "0,05", "10", "20,0", "0,0"}},
        {"1E-38 everywhere", {"1E-38", "1E-38", "1E-38", "1E-38", "1E-38", "1E-38"}},
        {"unreadable texts", {"abc", "x", ",", "-", "E", "?"}},
        {"120-digit numbers", {huge, huge, huge, huge, huge, huge}},
    };
    for (const Row& row : rows) {
        for (const int species : {0, 1, 7, 9}) {
            SCOPED_TRACE(std::string(row.name) + ", species " + std::to_string(species));
            // The bench first shows another situation, so that nothing of it can pass for the
            // one shown.
            controlsOf(*window).Option2[3]->setChecked(true);
            files::SituationTable& table = window->situationBench().situations().table;
            table.texts[0] = row.texts;
            table.choices[0][1] = std::int16_t(species);
            window->shell().selectSituation(0);
            ASSERT_EQ(window->setUp().species(), species);

            const drawing::Picture& bench = controlsOf(*window).picburette->picture();
            const int x0 = window->chain().flaskX();
            EXPECT_EQ(bench.pixel(x0 + 23, 380), black) << "left side of the flask's neck";
            EXPECT_EQ(bench.pixel(x0 + 43, 380), black) << "right side of the flask's neck";
            EXPECT_EQ(bench.pixel(x0 + 33, 460), black) << "base of the flask";
            EXPECT_EQ(bench.pixel(x0 + 25, 64), black) << "side of the burette";
            EXPECT_EQ(bench.pixel(x0 + 25, 205), black) << "side of the burette";
            EXPECT_EQ(bench.pixel(x0 + 20, 298), black) << "foot of the burette";

            const drawing::Picture& graph = controlsOf(*window).tabquant->picture();
            EXPECT_EQ(graph.pixel(72, 10), black) << "top of the axis";
            EXPECT_EQ(graph.pixel(72, 100), black) << "axis";
            EXPECT_EQ(graph.pixel(69, 16), black) << "arrow head";
        }
    }
}

} // namespace
