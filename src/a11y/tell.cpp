// SPDX-License-Identifier: GPL-3.0-or-later
#include "a11y/tell.h"

#include <QAccessible>
#include <QEvent>
#include <QFocusEvent>
#include <QVariant>
#include <QWidget>

#include <map>

namespace a11y {

namespace {

// The description a control had before a sentence was told on it.
constexpr char ownDescription[] = "titrageOwnDescription";
// A sentence told while the control had not the focus (its window behind another one): told
// again when it gets the focus back, on the object within it that has the focus then.
constexpr char waitingSentence[] = "titrageWaitingSentence";

// The sentences told on objects within a control, which describe themselves.
std::map<const QObject*, QString>& toldObjects() {
    static std::map<const QObject*, QString> told;
    return told;
}

} // namespace

Teller& Teller::instance() {
    static Teller* teller = new Teller;
    return *teller;
}

QWidget* listeningControl(QWidget* context) {
    if (!context) return nullptr;
    QWidget* focused = context->window()->focusWidget();
    return focused ? focused : context;
}

QString toldTo(const QObject* object) {
    const auto found = toldObjects().find(object);
    return found == toldObjects().end() ? QString() : found->second;
}

void forgetTold(const QObject* object) {
    toldObjects().erase(object);
}

void tell(QWidget* context, const QString& sentence) {
    QWidget* control = listeningControl(context);
    if (!control || sentence.isEmpty()) return;
    Teller& teller = Teller::instance();
    if (!control->hasFocus()) {
        control->setProperty(waitingSentence, sentence);
        control->installEventFilter(&teller);
    }
    // The focus within the control: an object of its own, told there.
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control)) {
        QAccessibleInterface* inner = iface->focusChild();
        QObject* object = inner ? inner->object() : nullptr;
        if (object && object != control && !object->isWidgetType()) {
            if (toldObjects().emplace(object, sentence).second)
                QObject::connect(object, &QObject::destroyed, &teller,
                                 [object] { forgetTold(object); });
            toldObjects()[object] = sentence;
            QAccessibleEvent event(object, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
            emit teller.told(control, sentence);
            return;
        }
    }
    if (!control->property(ownDescription).isValid()) {
        control->setProperty(ownDescription, control->accessibleDescription());
        control->installEventFilter(&teller);
    }
    // Qt tells every change of description, the same text again too: a sentence told twice
    // is said twice.
    control->setAccessibleDescription(sentence);
    emit teller.told(control, sentence);
}

void describe(QWidget* control, const QString& description) {
    if (!control) return;
    // A new description takes the place of a sentence told on the control; the same one
    // again leaves the sentence to be read.
    if (const QVariant own = control->property(ownDescription); own.isValid()) {
        if (own.toString() == description) return;
        control->setProperty(ownDescription, QVariant());
        control->removeEventFilter(&Teller::instance());
    }
    if (control->accessibleDescription() != description)
        control->setAccessibleDescription(description);
}

bool Teller::eventFilter(QObject* watched, QEvent* event) {
    // Coming back from another window (the one that was closing when the sentence was
    // told) or from a menu, the control keeps the sentence: it is read with the focus.
    if (event->type() == QEvent::FocusIn) {
        auto* control = static_cast<QWidget*>(watched);
        if (const QVariant waiting = control->property(waitingSentence); waiting.isValid()) {
            control->setProperty(waitingSentence, QVariant());
            tell(control, waiting.toString());
            return false;
        }
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        if (const QVariant own = control->property(ownDescription); own.isValid()) {
            control->setProperty(ownDescription, QVariant());
            control->setAccessibleDescription(own.toString());
        }
        control->removeEventFilter(this);
    }
    return false;
}

} // namespace a11y
