// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_accessible.h"

#include "a11y/tell.h"
#include "drawing/widgets/picturebox.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QWindow>

namespace drawing {

PicturePartObject::PicturePartObject(PictureBox* box, int index)
    : QObject(box), box_(box), index_(index) {}

PicturePartObject::~PicturePartObject() = default;

PicturePartListObject::PicturePartListObject(PictureBox* box) : QObject(box), box_(box) {}

a11y::TableCells& PicturePartObject::cells() {
    if (!cells_)
        cells_ = std::make_unique<a11y::TableCells>(
            [this] { return QAccessible::queryAccessibleInterface(this); },
            [this]() -> const a11y::TextTable& { return box_->part(index_).table; });
    return *cells_;
}

void PicturePartObject::tableReshaped() {
    if (cells_) cells_->clear();
}

namespace {

// A picture: its child controls first, then the parts of its drawing.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
    QAccessible::Role role() const override { return box()->accessibleRole(); }

    // The parts, or the one list that holds them.
    int partChildren() const { return box()->partListObject() ? 1 : box()->partCount(); }
    int childCount() const override { return controlCount() + partChildren(); }

    QAccessibleInterface* child(int index) const override {
        if (index < controlCount()) return QAccessibleWidget::child(index);
        const int part = index - controlCount();
        if (part >= partChildren()) return nullptr;
        if (QObject* list = box()->partListObject())
            return QAccessible::queryAccessibleInterface(list);
        return QAccessible::queryAccessibleInterface(box()->partObject(part));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() && child->object() == box()->partListObject()) return controlCount();
        if (const auto* part = dynamic_cast<const PicturePartObject*>(child->object()))
            return part->box() == box() && !box()->partListObject() ? controlCount() + part->index()
                                                                    : -1;
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        if (QAccessibleInterface* control = QAccessibleWidget::childAt(x, y)) return control;
        const QPoint local = box()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < box()->partCount(); ++i)
            if (box()->part(i).rect.contains(local))
                return QAccessible::queryAccessibleInterface(box()->partObject(i));
        return nullptr;
    }

    // In a tab strip that has the focus, the tab shown; in a list of parts, the current part.
    QAccessibleInterface* focusChild() const override {
        if (box()->hasFocus() && box()->partListObject() &&
            box()->currentPart() < box()->partCount())
            return QAccessible::queryAccessibleInterface(box()->partObject(box()->currentPart()));
        if (box()->hasFocus())
            for (int i = 0; i < box()->partCount(); ++i)
                if (box()->part(i).selected)
                    return QAccessible::queryAccessibleInterface(box()->partObject(i));
        return QAccessibleWidget::focusChild();
    }

private:
    int controlCount() const { return QAccessibleWidget::childCount(); }
};

class PicturePartAccessible : public QAccessibleObject {
public:
    explicit PicturePartAccessible(PicturePartObject* part)
        : QAccessibleObject(part), table_(part->cells()) {}

    PicturePartObject* partObject() const { return static_cast<PicturePartObject*>(object()); }
    const PicturePart& part() const { return partObject()->box()->part(partObject()->index()); }

    QWindow* window() const override { return partObject()->box()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        if (QObject* list = partObject()->box()->partListObject())
            return QAccessible::queryAccessibleInterface(list);
        return QAccessible::queryAccessibleInterface(partObject()->box());
    }
    // A table's cells are its children.
    QAccessibleInterface* child(int index) const override {
        return partObject()->cells().child(index);
    }
    int childCount() const override {
        return part().table.empty() ? 0 : partObject()->cells().childCount();
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return partObject()->cells().indexOfChild(child);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface && !part().table.empty())
            return static_cast<QAccessibleTableInterface*>(&table_);
        return QAccessibleObject::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return part().name;
        case QAccessible::Description: {
            // A sentence told while the focus is on the part is read first.
            const QString told = a11y::toldTo(partObject());
            return told.isEmpty() ? part().description : told;
        }
        default:
            return {};
        }
    }
    QAccessible::Role role() const override {
        return part().table.empty() ? part().role : QAccessible::Table;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const PictureBox* box = partObject()->box();
        s.invisible = !box->isVisible();
        if (part().role == QAccessible::PageTab) {
            s.selectable = true;
            s.selected = part().selected;
            s.focused = part().selected && box->hasFocus();
        }
        if (box->partListObject()) {
            const bool current = box->currentPart() == partObject()->index();
            s.focusable = s.selectable = true;
            s.focused = s.selected = current && box->hasFocus();
        }
        return s;
    }
    QRect rect() const override {
        const PictureBox* box = partObject()->box();
        const QRect r = part().rect;
        return QRect(box->mapToGlobal(r.topLeft()), r.size());
    }

private:
    a11y::TextTableInterface table_;
};

// The parts of a picture reached with the keyboard, as the items of one list.
class PicturePartListAccessible : public QAccessibleObject {
public:
    explicit PicturePartListAccessible(PicturePartListObject* list) : QAccessibleObject(list) {}
    PictureBox* box() const { return static_cast<PicturePartListObject*>(object())->box(); }

    QWindow* window() const override { return box()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(box());
    }
    int childCount() const override { return box()->partCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= box()->partCount()) return nullptr;
        return QAccessible::queryAccessibleInterface(box()->partObject(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* part = dynamic_cast<const PicturePartObject*>(child->object());
        return part && part->box() == box() ? part->index() : -1;
    }
    QAccessibleInterface* focusChild() const override {
        if (!box()->hasFocus() || box()->currentPart() >= box()->partCount()) return nullptr;
        return child(box()->currentPart());
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? box()->partListName() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !box()->isVisible();
        s.focusable = true;
        s.focused = box()->hasFocus();
        return s;
    }
    QRect rect() const override { return QRect(box()->mapToGlobal(QPoint(0, 0)), box()->size()); }
};

QAccessibleInterface* pictureFactory(const QString&, QObject* object) {
    if (auto* list = dynamic_cast<PicturePartListObject*>(object))
        return new PicturePartListAccessible(list);
    if (auto* part = dynamic_cast<PicturePartObject*>(object))
        return new PicturePartAccessible(part);
    if (auto* box = qobject_cast<PictureBox*>(object)) return new PictureBoxAccessible(box);
    return nullptr;
}

} // namespace

void installPictureAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(pictureFactory);
        return true;
    }();
    (void)installed;
}

} // namespace drawing
