// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/widgets/picturebox.h"

#include "drawing/widgets/focus_mark.h"
#include "picture_accessible.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace drawing {

PictureBox::PictureBox(int width, int height, QWidget* parent, QColor background)
    : QWidget(parent), picture_(width, height, 1.0, background) {
    installPictureAccessibility();
    // Made blank at the density of ordinary screens: made again only for a denser screen.
    if (const qreal ratio = screenRatio(); ratio != picture_.devicePixelRatio())
        picture_.setDevicePixelRatio(ratio);
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
    if (hasFocus()) drawFocusMark(p, focusMark_);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(focusMark_);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(focusMark_);
}

void PictureBox::setFocusMark(const QRect& r) {
    if (r == focusMark_) return;
    if (hasFocus()) update(focusMark_.united(r));
    focusMark_ = r;
}

// ---- Parts of the drawing, for assistive technology ----

void PictureBox::setPartCount(int count) {
    count = std::max(count, 0);
    if (count == partCount()) return;
    while (partCount() > count) {
        delete parts_.back().object;
        parts_.pop_back();
    }
    while (partCount() < count)
        parts_.push_back({{}, {}, new PicturePartObject(this, partCount())});
    QAccessibleEvent event(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

const PicturePart& PictureBox::part(int index) const {
    return parts_.at(std::size_t(index)).shown;
}

QObject* PictureBox::partObject(int index) const {
    return parts_.at(std::size_t(index)).object;
}

void PictureBox::setPart(int index, const PicturePart& part, bool notify) {
    PartState& state = parts_.at(std::size_t(index));
    state.shown = part;
    PicturePart& told = state.told;
    const bool nameChanged = told.name != part.name;
    const bool descriptionChanged = notify && told.description != part.description;
    const bool selectionChanged = told.selected != part.selected;
    told.name = part.name;
    told.selected = part.selected;
    if (notify) told.description = part.description;
    if (nameChanged) tell(index, QAccessible::NameChanged);
    if (descriptionChanged) tell(index, QAccessible::DescriptionChanged);
    if (selectionChanged)
        tell(index, part.selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
}

void PictureBox::tell(int index, QAccessible::Event type) {
    QAccessibleEvent event(parts_.at(std::size_t(index)).object, type);
    QAccessible::updateAccessibility(&event);
    emit partTold(index, type);
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
