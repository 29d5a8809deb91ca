// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/information.h"

#include "drawing/drawing_test_support.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

using drawing::infoPieces;
using drawing::infoPieceStart;

// Format of the character at position pos (not a paragraph break).
QTextCharFormat formatAt(QTextEdit& edit, int pos) {
    const QTextBlock block = edit.document()->findBlock(pos);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(pos)) return it.fragment().charFormat();
    ADD_FAILURE() << "no character at " << pos;
    return {};
}

bool isBreak(QTextEdit& edit, int pos) {
    return edit.document()->characterAt(pos) == QChar::ParagraphSeparator;
}

QString rangeText(QTextEdit& edit, int start, int length) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

class Information : public ::testing::Test {
protected:
    void SetUp() override { drawing::writeInformation(*edit.document()); }
    // The application object exists before the first widget.
    QApplication& app = support::application();
    QTextEdit edit;
};

TEST_F(Information, TextIsThePiecesWithParagraphBreaks) {
    QString expected;
    for (const auto& piece : infoPieces())
        expected += piece.text;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // The plain text gives the no-break spaces of the French typography as spaces.
    expected.replace(QChar::Nbsp, QLatin1Char(' '));
    EXPECT_EQ(edit.toPlainText(), expected);
    EXPECT_TRUE(edit.toPlainText().startsWith(QStringLiteral("Titrage colorimétrique\n\nCe ")));
    EXPECT_TRUE(edit.toPlainText().endsWith(QStringLiteral("dans le menu Exercices.")));
}

TEST_F(Information, SuperscriptsLandExactlyOnTheExponents) {
    const struct {
        int piece;
        const char* text;
    } exponents[] = {{11, "-1"}, {13, "-4"}, {15, "-1"}};
    for (const auto& e : exponents) {
        const int start = infoPieceStart(e.piece);
        EXPECT_EQ(rangeText(edit, start, 2), QString::fromLatin1(e.text)) << e.piece;
        for (int pos : {start, start + 1}) {
            EXPECT_GT(formatAt(edit, pos).baselineOffset(), 0) << pos;
            EXPECT_EQ(formatAt(edit, pos).fontPointSize(), 8) << pos;
        }
        for (int pos : {start - 1, start + 2}) {
            EXPECT_EQ(formatAt(edit, pos).baselineOffset(), 0) << pos;
            EXPECT_EQ(formatAt(edit, pos).fontPointSize(), 10) << pos;
        }
    }
    EXPECT_EQ(rangeText(edit, infoPieceStart(13) - 2, 2), QStringLiteral("10"));
}

TEST_F(Information, BluePhrasesAndTitle) {
    const QColor blue(0, 0, 200), black(0, 0, 0);
    for (int piece : {3, 5, 7, 9, 19, 22}) {
        int start = infoPieceStart(piece);
        int end = infoPieceStart(piece + 1);
        for (int pos = start; pos < end; ++pos)
            if (!isBreak(edit, pos)) {
                EXPECT_EQ(formatAt(edit, pos).foreground().color(), blue) << piece << "@" << pos;
            }
        while (isBreak(edit, start - 1))
            --start;
        while (isBreak(edit, end))
            ++end;
        EXPECT_EQ(formatAt(edit, start - 1).foreground().color(), black) << piece;
        EXPECT_EQ(formatAt(edit, end).foreground().color(), black) << piece;
    }
    EXPECT_EQ(rangeText(edit, infoPieceStart(19), 9), QStringLiteral("Exercices"));
    EXPECT_EQ(rangeText(edit, infoPieceStart(22), 14), QStringLiteral("Prise en main "));

    const QTextBlock title = edit.document()->firstBlock();
    EXPECT_EQ(title.text(), QStringLiteral("Titrage colorimétrique"));
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(title.blockFormat().leftMargin(), 0);
    EXPECT_EQ(formatAt(edit, 0).fontPointSize(), 18);
    EXPECT_EQ(formatAt(edit, 0).foreground().color(), blue);
    for (QTextBlock b = title.next(); b.isValid(); b = b.next()) {
        EXPECT_EQ(b.blockFormat().leftMargin(), 20) << b.text().toStdString();
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
}

TEST_F(Information, WritingAgainAfterAnExerciseKeepsNoneOfItsFormat) {
    edit.setPlainText(QStringLiteral("Énoncé"));
    QTextCursor all(edit.document());
    all.select(QTextCursor::Document);
    QTextCharFormat courier;
    courier.setFontFamilies({QStringLiteral("Courier")});
    all.mergeCharFormat(courier);
    edit.clear(); // as the text area is emptied before the information comes back
    drawing::writeInformation(*edit.document());
    EXPECT_TRUE(edit.toPlainText().startsWith(QStringLiteral("Titrage colorimétrique")));
    EXPECT_EQ(formatAt(edit, infoPieceStart(1) + 2).fontFamilies().toStringList().value(0),
              QStringLiteral("Arial"));
}

} // namespace
