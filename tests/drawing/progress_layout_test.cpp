// SPDX-License-Identifier: GPL-3.0-or-later
// The progress table laid out on the curves' picture: every text of a row stays clear of its
// neighbours and of the picture's edge, for every titration, shown or hidden, from an empty
// burette to a full one.
#include "drawing/courbes.h"
#include "drawing/drawing_test_support.h"
#include "drawing/graph.h"
#include "drawing/picture.h"
#include "drawing/progress_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The bench of each species: concentrations and volumes a class would use.
model::BenchInputs bench(int species) {
    model::BenchInputs in;
    in.sampleConcentration = 0.0123f;
    in.sampleVolume = 10;
    in.titrantConcentration = 0.02f;
    in.reagentConcentration = species == 0 ? 0.05f : 0.1f;
    in.iodineVolume = 5;
    in.iodideVolume = 10;
    return in;
}

struct Extent {
    double left, right;
    std::string what;
};

// The horizontal extents of a row's texts, left to right.
std::vector<Extent> rowExtents(drawing::Picture& pic, const drawing::ProgressRowTexts& row,
                               const drawing::ProgressColumns& columns) {
    auto width = [&](const drawing::Runs& runs) {
        return drawing::runsWidth(pic, runs, drawing::ScriptSet::Table);
    };
    std::vector<Extent> out;
    out.push_back({4, 4 + width(row.label), "label"});
    const double p = width(row.progress);
    out.push_back({columns.progressCentre - p / 2, columns.progressCentre + p / 2, "x"});
    for (std::size_t i = 0; i < row.amounts.size(); ++i) {
        const double w = width(row.amounts[i]);
        const double centre = columns.left[i] + columns.width[i] / 2;
        out.push_back({centre - w / 2, centre + w / 2, "term " + std::to_string(i)});
    }
    return out;
}

TEST(ProgressLayout, NoTextOverlapsItsNeighbour) {
    support::application();
    drawing::Picture pic(449, 274);
    for (int species = 0; species < model::speciesCount; ++species) {
        for (bool hidden : {false, true}) {
            for (float poured : {0.0f, 3.0f, 6.15f, 12.3f, 25.0f}) {
                SCOPED_TRACE(testing::Message()
                             << "species " << species << (hidden ? ", hidden" : "")
                             << ", V = " << poured);
                drawing::CourbesInputs in;
                in.species = species;
                in.in = bench(species);
                in.in.pouredVolume = poured;
                in.scaleMax = drawing::scaleMax(species, in.in);
                in.hidden = hidden;
                drawing::majcourbes(pic, in);
                drawing::refcourbes(pic, in);
                const auto columns = drawing::courbesTableColumns(pic, in);
                const model::ProgressTable table = model::progressTable(species, in.in);
                ASSERT_EQ(columns.size(), table.reactions.size());
                for (std::size_t r = 0; r < columns.size(); ++r) {
                    const drawing::ReactionTexts texts =
                        drawing::reactionTexts(table, table.reactions[r], hidden, poured);
                    for (const auto* row : {&texts.initial, &texts.reached}) {
                        const std::vector<Extent> extents = rowExtents(pic, *row, columns[r]);
                        for (std::size_t k = 1; k < extents.size(); ++k)
                            EXPECT_LT(extents[k - 1].right, extents[k].left)
                                << extents[k - 1].what << " runs into " << extents[k].what;
                        EXPECT_LE(extents.back().right, 449.0) << extents.back().what;
                    }
                }
                const std::string name = "layout_" + std::to_string(species) +
                                         (hidden ? "_hidden_" : "_") +
                                         std::to_string(int(poured * 100));
                drawingtest::save(pic, name.c_str());
            }
        }
    }
}

} // namespace
