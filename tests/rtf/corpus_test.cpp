// SPDX-License-Identifier: GPL-3.0-or-later
// The reader against real RTF written by Word, WordPad, LibreOffice, TextEdit and by hand,
// compared with what other readers' test suites expect of those files.

#include "rtf_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace rtftest;

namespace {

QTextDocument* loadCorpus(const QString& name) {
    support::application();
    auto* doc = new QTextDocument;
    QByteArray data = readBytes(corpusPath(QStringLiteral("files/") + name));
    EXPECT_FALSE(data.isEmpty()) << name.toStdString();
    EXPECT_TRUE(rtf::readRtf(data, *doc)) << name.toStdString();
    return doc;
}

// The plain text that an expected-output file states, in the format of the project it
// comes from.
QString expectedText(const QString& file) {
    const QString raw =
        QString::fromUtf8(readBytes(corpusPath(QStringLiteral("expected/") + file)));
    if (file.endsWith(QLatin1String(".assert.txt"))) {
        QStringList lines;
        for (const QString& line : raw.split(QLatin1Char('\n')))
            if (!line.startsWith(QLatin1Char('#'))) lines << line;
        return lines.join(QLatin1Char('\n'));
    }
    if (file.endsWith(QLatin1String(".txt"))) return raw;
    if (file.endsWith(QLatin1String(".native"))) {
        // pandoc's tree: Str "..." nodes with Haskell escapes, Space and breaks between.
        QString body = raw.mid(raw.indexOf(QLatin1String("\n  [")));
        static const QRegularExpression token(
            QStringLiteral(R"re(Str "((?:[^"\\]|\\.)*)"|Space|SoftBreak|LineBreak|Para|Plain)re"));
        static const QRegularExpression escape(QStringLiteral(R"(\\(\d+)|\\(.))"));
        QString out;
        for (auto it = token.globalMatch(body); it.hasNext();) {
            auto m = it.next();
            if (m.capturedLength(1) == 0 && !m.captured(0).startsWith(QLatin1String("Str"))) {
                out += QLatin1Char(' ');
                continue;
            }
            QString s = m.captured(1);
            QString decoded;
            int last = 0;
            for (auto e = escape.globalMatch(s); e.hasNext();) {
                auto em = e.next();
                decoded += s.mid(last, em.capturedStart() - last);
                if (em.capturedLength(1) > 0)
                    decoded += QString::fromUcs4(
                        std::u32string(1, char32_t(em.captured(1).toUInt())).c_str());
                else
                    decoded += em.captured(2);
                last = int(em.capturedEnd());
            }
            out += decoded + s.mid(last);
        }
        return out;
    }
    // rtf.js's rendered HTML: the text of the elements.
    QString text = raw;
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&nbsp;"), QString(QChar(0xA0)))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

QString withoutSpaces(QString s) {
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

TEST(RtfCorpus, EveryFileOpensWithText) {
    SKIP_WITHOUT_RTF_CORPUS();
    QDir dir(corpusPath(QStringLiteral("files")));
    const QStringList files = dir.entryList({QStringLiteral("*.rtf")});
    ASSERT_EQ(files.size(), 30);
    for (const QString& name : files) {
        std::unique_ptr<QTextDocument> doc(loadCorpus(name));
        EXPECT_FALSE(doc->toPlainText().isEmpty()) << name.toStdString();
    }
}

struct TextCase {
    const char* file;
    const char* expected;
    enum { Collapsed, Cells, NoSpaces, Prefix } compare;
};

TEST(RtfCorpus, TextMatchesWhatOtherReadersExpect) {
    SKIP_WITHOUT_RTF_CORPUS();
    const TextCase cases[] = {
        {"lo_bin-skipping.rtf", "lo_bin-skipping.assert.txt", TextCase::Collapsed},
        {"lo_default-values.rtf", "lo_default-values.assert.txt", TextCase::Collapsed},
        {"lo_fdo47326.rtf", "lo_fdo47326.assert.txt", TextCase::Collapsed},
        {"lo_fdo64671.rtf", "lo_fdo64671.assert.txt", TextCase::Collapsed},
        {"lo_fdo68076.rtf", "lo_fdo68076.assert.txt", TextCase::Collapsed},
        {"lo_fdo79384.rtf", "lo_fdo79384.assert.txt", TextCase::Collapsed},
        {"lo_fdo85889-pc.rtf", "lo_fdo85889-pc.assert.txt", TextCase::Collapsed},
        {"lo_fdo86750.rtf", "lo_fdo86750.assert.txt", TextCase::Collapsed},
        {"pandoc_accent.rtf", "pandoc_accent.native", TextCase::Collapsed},
        {"pandoc_formatting.rtf", "pandoc_formatting.native", TextCase::Collapsed},
        {"pandoc_link.rtf", "pandoc_link.native", TextCase::Collapsed},
        {"pandoc_table_simple.rtf", "pandoc_table_simple.native", TextCase::Collapsed},
        {"pandoc_unicode.rtf", "pandoc_unicode.native", TextCase::Collapsed},
        {"rtfjs_colors.rtf", "rtfjs_colors.html", TextCase::NoSpaces},
        {"rtfjs_hyperlink.rtf", "rtfjs_hyperlink.html", TextCase::NoSpaces},
        {"rtfjs_infer-double-width.rtf", "rtfjs_infer-double-width.html", TextCase::NoSpaces},
        {"rtfjs_paragraph-properties.rtf", "rtfjs_paragraph-properties.html", TextCase::NoSpaces},
        {"rtfjs_pile-of-poo.rtf", "rtfjs_pile-of-poo.html", TextCase::NoSpaces},
        {"rtfjs_simplepng.rtf", "rtfjs_simplepng.html", TextCase::NoSpaces},
        {"rtfjs_superscript-subscript.rtf", "rtfjs_superscript-subscript.html", TextCase::NoSpaces},
        {"striprtf_TX_RTF32_18.0.541.501.rtf", "striprtf_TX_RTF32_18.0.541.501.txt",
         TextCase::Collapsed},
        {"striprtf_bytes.rtf", "striprtf_bytes.txt", TextCase::Collapsed},
        {"striprtf_calcium_score.rtf", "striprtf_calcium_score.txt", TextCase::Cells},
        // striprtf's expected output stops before the file's last paragraph.
        {"striprtf_french.rtf", "striprtf_french.txt", TextCase::Prefix},
        {"striprtf_issue_28.rtf", "striprtf_issue_28.txt", TextCase::Collapsed},
        {"striprtf_specialchars.rtf", "striprtf_specialchars.txt", TextCase::Collapsed},
        {"striprtf_unicode.rtf", "striprtf_unicode.txt", TextCase::Collapsed},
    };
    for (const TextCase& c : cases) {
        std::unique_ptr<QTextDocument> doc(loadCorpus(QString::fromLatin1(c.file)));
        const QString ours = shownText(*doc);
        QString theirs = expectedText(QString::fromLatin1(c.expected));
        switch (c.compare) {
        case TextCase::Cells: // striprtf joins table cells with "|"
            theirs.replace(QLatin1Char('|'), QLatin1Char(' '));
            [[fallthrough]];
        case TextCase::Collapsed:
            EXPECT_EQ(collapseSpaces(ours).toStdString(), collapseSpaces(theirs).toStdString())
                << c.file;
            break;
        case TextCase::NoSpaces:
            EXPECT_EQ(withoutSpaces(ours).toStdString(), withoutSpaces(theirs).toStdString())
                << c.file;
            break;
        case TextCase::Prefix:
            EXPECT_TRUE(collapseSpaces(ours).startsWith(collapseSpaces(theirs))) << c.file;
            break;
        }
    }
}

// Files whose expected output follows other choices: what matters is checked piece by piece.
TEST(RtfCorpus, FilesWithDifferentConventions) {
    SKIP_WITHOUT_RTF_CORPUS();
    {
        // Word: hidden text dropped, Symbol bullets shown as bullets, table cells one after
        // the other (the table itself is checked with the other tables), footnote text not in
        // the body.
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("rtfjs_sample.rtf")));
        const QString text = doc->toPlainText();
        EXPECT_TRUE(text.startsWith(QStringLiteral("This is a test RTF\n")));
        EXPECT_TRUE(text.contains(QStringLiteral("And a bit of  text.")));
        EXPECT_EQ(text.count(QStringLiteral("\u2022\tItem ")), 4);
        EXPECT_TRUE(text.contains(QStringLiteral(
            "Cell 1\nCell 2\nMore in cell 2\nCell 3\nNext row\nNext row \nNext row")));
        EXPECT_TRUE(text.contains(QStringLiteral("This para has a footnote.\n")));
    }
    {
        // A footnote's text is not body text.
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("pandoc_footnote.rtf")));
        const QString text = collapseSpaces(doc->toPlainText());
        EXPECT_TRUE(text.startsWith(
            QStringLiteral("Mead's landmark study has been amply annotated. It was her work")));
        EXPECT_TRUE(
            text.endsWith(QStringLiteral("this period was a turning point for Margaret Mead.")));
        EXPECT_FALSE(text.contains(QStringLiteral("Sahlins")));
    }
    {
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("compactrtf_characters.rtf")));
        const QString text = doc->toPlainText();
        for (const char* piece : {"{à, é, è, ë, ê, ï, î, ù}", "\"œuf\". I repeat \"œuf\"",
                                  "noted €.", "α (alpha) , γ (gamma)", "µ (mu)"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(piece))) << piece;
    }
}

TEST(RtfCorpus, CharacterFormatting) {
    SKIP_WITHOUT_RTF_CORPUS();
    {
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("pandoc_formatting.rtf")));
        auto rs = runs(*doc);
        const TextRun* r;
        ASSERT_TRUE(r = runWith(rs, QStringLiteral("bold")));
        EXPECT_EQ(r->format.fontWeight(), QFont::Bold);
        ASSERT_TRUE(r = runWith(rs, QStringLiteral("italics")));
        EXPECT_TRUE(r->format.fontItalic());
        ASSERT_TRUE(r = runWith(rs, QStringLiteral("underlined")));
        EXPECT_TRUE(r->format.fontUnderline());
        ASSERT_TRUE(r = runWith(rs, QStringLiteral("strikeout")));
        EXPECT_TRUE(r->format.fontStrikeOut());
        ASSERT_TRUE(r = runWith(rs, QStringLiteral("superscript")));
        EXPECT_EQ(r->format.verticalAlignment(), QTextCharFormat::AlignSuperScript);
        ASSERT_TRUE(r = runWith(rs, QStringLiteral("subscript")));
        EXPECT_EQ(r->format.verticalAlignment(), QTextCharFormat::AlignSubScript);
        ASSERT_TRUE(r = runWith(rs, QStringLiteral("Small")));
        EXPECT_EQ(r->format.fontCapitalization(), QFont::SmallCaps);
        EXPECT_FALSE(doc->toPlainText().contains(QStringLiteral("secret")));
    }
    {
        // Control words without a value take their default values.
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("lo_default-values.rtf")));
        auto rs = runs(*doc);
        struct {
            const char* text;
            qreal points;
            int stretch;
            QTextCharFormat::VerticalAlignment v;
        } rows[] = {
            {"scaleWidth50%", 12, 50, QTextCharFormat::AlignNormal},
            {"scaleWidth100%", 12, 0, QTextCharFormat::AlignNormal},
            {"fontSize25", 25, 0, QTextCharFormat::AlignNormal},
            {"fontSize12", 12, 0, QTextCharFormat::AlignNormal},
            {"textDown3pt", 12, 0, QTextCharFormat::AlignSubScript},
            {"textUp3pt", 12, 0, QTextCharFormat::AlignSuperScript},
        };
        for (const auto& row : rows) {
            const TextRun* r = runWith(rs, QString::fromLatin1(row.text));
            ASSERT_TRUE(r) << row.text;
            EXPECT_EQ(r->format.fontPointSize(), row.points) << row.text;
            EXPECT_EQ(r->format.fontStretch(), row.stretch) << row.text;
            EXPECT_EQ(r->format.verticalAlignment(), row.v) << row.text;
        }
    }
    {
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("lo_fdo47326.rtf")));
        auto rs = runs(*doc);
        const TextRun* r = runWith(rs, QStringLiteral("®"));
        ASSERT_TRUE(r);
        EXPECT_EQ(r->text, QStringLiteral("®"));
        EXPECT_EQ(r->format.verticalAlignment(), QTextCharFormat::AlignSuperScript);
    }
    {
        std::unique_ptr<QTextDocument> doc(
            loadCorpus(QStringLiteral("rtfjs_superscript-subscript.rtf")));
        auto rs = runs(*doc);
        EXPECT_EQ(formatOf(rs, QStringLiteral("super")).verticalAlignment(),
                  QTextCharFormat::AlignSuperScript);
        EXPECT_EQ(formatOf(rs, QStringLiteral("sub")).verticalAlignment(),
                  QTextCharFormat::AlignSubScript);
        EXPECT_EQ(formatOf(rs, QStringLiteral("normal once")).verticalAlignment(),
                  QTextCharFormat::AlignNormal);
        EXPECT_EQ(formatOf(rs, QStringLiteral("Normal")).fontFamilies().toStringList(),
                  QStringList{"Helvetica"});
    }
    {
        // A colour table that starts with ";" makes \cf0 and \highlight0 automatic.
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("rtfjs_colors.rtf")));
        auto rs = runs(*doc);
        const QTextCharFormat normal = formatOf(rs, QStringLiteral("Normal Line 1"));
        EXPECT_FALSE(normal.hasProperty(QTextFormat::ForegroundBrush));
        EXPECT_FALSE(normal.hasProperty(QTextFormat::BackgroundBrush));
        EXPECT_EQ(normal.fontPointSize(), 8.5);
        EXPECT_EQ(formatOf(rs, QStringLiteral("Colored Line")).foreground().color(),
                  QColor(0, 255, 0));
        EXPECT_EQ(formatOf(rs, QStringLiteral("Highlighted Line")).background().color(),
                  QColor(255, 0, 0));
        const QTextCharFormat both = formatOf(rs, QStringLiteral("Colored & Highlighted"));
        EXPECT_EQ(both.foreground().color(), QColor(255, 255, 255));
        EXPECT_EQ(both.background().color(), QColor(0, 0, 255));
    }
}

