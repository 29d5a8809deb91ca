// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF writer: the document, its paragraphs and their runs.

#include "writer.h"
#include "numbers/windows1252.h"
#include "rtf/rtf.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <QUrl>

#include <vector>

namespace rtf {
namespace {

QString familyOf(const QTextCharFormat& f, const QTextDocument& doc) {
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty()) return families.first();
    return doc.defaultFont().family();
}

qreal pointSizeOf(const QTextCharFormat& f, const QTextDocument& doc) {
    if (f.fontPointSize() > 0) return f.fontPointSize();
    qreal size = doc.defaultFont().pointSizeF();
    return size > 0 ? size : 12.0;
}

std::optional<QColor> foregroundOf(const QTextCharFormat& f) {
    if (!f.hasProperty(QTextFormat::ForegroundBrush) || f.foreground().style() == Qt::NoBrush)
        return std::nullopt;
    return f.foreground().color();
}

std::optional<QColor> backgroundOf(const QTextCharFormat& f) {
    if (!f.hasProperty(QTextFormat::BackgroundBrush) || f.background().style() == Qt::NoBrush)
        return std::nullopt;
    return f.background().color();
}

// Appends text with RTF escapes: 1252 characters as \'hh, the others as \uN?. Control
// characters come as \uN? too, so that whatever the text area holds is read back.
void appendEscaped(QByteArray& out, const QString& text) {
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == 0x2028 || c == '\n') {
            out += "\\line ";
        } else if (c == 0x00A0) {
            out += "\\~";
        } else if (c == 0x00AD) {
            out += "\\-";
        } else if (c == 0x2011) {
            out += "\\_";
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else if (c == 0x2029) {
            continue; // a paragraph end, which the blocks write
        } else {
            if (const auto byte = numbers::toWindows1252(c); byte && *byte >= 0x80) {
                out += "\\'" + QByteArray::number(*byte, 16).rightJustified(2, '0');
            } else {
                // A signed 16-bit number; characters beyond U+FFFF come as their two halves.
                out += "\\u" + QByteArray::number(int(c) > 32767 ? int(c) - 65536 : int(c)) + '?';
            }
        }
    }
}

// What a frame holds, in order: its paragraphs (those of frames inside it too) and tables.
struct Item {
    QTextBlock block;
    const QTextTable* table = nullptr;
};

void gather(QTextFrame::iterator it, std::vector<Item>& items) {
    for (; !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(frame))
                items.push_back({QTextBlock(), table});
            else
                gather(frame->begin(), items);
        } else if (it.currentBlock().isValid()) {
            items.push_back({it.currentBlock(), nullptr});
        }
    }
}

// The items the text area shows: no empty paragraph right before or after a table, which only
// holds the table's place.
std::vector<Item> shownItems(QTextFrame::iterator it) {
    std::vector<Item> all, shown;
    gather(it, all);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool nextToTable =
            (i > 0 && all[i - 1].table) || (i + 1 < all.size() && all[i + 1].table);
        if (all[i].table || !nextToTable || all[i].block.length() > 1) shown.push_back(all[i]);
    }
    return shown;
}

// The cells of a table in reading order, each merged cell once.
std::vector<QTextTableCell> cellsOf(const QTextTable& table) {
    std::vector<QTextTableCell> cells;
    for (int r = 0; r < table.rows(); ++r)
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            if (cell.row() == r && cell.column() == c) cells.push_back(cell);
        }
    return cells;
}

} // namespace

int Writer::fontIndex(const QString& family) {
    int i = int(fonts_.indexOf(family));
    if (i < 0) {
        fonts_ << family;
        i = int(fonts_.size()) - 1;
    }
    return i;
}

int Writer::colourIndex(const QColor& c) {
    QRgb rgb = c.rgb();
    int i = int(colours_.indexOf(rgb));
    if (i < 0) {
        colours_ << rgb;
        i = int(colours_.size()) - 1;
    }
    return i + 1; // entry 0 is "automatic"
}

void Writer::collect(QTextFrame::iterator it) {
    for (const Item& item : shownItems(it)) {
        if (item.table) {
            for (const QTextTableCell& cell : cellsOf(*item.table))
                collect(cell.begin());
            continue;
        }
        auto note = [this](const QTextCharFormat& f) {
            fontIndex(familyOf(f, doc_));
            if (auto c = foregroundOf(f)) colourIndex(*c);
            if (auto c = backgroundOf(f)) colourIndex(*c);
        };
        // A paragraph mark's format is written only for an empty paragraph.
        if (item.block.begin().atEnd()) note(item.block.charFormat());
        for (auto f = item.block.begin(); !f.atEnd(); ++f)
            note(f.fragment().charFormat());
    }
}

