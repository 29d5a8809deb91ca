// SPDX-License-Identifier: GPL-3.0-or-later
// The small pictures of the bench's image controls, drawn in code: the burette tap closed and
// open, the drop, the random-concentration die and the exercises button.

#include "drawing/bench_drawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace drawing {

namespace {

QImage blank(QSize size, qreal ratio) {
    if (ratio <= 0) ratio = 1.0;
    QImage img(size * ratio, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(ratio);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    img.fill(Qt::transparent);
    return img;
}

const QColor outline(60, 60, 60);

} // namespace

// The key of the stopcock, to the right of the tap body: a paddle across the burette when
// closed, along it when open.
QImage tapPicture(bool open, qreal devicePixelRatio) {
    QImage img = blank(tapImageSize, devicePixelRatio);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, 1));
    // The plug's stem coming out of the tap body, centred on the body's middle row.
    p.setBrush(QColor(225, 225, 225));
    p.drawRect(QRectF(0.5, 12.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QRectF(5.5, 10.5, 6, 9));
    QLinearGradient paddle(0, 0, 1, 1);
    paddle.setCoordinateMode(QGradient::ObjectMode);
    paddle.setColorAt(0, QColor(250, 250, 255));
    paddle.setColorAt(1, QColor(170, 185, 205));
    p.setBrush(paddle);
    if (open)
        p.drawRoundedRect(QRectF(11.5, 0.5, 8, 29), 4, 4);
    else
        p.drawRoundedRect(QRectF(9.5, 11.5, 14, 7), 3.5, 3.5);
    // A groove on the paddle shows its orientation.
    p.setPen(QPen(QColor(120, 130, 150), 1));
    if (open)
        p.drawLine(QPointF(15.5, 4), QPointF(15.5, 26));
    else
        p.drawLine(QPointF(12, 15), QPointF(21, 15));
    return img;
}

QImage dropPicture(qreal devicePixelRatio) {
    QImage img = blank(dropImageSize, devicePixelRatio);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath drop;
    drop.moveTo(8, 1);
    drop.cubicTo(9, 5, 13, 7.5, 13, 10.5);
    drop.cubicTo(13, 13.5, 10.8, 15, 8, 15);
    drop.cubicTo(5.2, 15, 3, 13.5, 3, 10.5);
    drop.cubicTo(3, 7.5, 7, 5, 8, 1);
    QLinearGradient body(4, 4, 12, 15);
    body.setColorAt(0, QColor(225, 238, 250));
    body.setColorAt(1, QColor(120, 160, 205));
    p.setPen(QPen(QColor(60, 90, 130), 1));
    p.setBrush(body);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QRectF(5.2, 9, 2.2, 3.2));
    return img;
}

// A die: the concentration is drawn at random.
QImage randomButtonPicture(qreal devicePixelRatio) {
    QImage img = blank(randomButtonSize, devicePixelRatio);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 20, 20);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(215, 215, 220));
    p.setPen(QPen(outline, 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 20, 20));
    for (const QPointF c :
         {QPointF(6, 6), QPointF(14, 6), QPointF(10, 10), QPointF(6, 14), QPointF(14, 14)})
        p.drawEllipse(c, 1.7, 1.7);
    return img;
}

// The exercises button: an open book, the word and the mark of a menu.
QImage exercisesButtonPicture(qreal devicePixelRatio) {
    QImage img = blank(exercisesButtonSize, devicePixelRatio);
    const QRectF frame(0.5, 0.5, exercisesButtonSize.width() - 1.0,
                       exercisesButtonSize.height() - 1.0);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, exercisesButtonSize.height());
    face.setColorAt(0, QColor(255, 255, 250));
    face.setColorAt(1, QColor(214, 214, 196));
    p.setPen(QPen(QColor(110, 110, 100), 1));
    p.setBrush(face);
    p.drawRect(frame);
    // Book.
    p.setPen(QPen(QColor(40, 70, 120), 1));
    p.setBrush(QColor(245, 245, 255));
    QPainterPath book;
    book.moveTo(4.5, 5.5);
    book.quadTo(8, 4, 11, 5.5);
    book.lineTo(11, 15);
    book.quadTo(8, 13.5, 4.5, 15);
    book.closeSubpath();
    book.moveTo(17.5, 5.5);
    book.quadTo(14, 4, 11, 5.5);
    book.lineTo(11, 15);
    book.quadTo(14, 13.5, 17.5, 15);
    book.closeSubpath();
    p.drawPath(book);
    p.setPen(QPen(QColor(150, 160, 190), 0.8));
    for (double y : {7.5, 9.5, 11.5}) {
        p.drawLine(QPointF(6, y), QPointF(9.8, y - 0.3));
        p.drawLine(QPointF(12.2, y - 0.3), QPointF(16, y));
    }
    // Word.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 20, 20));
    p.drawText(QRectF(22, 0, 60, exercisesButtonSize.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Exercices"));
    // Menu mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    const double cx = exercisesButtonSize.width() - 10.0;
    p.drawPolygon(QPolygonF({QPointF(cx - 3.5, 8), QPointF(cx + 3.5, 8), QPointF(cx, 12)}));
    return img;
}

} // namespace drawing
