// SPDX-License-Identifier: GPL-3.0-or-later
// The writer read back by our reader, hand-made edge cases of the reader, and damaged input.

#include "rtf_support.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <gtest/gtest.h>

#include <random>

using namespace rtftest;

namespace {

QString readText(const QByteArray& rtf) {
    support::application();
    QTextDocument doc;
    rtf::readRtf(rtf, doc);
    return doc.toRawText().replace(QChar(0x2029), QLatin1Char('\n'));
}

// A document with every kind of formatting the exercise texts use.
void buildSample(QTextDocument& doc) {
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor c(&doc);
    QTextBlockFormat title;
    title.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(title);
    QTextCharFormat big;
    big.setFontPointSize(18);
    big.setForeground(QColor(0, 0, 200));
    c.insertText(QStringLiteral("Titrage du diiode"), big);

    QTextBlockFormat indented;
    indented.setLeftMargin(20);
    indented.setTextIndent(-10);
    indented.setRightMargin(4);
    c.insertBlock(indented);
    QTextCharFormat plain;
    c.insertText(QStringLiteral("On dose I"), plain);
    QTextCharFormat sub;
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    c.insertText(QStringLiteral("2"), sub);
    c.insertText(QStringLiteral(" par S"), plain);
    c.insertText(QStringLiteral("2"), sub);
    c.insertText(QStringLiteral("O"), plain);
    c.insertText(QStringLiteral("3"), sub);
    QTextCharFormat sup;
    sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText(QStringLiteral("2\u2212"), sup);
    c.insertText(QStringLiteral(" : c = 1,0\u00A0\u00D7\u00A010"), plain);
    c.insertText(QStringLiteral("-2"), sup);
    c.insertText(QStringLiteral(" mol\u00B7L"), plain);
    c.insertText(QStringLiteral("-1"), sup);

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setTopMargin(6);
    right.setBottomMargin(8);
    c.insertBlock(right);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.insertText(QStringLiteral("gras"), bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    italic.setFontFamilies({QStringLiteral("Times New Roman")});
    c.insertText(QStringLiteral(" italique"), italic);
    QTextCharFormat under;
    under.setFontUnderline(true);
    under.setBackground(QColor(255, 255, 0));
    c.insertText(QStringLiteral(" souligné"), under);

    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    c.insertBlock(justified);
    c.insertText(QStringLiteral("{accolades} \\ barre\ttab\u2028ligne α β 💩 œ € ⌛ •"), plain);
    c.insertBlock(QTextBlockFormat());

    QImage image(8, 5, QImage::Format_RGB32);
    image.fill(QColor(200, 10, 10));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("sample")), image);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("sample"));
    picture.setWidth(16);
    picture.setHeight(10);
    c.insertImage(picture);
}

// What a reader shows of a run, whatever the way the format says it.
struct Shown {
    QString text;
    QString family;
    qreal points;
    bool bold, italic, underline;
    int vertical;
    QRgb foreground, background;
    bool operator==(const Shown&) const = default;
};

std::vector<Shown> shownRuns(const QTextDocument& doc) {
    std::vector<Shown> out;
    for (const TextRun& r : runs(doc)) {
        const QTextCharFormat& f = r.format;
        if (f.isImageFormat()) continue; // compared on their own
        QStringList families = f.fontFamilies().toStringList();
        out.push_back({r.text, families.isEmpty() ? doc.defaultFont().family() : families.first(),
                       f.fontPointSize() > 0 ? f.fontPointSize() : doc.defaultFont().pointSizeF(),
                       f.fontWeight() > QFont::Medium, f.fontItalic(), f.fontUnderline(),
                       int(f.verticalAlignment()),
                       f.foreground().style() == Qt::NoBrush ? 0 : f.foreground().color().rgba(),
                       f.background().style() == Qt::NoBrush ? 0 : f.background().color().rgba()});
    }
    return out;
}

