// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The formatting of the exercise's text in writing mode (the text area can be typed in and
// holds an exercise or a text, not the information text): bold, italic, underline, subscript,
// superscript and colour, from a small tool bar under the text area or from the keyboard:
// Ctrl+B, Ctrl+I, Ctrl+U, Ctrl+= (subscript) and Ctrl+Maj+= (superscript, also Ctrl++).
// A format applies to the selection, or else to what is typed next at the cursor; the toggles
// show the format at the cursor.

#include <QColor>
#include <QWidget>

#include <array>

class QKeyEvent;
class QLineEdit;
class QMenu;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace exercises {

class FormatBar : public QWidget {
    Q_OBJECT
public:
    // The bar of text, shown while writing; fileName is the box that names what the text
    // area holds (empty over the information text).
    FormatBar(QTextEdit* text, QLineEdit* fileName, QWidget* parent);

    QToolButton* bold;
    QToolButton* italic;
    QToolButton* underline;
    QToolButton* subscript;
    QToolButton* superscript;
    QToolButton* colour; // pops up colourMenu through the modal seam
    QMenu* colourMenu;

    // The text can be typed in and holds an exercise or a text.
    bool writingMode() const;

    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    void toggleSubscript();
    void toggleSuperscript();
    void chooseColour();
    void setColour(const QColor& colour);

    // The colours offered, by their names ("Noir", "Rouge"...).
    struct NamedColour {
        const char* name;
        QColor colour;
    };
    static const std::array<NamedColour, 6> colours;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The shortcut a key is, or nullptr.
    void (FormatBar::*shortcutOf(const QKeyEvent* key) const)();
    void merge(const QTextCharFormat& format);
    void showFormat();
    void updateMode();

    QTextEdit* text_;
    QLineEdit* fileName_;
};

} // namespace exercises
