// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small controls of the bench: a picture that acts as a button, a situation button that
// cannot be unselected by a click, and the numeric text box filter.

#include <QImage>
#include <QLabel>
#include <QRadioButton>

namespace bench {

// A picture that reacts to the mouse like a button: pressed, released, clicked (press and
// release on it). Any mouse button counts. From the keyboard, Space or Enter held acts as a
// mouse button held: the press of the key presses, its release releases and clicks, and the
// key's auto-repeat is ignored; the focus stays on the button. While it has the focus the
// button shows a dotted focus mark (never after a click of the mouse, which does not take
// the focus).
class ImageButton : public QLabel {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);
    void setPicture(const QImage& image);
    // The picture shown, at the device pixel ratio it was drawn for.
    const QImage& picture() const { return picture_; }
    // True while the press under way came from the keyboard.
    bool pressedByKey() const { return down_ && byKey_; }

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

// Option button of a situation: exclusivity is kept by the window, so that all ten can be
// unselected by program; a click on the selected button leaves it selected. Assistive
// technology is told it is a radio button (Qt takes a radio button that is not exclusive by
// itself for a check box).
class SituationButton : public QRadioButton {
    Q_OBJECT
public:
    explicit SituationButton(QWidget* parent = nullptr);

protected:
    void nextCheckState() override {
        if (!isChecked()) setChecked(true);
    }
};

// What the key filter of the numeric boxes does with one typed character.
enum class KeyAction { Pass, Swallow, Validate };
struct FilteredKey {
    KeyAction action;
    QChar character; // the character to insert when it passes (a full stop becomes a comma)
};
FilteredKey filterKey(QChar typed);
// The same rule applied to a text that arrives in one piece (pasted): the characters that
// would pass, full stops turned into commas.
QString filterText(const QString& text);

} // namespace bench