TEST(RtfWriter, ReadingWhatItWroteGivesTheSameDocument) {
    support::application();
    QTextDocument original;
    buildSample(original);
    const QByteArray rtf = rtf::writeRtf(original);

    for (char ch : rtf)
        ASSERT_LT(static_cast<unsigned char>(ch), 0x80) << "7-bit output";
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl"));
    EXPECT_TRUE(rtf.contains("{\\colortbl ;"));
    EXPECT_TRUE(rtf.contains("soulign\\'e9"));
    EXPECT_TRUE(rtf.contains("\\u945?"));
    EXPECT_TRUE(rtf.contains("\\u-10179?\\u-9047?"));
    EXPECT_TRUE(rtf.contains("\\{accolades\\} \\\\ barre\\tab tab\\line ligne"));

    QTextDocument back;
    back.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9)); // another widget's font
    ASSERT_TRUE(rtf::readRtf(rtf, back));
    EXPECT_EQ(back.toPlainText(), original.toPlainText());
    const auto a = shownRuns(original);
    const auto b = shownRuns(back);
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(a[i] == b[i]) << a[i].text.toStdString();

    ASSERT_EQ(back.blockCount(), original.blockCount());
    for (QTextBlock x = original.begin(), y = back.begin(); x.isValid();
         x = x.next(), y = y.next()) {
        const QTextBlockFormat p = x.blockFormat(), q = y.blockFormat();
        EXPECT_EQ(p.alignment() & Qt::AlignHorizontal_Mask,
                  q.alignment() & Qt::AlignHorizontal_Mask);
        EXPECT_EQ(p.leftMargin(), q.leftMargin());
        EXPECT_EQ(p.rightMargin(), q.rightMargin());
        EXPECT_EQ(p.textIndent(), q.textIndent());
        EXPECT_EQ(p.topMargin(), q.topMargin());
        EXPECT_EQ(p.bottomMargin(), q.bottomMargin());
    }
    // The picture comes back with its pixels and its displayed size.
    const TextRun& last = runs(back).back();
    ASSERT_TRUE(last.format.isImageFormat());
    QTextImageFormat picture = last.format.toImageFormat();
    EXPECT_EQ(picture.width(), 16);
    EXPECT_EQ(picture.height(), 10);
    QImage image =
        back.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
    ASSERT_EQ(image.size(), QSize(8, 5));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(200, 10, 10));

    // Read into a document of the same default font, and written again, it is the same file.
    QTextDocument again;
    again.setDefaultFont(original.defaultFont());
    rtf::readRtf(rtf, again);
    EXPECT_EQ(rtf::writeRtf(again).toStdString(), rtf.toStdString());
}

TEST(RtfWriter, FilesRoundTripAndMissingFolderFails) {
    support::application();
    QTextDocument doc;
    buildSample(doc);
    const QString path = QDir::temp().filePath(QStringLiteral("titrage-rtf-test.rtf"));
    ASSERT_TRUE(rtf::saveRtfFile(path, doc));
    QTextDocument back;
    ASSERT_TRUE(rtf::loadRtfFile(path, back));
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    QFile::remove(path);
    EXPECT_FALSE(rtf::saveRtfFile(QStringLiteral("/nonexistent-folder/x.rtf"), doc));
    EXPECT_FALSE(rtf::loadRtfFile(QStringLiteral("/nonexistent-folder/x.rtf"), back));
}

// The five bytes Windows-1252 leaves undefined read as the C1 controls of the same value,
// as the record files read them, and are written back as they came.
TEST(RtfWriter, UndefinedBytesOfTheCodePageSurviveASave) {
    support::application();
    QTextDocument doc;
    rtf::readRtf("{\\rtf1\\ansi\\ansicpg1252 a\\'81\\'8d\\'8f\\'90\\'9db}", doc);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("a\u0081\u008D\u008F\u0090\u009Db"));
    const QByteArray written = rtf::writeRtf(doc);
    EXPECT_TRUE(written.contains("a\\'81\\'8d\\'8f\\'90\\'9db")) << written.constData();
    QTextDocument back;
    rtf::readRtf(written, back);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
}

// Whatever the text area can hold comes back from a save: every UTF-16 unit but those that
// end a paragraph or mark a frame (a block's text never holds them), control characters and
// lone halves of surrogate pairs included, in runs of several formats.
TEST(RtfWriter, EveryCharacterOfTheTextAreaSurvivesASave) {
    support::application();
    auto structural = [](char16_t c) {
        return c == u'\n' || c == u'\r' || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
    };
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QString line;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (structural(char16_t(c))) continue;
        line += QChar(char16_t(c));
        if (line.size() == 512) {
            cursor.insertText(line, (c / 512) % 2 ? bold : QTextCharFormat());
            if ((c / 512) % 8 == 7) cursor.insertBlock();
            line.clear();
        }
    }
    line += QStringLiteral("\U0001F4A9\U0001D11E");
    cursor.insertText(line);
    const QString original = doc.toRawText();
    ASSERT_GT(original.size(), 0xFFFF);

    const QByteArray rtf = rtf::writeRtf(doc);
    for (char ch : rtf)
        ASSERT_LT(static_cast<unsigned char>(ch), 0x80) << "7-bit output";
    EXPECT_TRUE(rtf.contains("\\u1?\\u2?")) << "control characters as \\uN";
    EXPECT_TRUE(rtf.contains("\\u127?"));
    EXPECT_TRUE(rtf.contains("\\u128?\\'81\\u130?")) << "U+0081 is the byte 81, U+0080 none";
    QTextDocument back;
    ASSERT_TRUE(rtf::readRtf(rtf, back));
    const QString read = back.toRawText();
    ASSERT_EQ(read.size(), original.size());
    for (qsizetype i = 0; i < read.size(); ++i)
        ASSERT_EQ(read[i].unicode(), original[i].unicode()) << "at " << i;
}

