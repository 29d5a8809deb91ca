// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader on any bytes: into a document that no window lays out, and into one laid out
// at the width of the exercise text area, as it is shown. Beyond not crashing nor hanging:
// both documents hold the same text, and a document without tables, saved by the writer and
// read again, holds the same text as well (the writer leaves out the empty paragraphs that
// only hold a table's place, so documents with tables are not compared).

#include "fuzz_check.h"
#include "rtf/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImageReader>
#include <QTextDocument>
#include <QTextFrame>

#include <cstddef>
#include <cstdint>

namespace {

bool hasTables(const QTextDocument& doc) {
    return !doc.rootFrame()->childFrames().isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's warnings about the odd fonts and pictures of the inputs would only slow the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication application(*argc, *argv);
    // Pictures are decoded from the input: a few bytes of PNG may claim gigapixels. The
    // program's reader keeps Qt's limit; the runs keep a lower one to stay within memory.
    QImageReader::setAllocationLimit(32);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument read;
    rtf::readRtf(bytes, read);

    QTextDocument shown;
    shown.setTextWidth(361);
    shown.documentLayout();
    rtf::readRtf(bytes, shown);
    shown.size(); // lays the whole document out
    FUZZ_CHECK(shown.toRawText() == read.toRawText());

    if (!hasTables(read)) {
        QTextDocument back;
        rtf::readRtf(rtf::writeRtf(read), back);
        FUZZ_CHECK(back.toRawText() == read.toRawText());
    }
    return 0;
}
