// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What printing and the clipboard copies need of the main window: its pictures, drawn
// afresh at the scale they are wanted at, and the table of the amounts along the volumes
// poured. The main window implements it; tests use a small fake.

#include "model/amounts_table.h"
#include "printing/report_facts.h"

#include <QImage>

#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace printing {

class BenchPictures {
public:
    virtual ~BenchPictures() = default;

    virtual QWidget* mainWindow() = 0;
    // The bench picture and the graph as images, drawn at scale times their screen size.
    // withValues writes the titrant concentration and the burette reading into the bench.
    virtual QImage benchImage(qreal scale, bool withValues) = 0;
    virtual QImage graphImage(qreal scale) = 0;
    // The curves and the progress table of the "Courbes" tab.
    virtual QImage courbesImage(qreal scale) = 0;
    // The amounts introduced and present from 0 to the poured volume, every 0,1 mL and at
    // the drops; the sample's amounts left out while its concentration is hidden.
    virtual model::AmountsTable amountsTable() = 0;
    // While an acid-base titration is on the bench, its table (model::acidbase::curveTable's
    // text: "V (mL)", "pH", "σ (mS/cm)", the amounts, the colour) in place of amountsTable(),
    // with the given separator and line end; none for a redox titration.
    virtual std::optional<std::string> acidBaseTableText(std::string_view separator,
                                                         std::string_view lineEnd) {
        (void)separator;
        (void)lineEnd;
        return std::nullopt;
    }
    // What the student's report says besides the pictures.
    virtual ReportFacts reportFacts() = 0;
};

} // namespace printing
