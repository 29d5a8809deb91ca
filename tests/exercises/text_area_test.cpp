// SPDX-License-Identifier: GPL-3.0-or-later
// A rich-text file loaded into a text area: the area shows what the reader makes of the file,
// keeps its own settings and state, and holds one document at a time.

#include "exercises/text_area.h"
#include "rtf/rtf.h"
#include "support/application.h"

#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
    return path;
}

// A text of two paragraphs in two fonts, with a picture.
QByteArray sampleRtf() {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat big;
    big.setFontPointSize(16);
    c.insertText(QStringLiteral("Titrage du diiode"), big);
    c.insertBlock();
    c.insertText(QStringLiteral("On verse la solution titrante. "));
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("p")), image);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("p"));
    c.insertImage(picture);
    return rtf::writeRtf(doc);
}

TEST(TextArea, ShowsTheFileAsTheReaderReadsItAndKeepsTheAreaState) {
    support::application();
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("ENONCE.RTF"), sampleRtf());
    ASSERT_FALSE(path.isEmpty());
    const QFont font(QStringLiteral("Liberation Serif"), 13);
    QTextDocument expected;
    expected.setDefaultFont(font);
    expected.setDocumentMargin(7);
    ASSERT_TRUE(rtf::loadRtfFile(path, expected));

    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only area" : "editable area");
        QTextEdit area;
        area.setReadOnly(readOnly);
        area.document()->setDefaultFont(font);
        area.document()->setDocumentMargin(7);
        int changes = 0;
        QObject::connect(&area, &QTextEdit::textChanged, [&changes] { ++changes; });

        ASSERT_TRUE(exercises::loadRtfIntoArea(path, area));
        const QTextDocument* first = area.document();
        EXPECT_EQ(first->toHtml(), expected.toHtml()) << "fonts, pictures and paragraphs";
        EXPECT_EQ(area.isReadOnly(), readOnly);
        EXPECT_FALSE(first->isModified());
        EXPECT_EQ(first->defaultFont(), font);
        EXPECT_EQ(first->documentMargin(), 7);
        EXPECT_FALSE(
            first->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("rtf-image-1")))
                .isNull());
        EXPECT_LE(changes, 1) << "the area learns of the new text once, not at every paragraph";

        // The area is still wired to its document: typing changes the text and tells it.
        changes = 0;
        area.textCursor().insertText(QStringLiteral("x"));
        EXPECT_GE(changes, 1);
        EXPECT_TRUE(first->isModified());

        // A second file replaces the document handed before, which goes.
        QPointer<const QTextDocument> handed(first);
        ASSERT_TRUE(exercises::loadRtfIntoArea(path, area));
        EXPECT_TRUE(handed.isNull());
        EXPECT_EQ(area.document()->toPlainText(), expected.toPlainText());
    }
}

TEST(TextArea, AFileThatCannotBeReadLeavesTheAreaAsItWas) {
    support::application();
    QTextEdit area;
    area.setPlainText(QStringLiteral("Le texte de l'exercice"));
    const QTextDocument* before = area.document();
    QTemporaryDir dir;
    EXPECT_FALSE(exercises::loadRtfIntoArea(dir.filePath(QStringLiteral("ABSENT.RTF")), area));
    EXPECT_EQ(area.document(), before);
    EXPECT_EQ(area.toPlainText(), QStringLiteral("Le texte de l'exercice"));
}

} // namespace
