// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF writer: 7-bit ASCII, code page 1252, one \plain run per fragment so that every
// reader (WordPad, Word, LibreOffice and ours) sees each run's whole formatting.

#include "exercises/rtf.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <cmath>

namespace exercises {
namespace {

int toTwips(qreal pixels) {
    return int(std::lround(pixels * 15.0));
}

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

// Appends text with RTF escapes: 1252 characters as \'hh, the others as \uN?.
void appendEscaped(QByteArray& out, const QString& text) {
    QStringEncoder cp1252("windows-1252");
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
        } else if (c < 0x20 || c == 0x2029 || c == 0xFFFC) {
            continue;
        } else {
            QByteArray encoded = cp1252.isValid() ? cp1252.encode(QString(ch)) : QByteArray();
            if (encoded.size() == 1 && !cp1252.hasError() && uchar(encoded[0]) >= 0x80) {
                out += "\\'" + QByteArray::number(uchar(encoded[0]), 16).rightJustified(2, '0');
            } else {
                // A signed 16-bit number; characters beyond U+FFFF come as their two halves.
                out += "\\u" + QByteArray::number(int(c) > 32767 ? int(c) - 65536 : int(c)) + '?';
            }
            cp1252.resetState();
        }
    }
}

class Writer {
public:
    explicit Writer(const QTextDocument& doc) : doc_(doc) {}
    QByteArray write();

private:
    int fontIndex(const QString& family) {
        int i = int(fonts_.indexOf(family));
        if (i < 0) {
            fonts_ << family;
            i = int(fonts_.size()) - 1;
        }
        return i;
    }
    int colourIndex(const QColor& c) {
        QRgb rgb = c.rgb();
        int i = int(colours_.indexOf(rgb));
        if (i < 0) {
            colours_ << rgb;
            i = int(colours_.size()) - 1;
        }
        return i + 1; // entry 0 is "automatic"
    }
    void collect();
    void writeRun(QByteArray& out, const QTextCharFormat& f);
    void writeImage(QByteArray& out, const QTextImageFormat& f);
    void writeBlock(QByteArray& out, const QTextBlock& block);

    const QTextDocument& doc_;
    QStringList fonts_;
    QList<QRgb> colours_;
};

void Writer::collect() {
    fontIndex(doc_.defaultFont().family());
    for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
        auto note = [this](const QTextCharFormat& f) {
            fontIndex(familyOf(f, doc_));
            if (auto c = foregroundOf(f)) colourIndex(*c);
            if (auto c = backgroundOf(f)) colourIndex(*c);
        };
        note(b.charFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it)
            note(it.fragment().charFormat());
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

void Writer::writeBlock(QByteArray& out, const QTextBlock& block) {
    const QTextBlockFormat bf = block.blockFormat();
    out += "\\pard";
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

QByteArray Writer::write() {
    collect();
    QByteArray body;
    for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
        writeBlock(body, b);
        if (b.next().isValid()) body += "\\par\r\n";
    }
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

} // namespace

QByteArray writeRtf(const QTextDocument& doc) {
    return Writer(doc).write();
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

} // namespace exercises
