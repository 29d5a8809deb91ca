// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/widgets/picturebox.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace drawing {

PictureBox::PictureBox(int width, int height, QWidget* parent, QColor background)
    : QWidget(parent), picture_(width, height, 1.0, background) {
    picture_.setDevicePixelRatio(screenRatio());
    setFixedSize(width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

qreal PictureBox::screenRatio() const {
    if (const QScreen* s = screen()) return s->devicePixelRatio();
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->devicePixelRatio();
    return 1.0;
}

void PictureBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!following_) {
        if (QWindow* w = window()->windowHandle()) {
            connect(w, &QWindow::screenChanged, this, &PictureBox::followScreen);
            following_ = true;
        }
    }
    followScreen();
}

void PictureBox::followScreen() {
    const qreal ratio = screenRatio();
    if (ratio == picture_.devicePixelRatio()) return;
    picture_.rescale(ratio);
    update();
    emit devicePixelRatioChanged();
}

void PictureBox::setPictureSize(int width, int height) {
    picture_.resize(width, height);
    setFixedSize(width, height);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    picture_.paintOn(p, event->rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->buttons(), event->position().toPoint());
}

} // namespace drawing
