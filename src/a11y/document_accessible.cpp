// SPDX-License-Identifier: GPL-3.0-or-later
#include "document_accessible.h"

#include "a11y/document_view.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <memory>
#include <vector>

namespace a11y {

namespace {

QString cellText(const QTextTableCell& cell) {
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::ParagraphSeparator, u' ').simplified();
}

bool boldRow(QTextTable* table, int row) {
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        if (cell.firstCursorPosition().block().charFormat().fontWeight() < QFont::Bold &&
            cell.firstCursorPosition().charFormat().fontWeight() < QFont::Bold) {
            QTextCursor probe = cell.firstCursorPosition();
            probe.movePosition(QTextCursor::NextCharacter);
            if (probe.charFormat().fontWeight() < QFont::Bold) return false;
        }
    }
    return table->columns() > 0;
}

// Every table of the document, outer tables before the tables they hold.
void collectTables(QTextFrame* frame, std::vector<QTextTable*>& out) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) out.push_back(table);
        collectTables(child, out);
    }
}

} // namespace

TextTable documentTable(QTextTable* table) {
    TextTable out;
    int first = 0;
    if (table->rows() > 1 && boldRow(table, 0)) {
        for (int c = 0; c < table->columns(); ++c)
            out.headers << cellText(table->cellAt(0, c));
        first = 1;
    }
    for (int r = first; r < table->rows(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columns(); ++c)
            row << cellText(table->cellAt(r, c));
        out.rows.push_back(row);
    }
    return out;
}

DocumentLine documentLine(const QTextDocument& document, int position) {
    const int count = document.characterCount() - 1;
    position = std::clamp(position, 0, std::max(count - 1, 0));
    QTextBlock block = document.findBlock(position);
    if (!block.isValid()) block = document.lastBlock();
    const int blockStart = block.position();
    const int blockEnd = blockStart + block.length(); // its separator included
    if (position < blockStart || position >= blockEnd) {
        // A mark between blocks (the edge of a table): a line of its own, with nothing to say.
        return {position, position + 1, QString()};
    }
    DocumentLine line{blockStart, blockEnd, block.text()};
    bool firstLine = true;
    if (const QTextLayout* layout = block.layout(); layout && layout->lineCount() > 0) {
        const QTextLine l = layout->lineForTextPosition(position - blockStart);
        if (l.isValid()) {
            line.start = blockStart + l.textStart();
            line.end =
                l.lineNumber() + 1 == layout->lineCount() ? blockEnd : line.start + l.textLength();
            line.text = block.text().mid(l.textStart(), l.textLength());
            firstLine = l.lineNumber() == 0;
        }
    }
    // The first line of a cell, under the header of its column.
    QTextCursor at(block);
    if (QTextTable* table = at.currentTable(); table && firstLine) {
        const QTextTableCell cell = table->cellAt(at);
        if (cell.isValid() && cell.firstCursorPosition().block() == block && cell.row() > 0 &&
            boldRow(table, 0)) {
            const QString header = cellText(table->cellAt(0, cell.column()));
            if (!header.isEmpty()) line.text = header + QStringLiteral("\u00a0: ") + line.text;
        }
    }
    line.text = line.text.trimmed();
    return line;
}

namespace {

class DocumentAccessible;

// One table of the document.
class DocumentTableAccessible : public QAccessibleInterface {
public:
    DocumentTableAccessible(DocumentAccessible* document, TextTable texts)
        : document_(document), texts_(std::move(texts)),
          cells_([this] { return static_cast<QAccessibleInterface*>(this); },
                 [this]() -> const TextTable& { return texts_; }),
          table_(cells_) {}

    void update(TextTable texts) {
        if (texts.rowCount() != texts_.rowCount() || texts.columnCount() != texts_.columnCount())
            cells_.clear();
        texts_ = std::move(texts);
    }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override { return cells_.child(index); }
    int childCount() const override { return cells_.childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return cells_.indexOfChild(child);
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return texts_.name;
        if (t == QAccessible::Description)
            return QStringLiteral("%1 lignes, %2 colonnes")
                .arg(texts_.rowCount())
                .arg(texts_.columnCount());
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(&table_);
        return nullptr;
    }

private:
    DocumentAccessible* document_;
    TextTable texts_;
    mutable TableCells cells_;
    TextTableInterface table_;
};

class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(DocumentView* view)
        : QAccessibleWidget(view, QAccessible::EditableText) {}
    ~DocumentAccessible() override {
        for (QAccessible::Id id : tableIds_)
            QAccessible::deleteAccessibleInterface(id);
    }

