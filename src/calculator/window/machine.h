// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window: a pocket scientific calculator whose keys build one line of text,
// shown in the display z1, and whose key "EXE" evaluates it. The behaviour of the keys lives
// in calculator::Keypad; this window lays the keys out, maps them and the keyboard onto it,
// and paints its background. Every key, option and the display is reached with Tab (the
// arrows then go from key to key); the keys are named in words for screen readers, the result
// and a typed comma are told.

#include "calculator/keypad.h"

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace calculator {

class Machine : public QDialog {
    Q_OBJECT
public:
    explicit Machine(QWidget* parent = nullptr);

    // The display, at the given top and height (pixels of the window's inner area).
    void placeDisplay(int top, int height);

    QLineEdit* z1 = nullptr;
    std::array<QRadioButton*, 2> angle{}; // "Degrés", "Radians"
    std::array<QRadioButton*, 2> C{};     // "Scientifique", "Standard"

    // The key named as its control (B0 ... B9, bsin, EXE, Command1 ...), or nullptr.
    QPushButton* key(const QString& name) const;
    const Keypad& keypad() const { return keypad_; }

    // The keyboard, as when the window has the focus; false for a key that does nothing.
    bool typeKey(int key, const QString& text);

    // The name a screen reader says for a key ("Racine carrée" for "√"); empty for none.
    static QString keyName(const QString& key);
    // The display as it is told: a number with its leading zero ("0.08" for " .08").
    static QString spokenDisplay(const QString& display);
    // The key nearest to `from` in the direction of an arrow key, or nullptr.
    QPushButton* keyToward(const QPushButton* from, int arrow) const;

    void EXE_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A key that applies `effect` to the keypad (when given) and shows the display.
    QPushButton* addKey(const char* name, const QString& caption, const QString& tooltip, int x,
                        int y, int width, int height, std::function<void(Keypad&)> effect);
    void buildKeys();
    void buildOptions();
    // Shows the keypad's display in z1, gives z1 the focus and puts the caret at its end.
    void showDisplay();
    void setDisplayText(const QString& text);
    // What a key pressed from the keyboard shows, told on it.
    void tellDisplay(const QString& lead);

    Keypad keypad_;
    bool commaTold_ = false; // "a comma is a point" is said once per opening
};

} // namespace calculator