TEST(RtfReader, HandMadeCases) {
    struct Case {
        const char* name;
        QByteArray rtf;
        const char* text; // UTF-8
    } cases[] = {
        {"default code page 1252", "{\\rtf1 caf\\'e9 o\\'f9 \\'80\\'9c}", "café où €œ"},
        {"code page 1250", "{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'e8\\'b9}", "ščą"},
        {"code page 1251", "{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e0}", "Аа"},
        {"code page 437", "{\\rtf1\\pc \\'82\\'9c}", "é£"},
        {"code page 850", "{\\rtf1\\pca \\'82\\'d0}", "éð"},
        {"code page 0 means 1252", "{\\rtf1\\ansi\\ansicpg0 \\'e9}", "é"},
        {"font charset wins", "{\\rtf1{\\fonttbl{\\f0 A;}{\\f1\\fcharset204 B;}}\\'e0{\\f1\\'e0}}",
         "àа"},
        {"raw 8-bit bytes", "{\\rtf1 \xe9t\xe9}", "été"},
        {"unicode and surrogates", "{\\rtf1 \\u8364?\\u-10179?\\u-9047?}", "€💩"},
        {"no fallback with uc0", "{\\rtf1\\uc0\\u8226 x}", "•x"},
        {"fallback stops at brace", "{\\rtf1\\uc3{\\u233}x}", "éx"},
        {"fallback counts a control word", "{\\rtf1\\u233\\tab x}", "éx"},
        {"bin data is not text", "{\\rtf1 a\\bin4 }{\\bb}", "ab"},
        {"bin without count", "{\\rtf1 a\\bin b}", "ab"},
        {"unknown ignorable group", "{\\rtf1 a{\\*\\unknown {nested} text}b}", "ab"},
        {"unknown control word", "{\\rtf1 a\\foo123 b\\bar c}", "abc"},
        {"metadata and page furniture",
         "{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\header H}{\\footerl F}"
         "{\\*\\listtable{\\list x}}body}",
         "body"},
        {"control symbols", "{\\rtf1 a\\~b\\-c\\_d\\\\\\{\\}}", "a\u00A0b\u00ADc\u2011d\\{}"},
        {"specials",
         "{\\rtf1 a\\tab b\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}",
         "a\tb—–‘’“”•"},
        {"line and paragraph", "{\\rtf1 a\\line b\\par c\\\nd}", "a\u2028b\nc\nd"},
        {"line ends are not text", "{\\rtf1 a\r\nb\nc}", "abc"},
        {"hidden text", "{\\rtf1 a{\\v secret}b}", "ab"},
        {"symbol font", "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\f1 \\'b7 abD}}", "• αβΔ"},
        {"symbol private use", "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\f1\\u-3913?}}", "•"},
        {"wingdings hourglass", "{\\rtf1{\\fonttbl{\\f2\\fnil\\fcharset2 Wingdings;}}{\\f2 666}}",
         "⌛⌛⌛"},
        {"field result", "{\\rtf1{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}}", "3"},
        {"picture that cannot be shown", "{\\rtf1 a{\\pict\\wmetafile8 0102}b}", "ab"},
        {"shape picture preferred",
         "{\\rtf1 a{\\*\\shppict{\\pict\\emfblip 00}}{\\nonshppict{\\pict 00}}b}", "ab"},
        {"trailing NUL and garbage", QByteArray("{\\rtf1 a}\0 {\\b z}", 16), "a"},
        {"truncated", "{\\rtf1 abc{\\b de\\'e", "abcde"},
        {"closing braces too many", "{\\rtf1 a}}}b", "a"},
        {"huge numbers", "{\\rtf1\\fs99999999999999999999 a\\u99999999999 ?b\\li-9999999999 c}",
         "a\uFFFFbc"},
        {"no version number", "{\\rtf a}", "a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readText(c.rtf).toStdString(), std::string(c.text)) << c.name;
}

TEST(RtfReader, UnicodeInFontNamesAndLinks) {
    support::application();
    QTextDocument doc;
    rtf::readRtf("{\\rtf1{\\fonttbl{\\f0 Caf\\u233?;}}"
                 "{\\field{\\*\\fldinst HYPERLINK \"caf\\u233?\"}{\\fldrslt x}}}",
                 doc);
    const auto rs = runs(doc);
    ASSERT_EQ(rs.size(), 1u);
    EXPECT_EQ(rs[0].format.fontFamilies().toStringList(), QStringList{QStringLiteral("Café")});
    EXPECT_EQ(rs[0].format.anchorHref(), QStringLiteral("café"));
}

TEST(RtfReader, LastColourWithoutSemicolon) {
    support::application();
    QTextDocument doc;
    rtf::readRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0}\\cf1 rouge}", doc);
    const auto rs = runs(doc);
    ASSERT_EQ(rs.size(), 1u);
    EXPECT_EQ(rs[0].format.foreground().color(), QColor(255, 0, 0));
}

