// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF parser: tokens to the document model through a stack of group states. Each group
// carries its character and paragraph formatting and its destination (body text, font table,
// colour table, field instruction, picture, or nothing); unknown control words are ignored.
// Damaged input (unbalanced braces, cut files, huge numbers) is read as far as it goes.

#include "formatting.h"
#include "header_tables.h"
#include "picture.h"
#include "rtf/document.h"
#include "table.h"
#include "tokenizer.h"

#include <QByteArray>
#include <QString>
#include <QTextCharFormat>

#include <optional>
#include <string_view>
#include <vector>

namespace rtf {

// Where the text of a group goes.
enum class Dest { Text, Skip, FontTable, ColorTable, FieldInstruction, Picture };

struct Group {
    CharState chr;
    ParaState para;
    int uc = 1;
    Dest dest = Dest::Text;
    bool pictureRoot = false; // the group that opened a \pict
};

class Parser {
public:
    Parser(const QByteArray& data, Document& model)
        : tokens_(std::string_view(data.constData(), std::size_t(data.size()))), model_(model),
          main_(model.flow) {}

    void run();

private:
    // Tokens (parser.cpp)
    void controlWord(std::string_view word, bool hasParam, int param);
    void controlSymbol(char c);
    void textByte(unsigned char b);
    void byte(unsigned char b);
    void binary(std::string_view data);
    void openGroup();
    void closeGroup();
    int codePage() const;
    Group& top() { return stack_.back(); }

    // Output (parser_text.cpp)
    void appendByte(unsigned char b);
    void appendUnicode(char16_t c);
    void appendText(const QString& text);
    void flushBytes();
    void flushRun();
    void endParagraph();
    void applyBlockFormat();
    // The format of text in a state, made again only when the state or the tables change.
    const QTextCharFormat& charFormat(const CharState& chr);
    void finishPicture();
    // Sends what follows into the table being read, or closes it and goes back to the text.
    void route(bool inTable);
    void closeTable(bool endsText);
    bool inTable() const { return !stack_.empty() && stack_.back().para.tableDepth > 0; }
    FlowWriter& out() { return table_.isOpen() ? table_.writer() : main_; }
    // Control words of the body text; false for a word that means nothing there.
    bool textWord(std::string_view word, bool hasParam, int param);

    Tokenizer tokens_;
    Document& model_;
    FlowWriter main_;
    HeaderTables tables_;

    std::vector<Group> stack_;
    Group outer_;           // the outer group, once it is closed
    int overflow_ = 0;      // groups opened beyond maxDepth
    bool started_ = false;  // the outer group was opened
    bool starNext_ = false; // a \* announces an ignorable destination
    int skipUnits_ = 0;     // fallback units still to skip after \u

    QByteArray pendingBytes_;
    QString pendingText_;
    QTextCharFormat runFormat_;
    bool formatKnown_ = false;
    QTextCharFormat made_;
    std::optional<CharState> madeFor_;
    int madeWith_ = 0;
    RowDefinition rowDef_;
    TableRows table_;
    // A table nested in a cell is shown inside that cell, one line per row, its cells
    // separated by tabs.
    int pendingTabs_ = 0;       // nested cell separators owed to the next text of the row
    bool afterNestRow_ = false; // nothing was written since the end of a nested row

    QString fontName_;
    int fontNumber_ = -1;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;
    QString fieldInstruction_;
    Picture picture_;
};

} // namespace rtf