    DocumentView* view() const { return static_cast<DocumentView*>(widget()); }
    QTextDocument* document() const { return view()->document(); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.editable = false;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The tables of the text are its children.
    int childCount() const override { return int(tables().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto& all = tables();
        return index >= 0 && index < int(all.size()) ? all[std::size_t(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto& all = tables();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i] == child) return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    // ---- Text ----
    QString rawText() const {
        QString text = document()->toRawText();
        for (QChar& c : text)
            if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator ||
                c.unicode() == 0xfdd0 || c.unicode() == 0xfdd1)
                c = u'\n';
        return text.left(characterCount());
    }
    int characterCount() const override { return document()->characterCount() - 1; }
    QString text(int start, int end) const override {
        return rawText().mid(start, std::max(0, end - start));
    }
    // Lines as the layout breaks them; other units as Qt cuts any text.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        const DocumentLine line = documentLine(*document(), offset);
        *start = line.start;
        *end = line.end;
        return line.text;
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
        const DocumentLine current = documentLine(*document(), offset);
        if (current.start <= 0) {
            *start = *end = -1;
            return {};
        }
        return textAtOffset(current.start - 1, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        if (type != QAccessible::LineBoundary)
            return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
        const DocumentLine current = documentLine(*document(), offset);
        if (current.end >= characterCount()) {
            *start = *end = -1;
            return {};
        }
        return textAtOffset(current.end, type, start, end);
    }

    int cursorPosition() const override { return view()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(std::clamp(position, 0, characterCount()));
        view()->setTextCursor(cursor);
    }
    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = view()->textCursor();
        if (index != 0 || !cursor.hasSelection()) {
            *start = *end = 0;
            return;
        }
        *start = cursor.selectionStart();
        *end = cursor.selectionEnd();
    }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor cursor = view()->textCursor();
        cursor.clearSelection();
        view()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(std::clamp(start, 0, characterCount()));
        cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }
    QRect characterRect(int offset) const override {
        QTextCursor cursor(document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        QRect r = view()->cursorRect(cursor);
        const QString character = text(offset, offset + 1);
        r.setWidth(std::max(1, view()->fontMetrics().horizontalAdvance(character)));
        return QRect(view()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = view()->viewport()->mapFromGlobal(point);
        return view()->cursorForPosition(local).position();
    }
    void scrollToSubstring(int start, int) override {
        QTextCursor cursor(document());
        cursor.setPosition(std::clamp(start, 0, characterCount()));
        view()->setTextCursor(cursor);
        view()->ensureCursorVisible();
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset + 1;
        return {};
    }

private:
    // The table objects, made again when the text changed.
    const std::vector<DocumentTableAccessible*>& tables() const {
        if (revision_ == document()->revision() && document_ == document()) return tables_;
        std::vector<QTextTable*> found;
        collectTables(document()->rootFrame(), found);
        if (found.size() != tables_.size() || document_ != document()) {
            for (QAccessible::Id id : tableIds_)
                QAccessible::deleteAccessibleInterface(id);
            tables_.clear();
            tableIds_.clear();
        }
        for (std::size_t i = 0; i < found.size(); ++i) {
            TextTable texts = documentTable(found[i]);
            texts.name = QStringLiteral("Tableau %1").arg(i + 1);
            if (i < tables_.size()) {
                tables_[i]->update(std::move(texts));
                continue;
            }
            auto* table = new DocumentTableAccessible(const_cast<DocumentAccessible*>(this),
                                                      std::move(texts));
            tableIds_.push_back(QAccessible::registerAccessibleInterface(table));
            tables_.push_back(table);
        }
        revision_ = document()->revision();
        document_ = document();
        return tables_;
    }

    mutable std::vector<DocumentTableAccessible*> tables_;
    mutable std::vector<QAccessible::Id> tableIds_;
    mutable int revision_ = -1;
    mutable const QTextDocument* document_ = nullptr;

    friend class DocumentTableAccessible;
};

QWindow* DocumentTableAccessible::window() const {
    return document_->window();
}

QAccessibleInterface* DocumentTableAccessible::parent() const {
    return document_;
}

QRect DocumentTableAccessible::rect() const {
    return document_->rect();
}

QAccessibleInterface* documentFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<DocumentView*>(object)) return new DocumentAccessible(view);
    return nullptr;
}

} // namespace

void installDocumentAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(documentFactory);
        return true;
    }();
    (void)installed;
}

} // namespace a11y
