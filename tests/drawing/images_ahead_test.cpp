// SPDX-License-Identifier: GPL-3.0-or-later
// Images made ahead on another thread, taken once each by the pictures of their size; and the
// copies of a picture, which stay as they were whatever memory the picture draws in.
#include "drawing/images_ahead.h"
#include "drawing/picture.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>
#include <thread>

#include "drawing/drawing_test_support.h"

namespace {

using drawing::Picture;

// True when every pixel of the image has that colour.
bool allOf(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != colour) return false;
    return true;
}

TEST(ImagesAhead, EachIsTakenOnceByAPictureOfItsSizeWhichFillsIt) {
    support::application();
    const QSize size(23, 17); // no other picture of the tests has it
    const QSize other(31, 7);
    std::thread([&] { drawing::makeImagesAhead({size, size, other}); }).join();

    // The image made ahead holds black pixels: the picture fills it with its colour.
    const QColor back(10, 200, 30);
    Picture pic(size.width(), size.height(), 1.0, back);
    EXPECT_TRUE(allOf(pic.image(), back));
    pic.fillBox(2, 2, 5, 5, Qt::red);
    pic.keepAsBackground(); // the second one
    EXPECT_TRUE(drawing::takeImageMadeAhead(size).isNull()) << "each image is taken once";
    pic.fillBox(10, 10, 12, 12, Qt::blue);
    pic.clear();
    EXPECT_EQ(pic.pixel(11, 11), back);
    EXPECT_EQ(pic.pixel(3, 3), QColor(Qt::red));
    pic.fillBox(2, 2, 5, 5, Qt::green);
    pic.clear();
    EXPECT_EQ(pic.pixel(3, 3), QColor(Qt::red)) << "the background stays through clearings";

    const QImage left = drawing::takeImageMadeAhead(other);
    EXPECT_EQ(left.size(), other);
    EXPECT_EQ(left.format(), drawing::pictureFormat);
    EXPECT_TRUE(drawing::takeImageMadeAhead(other).isNull());
}

TEST(ImagesAhead, ThoseNoPictureTookAreLetGo) {
    const QSize size(29, 3);
    drawing::makeImagesAhead({size, size});
    drawing::dropImagesMadeAhead();
    EXPECT_TRUE(drawing::takeImageMadeAhead(size).isNull());
    drawing::makeImagesAhead({size}); // made again afterwards, they are offered again
    EXPECT_FALSE(drawing::takeImageMadeAhead(size).isNull());
    EXPECT_TRUE(drawing::takeImageMadeAhead(size).isNull());
}

TEST(PictureCopies, StayAsTheyWereWhenThePictureIsClearedOrKeepsAnotherBackground) {
    support::application();
    Picture pic(20, 20, 1.0, Qt::white);
    pic.fillBox(0, 0, 4, 4, Qt::red);
    pic.keepAsBackground();
    // After a clearing and a drawing, the picture and its background each have memory of their
    // own, which the next clearing and the next background reuse.
    pic.fillBox(10, 10, 14, 14, Qt::blue);
    pic.clear();
    pic.fillBox(10, 10, 14, 14, Qt::green);

    const QImage shown = pic.image(); // a copy, as the clipboard takes one
    const QImage kept = pic.background();
    pic.clear();
    EXPECT_EQ(shown.pixelColor(12, 12), QColor(Qt::green));
    EXPECT_EQ(pic.pixel(12, 12), QColor(Qt::white));

    pic.fillBox(0, 0, 4, 4, Qt::blue);
    pic.keepAsBackground();
    EXPECT_EQ(kept.pixelColor(2, 2), QColor(Qt::red));
    pic.fillBox(0, 0, 4, 4, Qt::green);
    pic.clear();
    EXPECT_EQ(pic.pixel(2, 2), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(2, 2), QColor(Qt::red));
}

} // namespace
