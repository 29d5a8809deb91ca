// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small controls of the bench: a picture that acts as a button, a situation button that
// cannot be unselected by a click, and the numeric text box filter.

#include "families/number_keys.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <array>

namespace bench {

// Makes the accessible interfaces of the controls below (once per program). Their
// constructors do it; a window calls it before it makes any control, so that no control is
// ever taken for a plain one of Qt.
void installWidgetAccessibility();

// A picture that reacts to the mouse like a button: pressed, released, clicked (press and
// release on it). Any mouse button counts. From the keyboard, Space or Enter held acts as a
// mouse button held: the press of the key presses, its release releases and clicks, and the
// key's auto-repeat is ignored; the focus stays on the button. While it has the focus the
// button shows a dotted focus mark (never after a click of the mouse, which does not take
// the focus). Assistive technology is told it is a button that can be pressed (a brief press
// and release, as a click) and whether it is shown pressed (the tap open).
class ImageButton : public QLabel {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);
    void setPicture(const QImage& image);
    // The picture shown, at the device pixel ratio it was drawn for.
    const QImage& picture() const { return picture_; }
    // True while the press under way came from the keyboard.
    bool pressedByKey() const { return down_ && byKey_; }
    // Pressed and released at once, as a brief key press does.
    void press();
    // Whether the button is shown pressed, for assistive technology.
    void setShownPressed(bool pressed);
    bool shownPressed() const { return shownPressed_; }

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool down_ = false;
    bool byKey_ = false;
    bool shownPressed_ = false;
    QImage picture_;
};

// A label that works as a button (the window reads its clicks and keys through an event
// filter): told to assistive technology as a button, with a dotted focus mark while it has
// the focus.
class ButtonLabel : public QLabel {
    Q_OBJECT
public:
    explicit ButtonLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class SituationGroup;

// Option button of a situation: exclusivity is kept by the window, so that all ten can be
// unselected by program; a click on the selected button leaves it selected. Assistive
// technology is told it is a radio button (Qt takes a radio button that is not exclusive by
// itself for a check box), one of the group of the ten situations.
class SituationButton : public QRadioButton {
    Q_OBJECT
public:
    explicit SituationButton(QWidget* parent = nullptr);
    void setGroup(SituationGroup* group) { group_ = group; }
    SituationGroup* group() const { return group_; }

protected:
    void nextCheckState() override {
        if (!isChecked()) setChecked(true);
    }

private:
    SituationGroup* group_ = nullptr;
};

// The ten situation buttons as one group for assistive technology ("Situations"): the window
// lists the group where the buttons are, and the buttons are its children. Not a widget: the
// buttons keep their places in the window.
class SituationGroup : public QObject {
    Q_OBJECT
public:
    SituationGroup(QWidget* window, const std::array<QRadioButton*, 10>& buttons);
    QWidget* window() const { return window_; }
    const std::array<QRadioButton*, 10>& buttons() const { return buttons_; }

private:
    QWidget* window_;
    std::array<QRadioButton*, 10> buttons_;
};

// A box that holds a value of the bench without ever showing it (the volumes the window
// keeps as texts): never told to assistive technology, which would hear every tick of the
// flow from a control nobody can reach. Its text is set after it is made.
class StoredValueBox : public QLineEdit {
    Q_OBJECT
public:
    explicit StoredValueBox(QWidget* parent = nullptr);
};

// The tint slider: a scroll bar told to assistive technology as a slider, its value said in
// words ("Teintes moyennes") by its description.
class TintSlider : public QScrollBar {
    Q_OBJECT
public:
    explicit TintSlider(QWidget* parent = nullptr);
    // The words for a value of the slider (100 light to 200 dark).
    static QString tintWords(int value);
};

// The key filter of the numeric boxes, which the families' own boxes share.
using families::FilteredKey;
using families::filterKey;
using families::filterText;
using families::KeyAction;

} // namespace bench
