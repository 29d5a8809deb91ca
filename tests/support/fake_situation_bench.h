// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window reduced to its situations: it records, in order, what is asked of it.

#include "files/ui/situation_bench.h"
#include "support/application.h"

#include <QWidget>

#include <string>
#include <vector>

namespace support {

class FakeSituationBench : private ApplicationFirst, public files::SituationBench {
public:
    QWidget window;
    files::Situations state;
    QString caption = QStringLiteral("Titrage colorimétrique");
    // "clear", "select 0", "caption", in the order asked.
    std::vector<std::string> calls;
    std::vector<int> selected; // the situations selected, in order
    // The current situation of the table when a situation was last selected.
    int currentWhenSelected = 99;

    QWidget* mainWindow() override { return &window; }
    files::Situations& situations() override { return state; }
    void setCaption(const QString& c) override {
        caption = c;
        calls.push_back("caption");
    }
    void clearSituationButtons() override { calls.push_back("clear"); }
    void selectSituation(int index) override {
        calls.push_back("select " + std::to_string(index));
        selected.push_back(index);
        currentWhenSelected = state.table.current;
        state.table.current = static_cast<std::int16_t>(index);
    }
};

} // namespace support
