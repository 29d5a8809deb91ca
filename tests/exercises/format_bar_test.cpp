// SPDX-License-Identifier: GPL-3.0-or-later
// The formatting of the exercise's text in writing mode: the shortcuts from the keyboard
// alone, the tool bar's toggles, the colour, a pasted text that leaves the writer's format
// alone, and the formats through a save and a reopening (RTF).

#include "exercises/exercise_text.h"
#include "exercises/format_bar.h"
#include "exercises/text_area.h"
#include "rtf/rtf.h"
#include "support/application.h"
#include "support/scripted_answerer.h"

#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// What a character looks like, in short: "b" bold, "i" italic, "u" underlined, "_" subscript,
// "^" superscript, then its colour when it has one ("#c80000").
std::string look(const QTextCharFormat& f) {
    std::string s;
    if (f.fontWeight() > QFont::Medium) s += 'b';
    if (f.fontItalic()) s += 'i';
    if (f.fontUnderline()) s += 'u';
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) s += '_';
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) s += '^';
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().color() != Qt::black)
        s += f.foreground().color().name().toStdString();
    return s.empty() ? "-" : s;
}

// The look of each character of the document, as "character:look" separated by spaces.
std::string looks(const QTextDocument& doc) {
    std::string out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (const QChar c : fragment.text())
                out += QString(c).toStdString() + ":" + look(fragment.charFormat()) + " ";
        }
        if (block.next().isValid()) out += "¶ ";
    }
    return out;
}

class FormatBarTest : public ::testing::Test, private support::ApplicationFirst {
protected:
    FormatBarTest() {
        window.resize(400, 300);
        text = new exercises::ExerciseText(&window);
        text->setGeometry(0, 0, 400, 250);
        name = new QLineEdit(&window);
        name->setText(QStringLiteral("DOSAGE.E44"));
        bar = new exercises::FormatBar(text, name, &window);
        bar->setGeometry(0, 260, 180, 22);
        window.show();
        text->setFocus();
    }

    void type(const char* typed) { QTest::keyClicks(text, QString::fromUtf8(typed)); }
    void ctrl(Qt::Key key, Qt::KeyboardModifiers more = Qt::NoModifier) {
        QTest::keyClick(text, key, Qt::ControlModifier | more);
    }

    QWidget window;
    exercises::ExerciseText* text;
    QLineEdit* name;
    exercises::FormatBar* bar;
    ui::ScriptedAnswerer script;
};

