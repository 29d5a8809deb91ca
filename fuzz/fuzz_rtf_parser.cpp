// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF parser alone on any bytes: the bytes to the document model, with no document built
// and nothing laid out, so that a run tries thousands of inputs a second (the reader as a
// whole, with the layout, is fuzz_rtf). Beyond not crashing nor hanging, the model must be one
// the builder can write: text runs that hold text, font sizes within Word's range, pictures
// that name a picture of the document, and tables whose rows hold cells, each cell a range of
// the table's paragraphs that follows the cell before, and no table inside a table.

#include "fuzz_check.h"
#include "rtf/document.h"

#include <QGuiApplication>
#include <QImageReader>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// Word's font sizes: 1 to 1638 points (\fs2 to \fs3276).
bool sizeInRange(const QTextCharFormat& format) {
    if (!format.hasProperty(QTextFormat::FontPointSize)) return true;
    const double points = format.fontPointSize();
    return points >= 1 && points <= 1638;
}

void checkFlow(const rtf::Flow& flow, const rtf::Document& model, bool inTable) {
    for (const rtf::Step& step : flow) {
        switch (step.kind) {
        case rtf::Step::Kind::Text:
            FUZZ_CHECK(!step.text.isEmpty());
            FUZZ_CHECK(sizeInRange(step.format));
            break;
        case rtf::Step::Kind::Image: {
            const QString name = step.format.toImageFormat().name();
            FUZZ_CHECK(std::any_of(model.images.begin(), model.images.end(),
                                   [&name](const auto& image) { return image.first == name; }));
            break;
        }
        case rtf::Step::Kind::ParagraphFormat:
            FUZZ_CHECK(sizeInRange(step.format));
            break;
        case rtf::Step::Kind::ParagraphEnd:
            break;
        case rtf::Step::Kind::Table: {
            FUZZ_CHECK(!inTable);
            FUZZ_CHECK(step.table && !step.table->rows.empty());
            int next = 0; // the first paragraph a cell may hold
            for (const rtf::Row& row : step.table->rows) {
                FUZZ_CHECK(!row.cells.empty());
                for (const rtf::CellContent& cell : row.cells) {
                    FUZZ_CHECK(cell.first >= next && cell.last >= cell.first);
                    next = cell.last + 1;
                }
            }
            checkFlow(step.table->cells, model, true);
            break;
        }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about the odd pictures of the inputs would only slow the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication application(*argc, *argv);
    // Pictures are decoded from the input: a few bytes of PNG may claim gigapixels.
    QImageReader::setAllocationLimit(32);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const rtf::Document model = rtf::parse(bytes);
    checkFlow(model.flow, model, false);
    return 0;
}
