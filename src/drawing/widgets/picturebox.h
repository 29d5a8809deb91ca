// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget that shows a retained picture. It owns the Picture, is sized to it, paints by
// copying the image (nothing is drawn in paintEvent), and may hold child controls placed over
// the drawing. The picture is made at the device pixel ratio of the widget's screen.

#include "drawing/picture.h"

#include <QWidget>

namespace drawing {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(int width, int height, QWidget* parent = nullptr,
                        QColor background = Qt::white);

    Picture& picture() { return picture_; }
    const Picture& picture() const { return picture_; }

    // Resizes the picture and the widget together; the drawing is lost.
    void setPictureSize(int width, int height);

    // Schedules a repaint of everything, or of the logical rectangle r, after drawing.
    void refresh() { update(); }
    void refresh(const QRect& r) { update(r); }

signals:
    void pressed(Qt::MouseButton button, QPoint pos);
    void released(Qt::MouseButton button, QPoint pos);
    void moved(Qt::MouseButtons buttons, QPoint pos);
    // The widget went to a screen of another density: the picture was resampled and its
    // owner may redraw it sharp.
    void devicePixelRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    qreal screenRatio() const;
    void followScreen();
    bool following_ = false;
    Picture picture_;
};

} // namespace drawing
