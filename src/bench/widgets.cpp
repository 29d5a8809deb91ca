// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/widgets.h"

#include "drawing/widgets/focus_mark.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace bench {

namespace {

// What assistive technology is told of the situation buttons and the button labels.
void installAccessibleFactory();

bool isPressKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
           event->key() == Qt::Key_Enter;
}

} // namespace

ImageButton::ImageButton(QWidget* parent) : QLabel(parent) {
    // Tab only: a click of the mouse leaves the focus where it was, and so no focus mark.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::setPicture(const QImage& image) {
    picture_ = image;
    setPixmap(QPixmap::fromImage(image));
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    down_ = true;
    byKey_ = false;
    event->accept();
    emit pressed();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!down_) return;
    down_ = false;
    emit released();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    if (!isPressKey(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || down_) return;
    down_ = true;
    byKey_ = true;
    emit pressed();
}

void ImageButton::keyReleaseEvent(QKeyEvent* event) {
    if (!isPressKey(event)) {
        QLabel::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !down_ || !byKey_) return;
    down_ = false;
    emit released();
    emit clicked();
}

// The key held while the focus goes elsewhere (another window, a question) is let go there:
// the button is released, without a click.
void ImageButton::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    if (down_ && byKey_) {
        down_ = false;
        emit released();
    }
}

void ImageButton::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    drawing::drawFocusMark(painter, rect());
}

ButtonLabel::ButtonLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::TabFocus);
    installAccessibleFactory();
}

void ButtonLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    drawing::drawFocusMark(painter, rect());
}

// ---- Situation buttons and button labels for assistive technology ----

namespace {

class SituationAccessible : public QAccessibleWidget {
public:
    explicit SituationAccessible(SituationButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}
    SituationButton* button() const { return static_cast<SituationButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = QAccessibleWidget::text(t);
            return name.isEmpty() ? button()->text() : name;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (button()->isEnabled()) button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// Pressed as a click on it would: a Space key, which the window's filter reads.
class ButtonLabelAccessible : public QAccessibleWidget {
public:
    explicit ButtonLabelAccessible(ButtonLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &press);
    }
};

QAccessibleInterface* situationFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<SituationButton*>(object))
        return new SituationAccessible(button);
    if (auto* label = qobject_cast<ButtonLabel*>(object)) return new ButtonLabelAccessible(label);
    return nullptr;
}

void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(situationFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

SituationButton::SituationButton(QWidget* parent) : QRadioButton(parent) {
    installAccessibleFactory();
}

FilteredKey filterKey(QChar typed) {
    if (typed.isDigit() && typed.unicode() < 128) return {KeyAction::Pass, typed};
    if (typed == u'.') return {KeyAction::Pass, u','};
    if (typed == u',' || typed == u'-' || typed == u'\b') return {KeyAction::Pass, typed};
    if (typed == u'\r' || typed == u'\n') return {KeyAction::Validate, typed};
    return {KeyAction::Swallow, typed};
}

QString filterText(const QString& text) {
    QString out;
    for (QChar c : text) {
        FilteredKey k = filterKey(c);
        if (k.action == KeyAction::Pass && k.character != u'\b') out += k.character;
    }
    return out;
}

} // namespace bench
