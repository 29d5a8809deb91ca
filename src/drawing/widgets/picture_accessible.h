// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology sees of a picture box: the picture with its child controls and
// the parts of its drawing after them. Kept to this library.

#include "a11y/text_table.h"

#include <QObject>

#include <memory>

namespace drawing {

class PictureBox;

// The object that stands for one part of a picture's drawing; its accessible interface reads
// the part from the picture. A part that is a table keeps the accessible cells of its table.
class PicturePartObject : public QObject {
public:
    PicturePartObject(PictureBox* box, int index);
    ~PicturePartObject() override;
    PictureBox* box() const { return box_; }
    int index() const { return index_; }
    a11y::TableCells& cells();
    // The table changed shape: its cells are made again when asked for.
    void tableReshaped();

private:
    PictureBox* box_;
    int index_;
    std::unique_ptr<a11y::TableCells> cells_;
};

// The list that holds the parts of a picture reached with the keyboard.
class PicturePartListObject : public QObject {
public:
    explicit PicturePartListObject(PictureBox* box);
    PictureBox* box() const { return box_; }

private:
    PictureBox* box_;
};

// Makes the accessible interfaces of picture boxes and of their parts (once per program).
void installPictureAccessibility();

} // namespace drawing
