// SPDX-License-Identifier: GPL-3.0-or-later
// The species list and the families behind it: each item is the titration that its family names
// at the position the configuration files keep; between two families stands a heading.
#include "fixture.h"

#include "drawing/utf8.h"
#include "model/titration_id.h"

namespace {

using benchtest::BenchTest;

TEST_F(BenchTest, EveryItemOfTheSpeciesListIsItsFamilysTitration) {
    QComboBox* list = controlsOf(*window).ions1;
    int headings = 0;
    for (int position = 0; position < list->count(); ++position) {
        const model::TitrationId id = model::titrationAt(position);
        const std::string_view named = window->families().of(id).listText(id.index);
        if (id.index < 0) {
            ++headings;
            EXPECT_TRUE(named.empty()) << position;
            continue;
        }
        EXPECT_EQ(list->itemText(position), drawing::utf8(named)) << position;
        EXPECT_EQ(model::listPosition(id), position);
        list->setCurrentIndex(position);
        EXPECT_EQ(&window->family(), &window->families().of(id)) << position;
    }
    EXPECT_EQ(headings, int(window->families().all().size()) - 1);
}

} // namespace
