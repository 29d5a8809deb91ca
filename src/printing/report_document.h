// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The student's report as one document: the student's name, the exercise's title and the
// date; the set-up; the bench, the graph of the amounts and the curves with the progress
// table (the pictures the printing draws); the equivalence found and its method; the result
// with its uncertainty; the checks made with their z.

#include "printing/print_pages.h"
#include "printing/report_facts.h"

#include <QDate>

#include <memory>

class QTextDocument;

namespace printing {

// "8 décembre 2026", "1er mars 2027".
QString frenchDate(const QDate& date);

// "c2 = 0,01234 mol/L avec u(c2) = 0,00021 mol/L" as the class writes it (u with two
// significant digits, c2 to the same decimal place) when both texts are numbers; else what was
// typed, or a dash for what was not.
QString resultText(const QString& concentration, const QString& uncertainty);

// The document of the report, its pictures held in it. The pictures are those gathered for a
// page (gatherPictures), drawn at their screen size, or smaller to fit the page's width.
std::unique_ptr<QTextDocument> reportDocument(const ReportFacts& facts,
                                              const ReportAnswers& answers,
                                              const PagePictures& pictures, const QDate& date);

} // namespace printing
