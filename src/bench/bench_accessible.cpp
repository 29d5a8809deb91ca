// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_accessible.h"

#include "bench/feuillep.h"
#include "bench/widgets.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace bench {

namespace {

class BenchWindowAccessible : public QAccessibleWidget {
public:
    explicit BenchWindowAccessible(FeuilleP* window)
        : QAccessibleWidget(window, QAccessible::Window) {}
    FeuilleP* bench() const { return static_cast<FeuilleP*>(widget()); }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto list = children();
        if (index < 0 || index >= int(list.size())) return nullptr;
        return QAccessible::queryAccessibleInterface(list[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        const auto list = children();
        const auto found = std::find(list.begin(), list.end(), child->object());
        return found == list.end() ? -1 : int(found - list.begin());
    }

private:
    // The window's child widgets in their order, the situations replaced by their group
    // where the first of them stands, and the boxes that show nothing left out.
    std::vector<QObject*> children() const {
        std::vector<QObject*> list;
        const auto& situations = controlsOf(*bench()).Option2;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || qobject_cast<StoredValueBox*>(w)) continue;
            if (std::find(situations.begin(), situations.end(), w) != situations.end()) {
                auto* button = static_cast<SituationButton*>(situations[0]);
                if (w == situations[0] && button->group()) list.push_back(button->group());
                continue;
            }
            list.push_back(w);
        }
        return list;
    }
};

QAccessibleInterface* benchFactory(const QString&, QObject* object) {
    if (auto* window = qobject_cast<FeuilleP*>(object)) return new BenchWindowAccessible(window);
    return nullptr;
}

} // namespace

void installBenchAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(benchFactory);
        return true;
    }();
    (void)installed;
}

} // namespace bench
