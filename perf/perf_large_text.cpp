// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a long rich text (20,000 paragraphs, about 0.8 MB as the program writes it) in the
// exercise text area, side by side with the bare read of the same file into a document that no
// window shows, followed by its whole layout at the area's width. Opening includes that whole
// layout too. Run on the offscreen platform:
//   perf_large_text --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// The file is written by the benchmark itself, with the program's own writer.

#include "exercises/text_area.h"
#include "rtf/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

constexpr int paragraphs = 20000;
constexpr int areaWidth = 361;
constexpr int areaHeight = 174;

// Paragraphs of an exercise statement, in runs of a few formats.
QByteArray largeText() {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat title;
    title.setFontPointSize(14);
    title.setForeground(QColor(0, 0, 160));
    for (int k = 0; k < paragraphs; ++k) {
        if (k > 0) c.insertBlock();
        if (k % 50 == 0) {
            c.insertText(QStringLiteral("Partie %1").arg(k / 50 + 1), title);
            continue;
        }
        c.insertText(QStringLiteral("%1. On verse ").arg(k), plain);
        if (k % 10 == 0) c.insertText(QStringLiteral("la solution titrante"), bold);
    }
    return rtf::writeRtf(doc);
}

struct LargeFile {
    LargeFile() {
        QFile f(path);
        const QByteArray bytes = largeText();
        size = bytes.size();
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != size) size = 0;
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("LONG.RTF"));
    qint64 size = 0;
};

const LargeFile& largeFile() {
    static const LargeFile file;
    return file;
}

// The text area as the main window holds it: shown, at its size.
struct Area {
    Area() {
        area.setGeometry(0, 0, areaWidth, areaHeight);
        area.show();
        QApplication::processEvents();
    }
    QTextEdit area;
};

void reportFile(benchmark::State& state) {
    state.counters["bytes"] = double(largeFile().size);
    if (largeFile().size == 0) state.SkipWithError("the text could not be written");
}

// The reader into a document that no window shows, then its whole layout.
void BM_ReadThenLayOut(benchmark::State& state) {
    reportFile(state);
    for (auto _ : state) {
        QTextDocument doc;
        rtf::loadRtfFile(largeFile().path, doc);
        doc.setTextWidth(areaWidth);
        benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
    }
}

// What the exercise menus do: the file opened in the shown text area, laid out whole.
void BM_OpenInTheTextArea(benchmark::State& state) {
    reportFile(state);
    Area shown;
    for (auto _ : state) {
        exercises::loadRtfIntoArea(largeFile().path, shown.area);
        QApplication::processEvents();
        benchmark::DoNotOptimize(shown.area.document()->documentLayout()->documentSize());
    }
}

// The reader writing straight into the shown document, laid out again at every paragraph: how
// the text area used to be filled, once, for comparison.
void BM_ReadIntoTheShownDocument(benchmark::State& state) {
    reportFile(state);
    Area shown;
    for (auto _ : state) {
        rtf::loadRtfFile(largeFile().path, *shown.area.document());
        QApplication::processEvents();
        benchmark::DoNotOptimize(shown.area.document()->documentLayout()->documentSize());
    }
}

BENCHMARK(BM_ReadThenLayOut)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenInTheTextArea)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadIntoTheShownDocument)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
