// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small controls of the bench: a picture that acts as a button, a situation button that
// cannot be unselected by a click, and the numeric text box filter.

#include <QImage>
#include <QLabel>
#include <QRadioButton>

namespace bench {

// A picture that reacts to the mouse like a button: pressed, released, clicked (press and
// release on it). Any mouse button counts. Reachable from the keyboard (Space, Enter).
class ImageButton : public QLabel {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);
    void setPicture(const QImage& image);
    // The picture shown, at the device pixel ratio it was drawn for.
    const QImage& picture() const { return picture_; }

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool down_ = false;
    QImage picture_;
};

// Option button of a situation: exclusivity is kept by the window, so that all ten can be
// unselected by program; a click on the selected button leaves it selected.
class SituationButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

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
