// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What printing and the clipboard copies need of the main window: its pictures, drawn
// afresh at the scale they are wanted at, and the table of the titration along the volumes
// poured. The main window implements it; tests use a small fake.

#include "printing/report_facts.h"

#include <QImage>

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
    // The table of the titration on the bench, as the copy and the CSV file give it: a header
    // line, then a line for every 0,1 mL and every drop from 0 to the poured volume, each
    // ended by lineEnd, its cells separated by separator; the cells whose numbers would give
    // a hidden concentration away are left empty.
    virtual std::string tableText(std::string_view separator, std::string_view lineEnd) = 0;
    // What the student's report says besides the pictures.
    virtual ReportFacts reportFacts() = 0;
};

} // namespace printing
