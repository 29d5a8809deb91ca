// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/widgets.h"

#include "a11y/tell.h"
#include "drawing/widgets/focus_mark.h"

#include <QAccessibleObject>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace bench {

namespace {

bool isPressKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
           event->key() == Qt::Key_Enter;
}

} // namespace

ImageButton::ImageButton(QWidget* parent) : QLabel(parent) {
    installWidgetAccessibility();
    // Tab only: a click of the mouse leaves the focus where it was, and so no focus mark.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::press() {
    if (down_) return;
    down_ = true;
    byKey_ = true;
    emit pressed();
    if (!down_) return; // the press went to a question, which took the focus
    down_ = false;
    emit released();
    emit clicked();
}

void ImageButton::setShownPressed(bool pressed) {
    if (pressed == shownPressed_) return;
    shownPressed_ = pressed;
    QAccessible::State changed;
    changed.pressed = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
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
    installWidgetAccessibility();
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

    QAccessibleInterface* parent() const override {
        if (SituationGroup* group = button()->group())
            return QAccessible::queryAccessibleInterface(group);
        return QAccessibleWidget::parent();
    }

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

// A picture that acts as a button: pressed as a brief key press would.
class ImageButtonAccessible : public QAccessibleWidget {
public:
    explicit ImageButtonAccessible(ImageButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}
    ImageButton* button() const { return static_cast<ImageButton*>(widget()); }
    QString text(QAccessible::Text t) const override {
        const QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) return button()->toolTip();
        return text;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->shownPressed();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (button()->isEnabled() && button()->isVisible()) button()->press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// The tint slider: a slider whose value is a number from light to dark.
class TintSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TintSliderAccessible(TintSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}
    TintSlider* slider() const { return static_cast<TintSlider*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }
};

// A value box that is never shown: not a valid object, so that nothing is sent from it.
class StoredValueAccessible : public QAccessibleWidget {
public:
    explicit StoredValueAccessible(StoredValueBox* box) : QAccessibleWidget(box) {}
    bool isValid() const override { return false; }
};

// The ten situations: one group, the buttons its children.
class SituationGroupAccessible : public QAccessibleObject {
public:
    explicit SituationGroupAccessible(SituationGroup* group) : QAccessibleObject(group) {}
    SituationGroup* group() const { return static_cast<SituationGroup*>(object()); }

    QWindow* window() const override { return group()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(group()->window());
    }
    int childCount() const override { return int(group()->buttons().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        return QAccessible::queryAccessibleInterface(group()->buttons()[std::size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto& buttons = group()->buttons();
        for (std::size_t i = 0; i < buttons.size(); ++i)
            if (child && child->object() == buttons[i]) return int(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        for (QRadioButton* b : group()->buttons())
            if (b->hasFocus()) return QAccessible::queryAccessibleInterface(b);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Situations") : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !group()->window()->isVisible();
        return s;
    }
    QRect rect() const override {
        QRect all;
        for (QRadioButton* b : group()->buttons())
            all |= QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
        return all;
    }
};

QAccessibleInterface* situationFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<SituationButton*>(object))
        return new SituationAccessible(button);
    if (auto* label = qobject_cast<ButtonLabel*>(object)) return new ButtonLabelAccessible(label);
    if (auto* button = qobject_cast<ImageButton*>(object)) return new ImageButtonAccessible(button);
    if (auto* slider = qobject_cast<TintSlider*>(object)) return new TintSliderAccessible(slider);
    if (auto* box = qobject_cast<StoredValueBox*>(object)) return new StoredValueAccessible(box);
    if (auto* group = qobject_cast<SituationGroup*>(object))
        return new SituationGroupAccessible(group);
    return nullptr;
}

} // namespace

void installWidgetAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(situationFactory);
        return true;
    }();
    (void)installed;
}

SituationButton::SituationButton(QWidget* parent) : QRadioButton(parent) {
    installWidgetAccessibility();
}

SituationGroup::SituationGroup(QWidget* window, const std::array<QRadioButton*, 10>& buttons)
    : QObject(window), window_(window), buttons_(buttons) {
    installWidgetAccessibility();
}

StoredValueBox::StoredValueBox(QWidget* parent) : QLineEdit(parent) {
    installWidgetAccessibility();
}

TintSlider::TintSlider(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    installWidgetAccessibility();
    connect(this, &QAbstractSlider::valueChanged, this,
            [this](int value) { a11y::describe(this, tintWords(value)); });
}

QString TintSlider::tintWords(int value) {
    if (value < 120) return QStringLiteral("Teintes très claires");
    if (value < 140) return QStringLiteral("Teintes claires");
    if (value <= 160) return QStringLiteral("Teintes moyennes");
    if (value <= 180) return QStringLiteral("Teintes foncées");
    return QStringLiteral("Teintes très foncées");
}

} // namespace bench