void Writer::writeRun(QByteArray& out, const QTextCharFormat& f) {
    out += "\\plain\\f" + QByteArray::number(fontIndex(familyOf(f, doc_)));
    out += "\\fs" + QByteArray::number(int(std::lround(pointSizeOf(f, doc_) * 2)));
    if (f.fontWeight() > QFont::Medium) out += "\\b";
    if (f.fontItalic()) out += "\\i";
    if (f.fontUnderline()) out += "\\ul";
    if (f.fontStrikeOut()) out += "\\strike";
    if (f.fontCapitalization() == QFont::AllUppercase) out += "\\caps";
    if (f.fontCapitalization() == QFont::SmallCaps) out += "\\scaps";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) out += "\\super";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) out += "\\sub";
    if (auto c = foregroundOf(f)) out += "\\cf" + QByteArray::number(colourIndex(*c));
    if (auto c = backgroundOf(f)) out += "\\highlight" + QByteArray::number(colourIndex(*c));
    out += ' ';
}

void Writer::writeImage(QByteArray& out, const QTextImageFormat& f) {
    QVariant resource = doc_.resource(QTextDocument::ImageResource, QUrl(f.name()));
    QImage image = resource.typeId() == QMetaType::QPixmap ? resource.value<QPixmap>().toImage()
                                                           : resource.value<QImage>();
    if (image.isNull()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return;
    const qreal w = f.width() > 0 ? f.width() : image.width();
    const qreal h = f.height() > 0 ? f.height() : image.height();
    out += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
           QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(toTwips(w)) +
           "\\pichgoal" + QByteArray::number(toTwips(h)) + "\r\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + "\r\n";
    out += "}";
}

void Writer::writeBlock(QByteArray& out, const QTextBlock& block, bool inTable) {
    const QTextBlockFormat bf = block.blockFormat();
    out += inTable ? "\\pard\\intbl" : "\\pard";
    const Qt::Alignment a = bf.alignment();
    if (a & Qt::AlignHCenter)
        out += "\\qc";
    else if (a & Qt::AlignJustify)
        out += "\\qj";
    else if (a & Qt::AlignRight)
        out += "\\qr";
    auto twips = [&](const char* word, qreal pixels) {
        if (int t = toTwips(pixels)) out += word + QByteArray::number(t);
    };
    twips("\\li", bf.leftMargin());
    twips("\\ri", bf.rightMargin());
    twips("\\fi", bf.textIndent());
    twips("\\sb", bf.topMargin());
    twips("\\sa", bf.bottomMargin());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat f = fragment.charFormat();
        if (f.isImageFormat()) {
            for (int i = 0; i < fragment.length(); ++i)
                writeImage(out, f.toImageFormat());
            continue;
        }
        const bool link = f.isAnchor() && !f.anchorHref().isEmpty();
        if (link) {
            out += "{\\field{\\*\\fldinst{HYPERLINK \"";
            appendEscaped(out, f.anchorHref());
            out += "\"}}{\\fldrslt{";
        }
        writeRun(out, f);
        appendEscaped(out, fragment.text());
        if (link) out += "}}}";
    }
    // The paragraph mark carries the block's own character format (an empty line's height).
    if (block.begin().atEnd()) writeRun(out, block.charFormat());
}

void Writer::writeFlow(QByteArray& out, QTextFrame::iterator it, bool inTable, const char* end) {
    const std::vector<Item> items = shownItems(it);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const bool last = i + 1 == items.size();
        if (!items[i].table) {
            writeBlock(out, items[i].block, inTable);
            out += last ? end : "\\par\r\n";
        } else if (!inTable) {
            writeTable(out, *items[i].table);
        } else {
            // A table inside a cell: its cells become paragraphs of the cell.
            for (const QTextTableCell& cell : cellsOf(*items[i].table))
                writeFlow(out, cell.begin(), true, "\\par\r\n");
            if (last) out += QByteArray("\\pard\\intbl ") + end;
        }
    }
    if (items.empty()) out += QByteArray(inTable ? "\\pard\\intbl " : "") + end;
}

QByteArray Writer::write() {
    fontIndex(doc_.defaultFont().family());
    collect(doc_.rootFrame()->begin());
    QByteArray body;
    writeFlow(body, doc_.rootFrame()->begin(), false, "");
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (int i = 0; i < fonts_.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        appendEscaped(out, fonts_[i]);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (QRgb c : colours_)
        out += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) +
               "\\blue" + QByteArray::number(qBlue(c)) + ';';
    out += "}\r\n{\\*\\generator Titrage colorim\\'e9trique;}\\viewkind4\r\n";
    out += body;
    out += "\r\n}\r\n";
    return out;
}

QByteArray writeRtf(const QTextDocument& doc) {
    return rtf::Writer(doc).write();
}

bool saveRtfFile(const QString& path, const QTextDocument& doc) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray data = writeRtf(doc);
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace rtf
