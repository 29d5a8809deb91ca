// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology sees of a picture box: the picture with its child controls and
// the parts of its drawing after them. Kept to this library.

#include <QObject>

namespace drawing {

class PictureBox;

// The object that stands for one part of a picture's drawing; its accessible interface reads
// the part from the picture.
class PicturePartObject : public QObject {
public:
    PicturePartObject(PictureBox* box, int index);
    PictureBox* box() const { return box_; }
    int index() const { return index_; }

private:
    PictureBox* box_;
    int index_;
};

// Makes the accessible interfaces of picture boxes and of their parts (once per program).
void installPictureAccessibility();

} // namespace drawing
