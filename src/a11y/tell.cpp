// SPDX-License-Identifier: GPL-3.0-or-later
#include "a11y/tell.h"

#include <QEvent>
#include <QFocusEvent>
#include <QVariant>
#include <QWidget>

namespace a11y {

namespace {

// The description a control had before a sentence was told on it.
constexpr char ownDescription[] = "titrageOwnDescription";

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

void tell(QWidget* context, const QString& sentence) {
    QWidget* control = listeningControl(context);
    if (!control || sentence.isEmpty()) return;
    Teller& teller = Teller::instance();
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
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        auto* control = static_cast<QWidget*>(watched);
        const QString own = control->property(ownDescription).toString();
        control->setProperty(ownDescription, QVariant());
        control->removeEventFilter(this);
        control->setAccessibleDescription(own);
    }
    return false;
}

} // namespace a11y
