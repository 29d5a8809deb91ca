// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Images made ahead of need, on a second thread. The system gives a new image its memory page
// by page, as each page is first written: for the main window's first pictures (four megabytes)
// that is a thousand interruptions of the start. Made ahead while the application connects to
// the display, their memory is ready when the pictures are made. Each image made ahead is taken
// once, by the first picture of its size that asks for one; a picture that finds none makes its
// own, as it always did.

#include <QImage>
#include <QSize>

#include <vector>

namespace drawing {

// The format of every picture's image.
inline constexpr QImage::Format pictureFormat = QImage::Format_RGB32;

// Makes an image of each size (device pixels, pictureFormat) on the calling thread, and offers
// each to the pictures as soon as it is made.
void makeImagesAhead(const std::vector<QSize>& sizes);

// An image of that size made ahead, if one is ready, without waiting; a null image otherwise.
// Its pixels are left as they are: the taker fills them.
QImage takeImageMadeAhead(QSize size);

// Lets go of the images made ahead that no picture took (pictures of other sizes than foreseen,
// on a dense screen or with other fonts), and of those still being made.
void dropImagesMadeAhead();

} // namespace drawing