TEST_F(FormatBarTest, EveryShortcutFromTheKeyboardAlone) {
    type("a");
    ctrl(Qt::Key_B);
    EXPECT_TRUE(bar->bold->isChecked());
    type("b");
    ctrl(Qt::Key_B);
    EXPECT_FALSE(bar->bold->isChecked());
    ctrl(Qt::Key_I);
    type("c");
    ctrl(Qt::Key_I);
    ctrl(Qt::Key_U);
    type("d");
    ctrl(Qt::Key_U);
    type("H");
    ctrl(Qt::Key_Equal); // Ctrl+=: subscript
    EXPECT_TRUE(bar->subscript->isChecked());
    type("2");
    ctrl(Qt::Key_Equal);
    type("O x");
    // Ctrl+Maj+=: the key "=" with Maj gives "+" on French and English keyboards.
    ctrl(Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_TRUE(bar->superscript->isChecked());
    EXPECT_FALSE(bar->subscript->isChecked());
    type("2");
    ctrl(Qt::Key_Plus, Qt::ShiftModifier);
    type(" y");
    ctrl(Qt::Key_Equal, Qt::ShiftModifier); // a keyboard that keeps the "=" with Maj
    type("3");
    ctrl(Qt::Key_Plus); // Ctrl++ where "+" needs no Maj
    ctrl(Qt::Key_B);
    ctrl(Qt::Key_I);
    type("e");
    EXPECT_EQ(looks(*text->document()),
              "a:- b:b c:i d:u H:- 2:_ O:-  :- x:- 2:^  :- y:- 3:^ e:bi ");
    EXPECT_TRUE(bar->bold->isChecked());
    EXPECT_TRUE(bar->italic->isChecked());
    EXPECT_FALSE(bar->underline->isChecked());
}

TEST_F(FormatBarTest, TheTogglesFormatTheSelectionAndShowTheFormatAtTheCursor) {
    type("un deux");
    QTextCursor c = text->textCursor();
    c.setPosition(3);
    c.setPosition(7, QTextCursor::KeepAnchor);
    text->setTextCursor(c);
    bar->bold->click();
    bar->underline->click();
    EXPECT_EQ(looks(*text->document()), "u:- n:-  :- d:bu e:bu u:bu x:bu ");
    // The cursor in the plain word shows nothing on; in the formatted one, bold and underline.
    c.setPosition(1);
    text->setTextCursor(c);
    EXPECT_FALSE(bar->bold->isChecked());
    EXPECT_FALSE(bar->underline->isChecked());
    c.setPosition(5);
    text->setTextCursor(c);
    EXPECT_TRUE(bar->bold->isChecked());
    EXPECT_TRUE(bar->underline->isChecked());
    EXPECT_FALSE(bar->italic->isChecked());
    // Typed there, a letter takes the format at the cursor.
    type("Z");
    EXPECT_EQ(looks(*text->document()), "u:- n:-  :- d:bu e:bu Z:bu u:bu x:bu ");
}

TEST_F(FormatBarTest, TheColourComesFromItsMenuThroughTheKeyboardToo) {
    EXPECT_EQ(bar->colourMenu->actions().size(), 6);
    script.menuChoices = {QStringLiteral("rouge"), QString(), QStringLiteral("noir")};
    bar->colour->setFocus();
    QTest::keyClick(bar->colour, Qt::Key_Space);
    ASSERT_EQ(script.menus.size(), 1u);
    EXPECT_EQ(script.menus[0].menu, QStringLiteral("couleurs"));
    EXPECT_EQ(script.menus[0].entries,
              (QStringList{"noir", "rouge", "bleu", "vert", "orange", "violet"}));
    EXPECT_EQ(window.focusWidget(), text); // back to the text to type
    type("r");
    EXPECT_EQ(bar->colour->accessibleDescription(),
              QStringLiteral("Couleur actuelle\u00A0: rouge"));
    bar->chooseColour(); // dismissed: the colour stays
    type("s");
    bar->chooseColour();
    type("n");
    EXPECT_EQ(looks(*text->document()), "r:#c80000 s:#c80000 n:- ");
}

// Each colour's icon, drawn when it is first shown: a black A over a bar of the colour, at the
// button's size and greyed when the button is disabled.
TEST_F(FormatBarTest, TheColourIconsShowTheirColour) {
    const QList<QAction*> entries = bar->colourMenu->actions();
    ASSERT_EQ(entries.size(), 6);
    for (QAction* a : entries) {
        const QImage icon = a->icon().pixmap(16, 16).toImage();
        ASSERT_EQ(icon.size(), QSize(16, 16)) << a->text().toStdString();
        EXPECT_EQ(icon.pixelColor(8, 14), a->data().value<QColor>()) << a->text().toStdString();
        EXPECT_EQ(icon.pixelColor(0, 14).alpha(), 0) << a->text().toStdString();
        int ink = 0; // the letter's dark pixels above the bar
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x)
                ink += icon.pixelColor(x, y).alpha() > 128 && icon.pixelColor(x, y).value() < 64;
        EXPECT_GT(ink, 8) << a->text().toStdString();
    }
    const QIcon button = bar->colour->icon();
    EXPECT_EQ(button.actualSize(QSize(32, 32)), QSize(16, 16));
    EXPECT_EQ(button.pixmap(8, 8).size(), QSize(8, 8));
    EXPECT_NE(button.pixmap(16, 16, QIcon::Disabled).toImage().pixelColor(8, 14),
              QColor(Qt::black));
}

TEST_F(FormatBarTest, OnlyInWritingMode) {
    EXPECT_TRUE(bar->isVisible());
    // Over the information text (nothing named) and in a correction (read-only): no bar, and
    // the shortcuts do nothing.
    name->clear();
    EXPECT_FALSE(bar->isVisible());
    ctrl(Qt::Key_B);
    type("a");
    name->setText(QStringLiteral("DOSAGE.E44"));
    EXPECT_TRUE(bar->isVisible());
    text->setReadOnly(true);
    EXPECT_FALSE(bar->isVisible());
    text->setReadOnly(false);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(looks(*text->document()), "a:- ");
}

TEST_F(FormatBarTest, EveryButtonIsNamedTakesTheKeyboardAndSaysItsShortcut) {
    struct Row {
        QToolButton* button;
        const char* name;
        const char* shortcut;
    } rows[] = {
        {bar->bold, "Gras", "Ctrl+B"},
        {bar->italic, "Italique", "Ctrl+I"},
        {bar->underline, "Souligné", "Ctrl+U"},
        {bar->subscript, "Indice", "Ctrl+="},
        {bar->superscript, "Exposant", "Ctrl+Maj+="},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.button->accessibleName(), QString::fromUtf8(r.name));
        EXPECT_TRUE(r.button->isCheckable()) << r.name;
        EXPECT_EQ(r.button->accessibleDescription(),
                  QStringLiteral("Raccourci\u00A0: ") + QString::fromUtf8(r.shortcut));
        EXPECT_NE(r.button->focusPolicy() & Qt::TabFocus, 0) << r.name;
        // Space on the focused button toggles it.
        r.button->setFocus();
        const bool before = r.button->isChecked();
        QTest::keyClick(r.button, Qt::Key_Space);
        EXPECT_NE(r.button->isChecked(), before) << r.name;
        QTest::keyClick(r.button, Qt::Key_Space);
    }
    EXPECT_EQ(bar->colour->accessibleName(), QStringLiteral("Couleur du texte"));
    EXPECT_EQ(bar->accessibleName(), QStringLiteral("Mise en forme du texte"));
}