TEST(RtfReader, AFieldWithoutInstructionIsNoLink) {
    support::application();
    QTextDocument doc;
    rtf::readRtf("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"a\"}{\\fldrslt x}}"
                 "{\\field{\\fldrslt y}}}",
                 doc);
    const auto rs = runs(doc);
    ASSERT_EQ(rs.size(), 2u);
    EXPECT_EQ(rs[0].format.anchorHref(), QStringLiteral("a"));
    EXPECT_FALSE(rs[1].format.isAnchor());
}

TEST(RtfReader, JpegPictureAtItsGoalSize) {
    support::application();
    QImage image(12, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "JPEG"));
    QTextDocument doc;
    rtf::readRtf("{\\rtf1 a{\\pict\\jpegblip\\picwgoal360\\pichgoal180\\picscalex50\r\n" +
                     jpeg.toHex() + "}b}",
                 doc);
    const auto rs = runs(doc);
    ASSERT_EQ(rs.size(), 3u);
    ASSERT_TRUE(rs[1].format.isImageFormat());
    const QTextImageFormat f = rs[1].format.toImageFormat();
    EXPECT_EQ(f.width(), 12);  // 360 twips at 50 %
    EXPECT_EQ(f.height(), 12); // 180 twips
    EXPECT_EQ(doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>().size(),
              QSize(12, 6));
}

TEST(RtfReader, TextThatIsNotRtfIsShownAsIs) {
    support::application();
    QTextDocument doc;
    EXPECT_FALSE(rtf::readRtf("Bonjour \xc3\xa0 tous", doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Bonjour à tous"));
    EXPECT_FALSE(rtf::readRtf("caf\xe9", doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("café"));
}

TEST(RtfReader, DeepNestingIsReadWithoutExhaustingTheStack) {
    QByteArray rtf = "{\\rtf1 a";
    rtf += QByteArray(200000, '{') + "\\b deep" + QByteArray(200000, '}') + "b}";
    EXPECT_EQ(readText(rtf), QStringLiteral("adeepb"));
}

// Random damage to real files: the reader must end, and never make up more characters than
// the input has bytes.
TEST(RtfReader, DamagedInputNeverCrashes) {
    SKIP_WITHOUT_RTF_CORPUS();
    support::application();
    std::vector<QByteArray> seeds;
    QDir dir(corpusPath(QStringLiteral("files")));
    for (const QString& name : dir.entryList({QStringLiteral("*.rtf")}))
        seeds.push_back(readBytes(dir.filePath(name)));
    QTextDocument sample;
    buildSample(sample);
    seeds.push_back(rtf::writeRtf(sample));
    ASSERT_GT(seeds.size(), 1u);

    std::mt19937 random(20240611);
    const QByteArray alphabet = "{}\\'*;-0123456789abcdefuinplrtx \r\n\xe9\x84\x5c";
    auto check = [](const QByteArray& input) {
        QTextDocument doc;
        rtf::readRtf(input, doc);
        EXPECT_LE(doc.characterCount() - 1, input.size() + 1);
    };
    for (const QByteArray& seed : seeds) {
        for (int cut = 0; cut < seed.size(); cut += std::max<int>(1, int(seed.size()) / 40))
            check(seed.left(cut));
        for (int round = 0; round < 30; ++round) {
            QByteArray damaged = seed;
            const int changes = 1 + int(random() % 20);
            for (int k = 0; k < changes && !damaged.isEmpty(); ++k) {
                const int at = int(random() % damaged.size());
                switch (random() % 3) {
                case 0:
                    damaged[at] = alphabet[random() % alphabet.size()];
                    break;
                case 1:
                    damaged.insert(at, alphabet[random() % alphabet.size()]);
                    break;
                default:
                    damaged.remove(at, 1 + int(random() % 8));
                    break;
                }
            }
            check(damaged);
        }
    }
    for (int round = 0; round < 300; ++round) {
        QByteArray noise = "{\\rtf1 ";
        const int length = int(random() % 400);
        for (int k = 0; k < length; ++k)
            noise += alphabet[random() % alphabet.size()];
        check(noise);
    }
}

} // namespace