TEST(RtfCorpus, ParagraphsLinksAndPictures) {
    SKIP_WITHOUT_RTF_CORPUS();
    {
        std::unique_ptr<QTextDocument> doc(
            loadCorpus(QStringLiteral("rtfjs_paragraph-properties.rtf")));
        auto rs = runs(*doc);
        EXPECT_EQ(formatOf(rs, QStringLiteral("is")).fontPointSize(), 22);
        EXPECT_EQ(formatOf(rs, QStringLiteral("second")).foreground().color(), QColor(0, 77, 187));
        // The \line stays inside the paragraph; the \qc after it centres the whole paragraph.
        QTextBlock second = doc->begin().next();
        EXPECT_TRUE(second.text().contains(QChar(0x2028)));
        EXPECT_EQ(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_EQ(second.next().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignRight);
        EXPECT_EQ(second.blockFormat().bottomMargin(), 200 / 15.0);
    }
    {
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("rtfjs_hyperlink.rtf")));
        auto rs = runs(*doc);
        const TextRun* bold = runWith(rs, QStringLiteral("pro"));
        ASSERT_TRUE(bold);
        EXPECT_EQ(bold->format.anchorHref(), QStringLiteral("https://github.com/tbluemel/rtf.js"));
        EXPECT_EQ(bold->format.fontWeight(), QFont::Bold);
        EXPECT_TRUE(bold->format.fontItalic());
        EXPECT_FALSE(formatOf(rs, QStringLiteral("ject")).fontItalic());
    }
    {
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("lo_fdo86750.rtf")));
        auto rs = runs(*doc);
        EXPECT_EQ(formatOf(rs, QStringLiteral("click")).anchorHref(), QStringLiteral("#anchor"));
    }
    {
        std::unique_ptr<QTextDocument> doc(loadCorpus(QStringLiteral("rtfjs_simplepng.rtf")));
        auto rs = runs(*doc);
        ASSERT_FALSE(rs.empty());
        ASSERT_TRUE(rs.front().format.isImageFormat());
        QTextImageFormat image = rs.front().format.toImageFormat();
        QImage decoded =
            doc->resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        EXPECT_EQ(decoded.size(), QSize(32, 23));
    }
}

// A picture read into a text area already on screen is drawn, not left blank.
TEST(RtfCorpus, PicturesShowInATextAreaOnScreen) {
    SKIP_WITHOUT_RTF_CORPUS();
    support::application();
    QTextEdit edit;
    edit.resize(300, 200);
    edit.show();
    edit.setPlainText(QStringLiteral("Texte d'avant"));
    QCoreApplication::processEvents();
    ASSERT_TRUE(rtf::loadRtfFile(corpusPath(QStringLiteral("files/rtfjs_simplepng.rtf")),
                                 *edit.document()));
    QCoreApplication::processEvents();
    const QImage shown = edit.viewport()->grab().toImage();
    // The picture (32 x 23 pixels, an orange arrow) lies at the top left of the text.
    int coloured = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() - c.blue() > 60) ++coloured;
        }
    EXPECT_GT(coloured, 50);
}

} // namespace