TEST_F(FormatBarTest, APastedTextKeepsItsFormatsAndLeavesTheWritersAlone) {
    // The writer's format: italic blue.
    ctrl(Qt::Key_I);
    script.menuChoices = {QStringLiteral("bleu")};
    bar->chooseColour();
    type("a");
    // A piece of a line, bold and red, from elsewhere.
    QMimeData piece;
    piece.setHtml(QStringLiteral("<b><span style=\"color:#ff0000\">collé</span></b>"));
    text->pasteData(piece);
    type("b");
    EXPECT_EQ(looks(*text->document()),
              "a:i#0000c8 c:b#ff0000 o:b#ff0000 l:b#ff0000 l:b#ff0000 é:b#ff0000 b:i#0000c8 ");
    EXPECT_TRUE(bar->italic->isChecked());
    EXPECT_FALSE(bar->bold->isChecked());
}

TEST_F(FormatBarTest, AfterAPastedLineTheNextLineIsTheWritersToo) {
    type("avant ");
    ctrl(Qt::Key_U);
    // A whole line, centred, bold and red, ending with its paragraph break.
    QTextDocument source;
    QTextCursor s(&source);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLeftMargin(40);
    s.setBlockFormat(centred);
    QTextCharFormat loud;
    loud.setFontWeight(QFont::Bold);
    loud.setForeground(QColor(255, 0, 0));
    loud.setFontPointSize(20);
    s.insertText(QStringLiteral("titre"), loud);
    s.insertBlock(QTextBlockFormat(), QTextCharFormat());
    s.select(QTextCursor::Document);
    QMimeData line;
    line.setHtml(QTextDocumentFragment(s).toHtml());
    text->pasteData(line);
    type("x");
    const QTextDocument& doc = *text->document();
    ASSERT_GE(doc.blockCount(), 2);
    const QTextBlock last = doc.lastBlock();
    // The pasted line keeps its formats; the next one is the writer's: underlined, left, no
    // margin, and the type of the text, not the pasted 20 points.
    EXPECT_NE(looks(doc).find("t:b#ff0000 i:b#ff0000"), std::string::npos) << looks(doc);
    EXPECT_EQ(last.text(), QStringLiteral("x"));
    EXPECT_EQ(last.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(last.blockFormat().leftMargin(), 0);
    const QTextCharFormat typed = last.begin().fragment().charFormat();
    EXPECT_EQ(look(typed), "u");
    EXPECT_NE(typed.fontPointSize(), 20);
}

TEST_F(FormatBarTest, FormatsSurviveASaveAndAReopening) {
    type("a ");
    ctrl(Qt::Key_B);
    type("gras");
    ctrl(Qt::Key_B);
    ctrl(Qt::Key_I);
    type(" ital");
    ctrl(Qt::Key_I);
    ctrl(Qt::Key_U);
    type(" soul");
    ctrl(Qt::Key_U);
    type(" H");
    ctrl(Qt::Key_Equal);
    type("2");
    ctrl(Qt::Key_Equal);
    type("O x");
    ctrl(Qt::Key_Plus, Qt::ShiftModifier);
    type("2");
    ctrl(Qt::Key_Plus, Qt::ShiftModifier);
    script.menuChoices = {QStringLiteral("vert"), QStringLiteral("noir")};
    bar->chooseColour();
    ctrl(Qt::Key_B);
    type(" vert");
    ctrl(Qt::Key_B);
    bar->chooseColour();
    QTest::keyClick(text, Qt::Key_Return);
    type("fin");
    const std::string written = looks(*text->document());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ENONCE.RTF"));
    ASSERT_TRUE(rtf::saveRtfFile(path, *text->document()));
    exercises::ExerciseText reopened;
    ASSERT_TRUE(exercises::loadRtfIntoArea(path, reopened));
    EXPECT_EQ(looks(*reopened.document()), written);
    EXPECT_EQ(written, "a:-  :- g:b r:b a:b s:b  :i i:i t:i a:i l:i  :u s:u o:u u:u l:u  :- H:- "
                       "2:_ O:-  :- x:- 2:^  :b#008000 v:b#008000 e:b#008000 r:b#008000 "
                       "t:b#008000 ¶ f:- i:- n:- ");
    // And once more, written from what was read: the same file.
    EXPECT_EQ(rtf::writeRtf(*reopened.document()), rtf::writeRtf(*text->document()));
}

} // namespace
