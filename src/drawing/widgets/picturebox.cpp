// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/widgets/picturebox.h"

#include "a11y/tell.h"
#include "drawing/widgets/focus_mark.h"
#include "picture_accessible.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
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
    // The current part is told after the picture itself, which Qt tells of once this returns.
    // Moved to by the user, it says its own description again; back from another window, a
    // sentence told on it meanwhile is read.
    const auto reason = event->reason();
    if (partList_ && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
        currentPart_ < partCount())
        a11y::forgetTold(partObject(currentPart_));
    if (partList_) QTimer::singleShot(0, this, [this] { tellCurrentPart(); });
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int count = partCount();
    if (!partList_ || count == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    int to = currentPart_;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        to = std::max(0, currentPart_ - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        to = std::min(count - 1, currentPart_ + 1);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (to == currentPart_) return;
    a11y::forgetTold(partObject(currentPart_));
    currentPart_ = to;
    a11y::forgetTold(partObject(to));
    setFocusMark(part(to).rect);
    tellCurrentPart();
}

void PictureBox::setPartList(const QString& name) {
    partListName_ = name;
    if (!partList_ && !name.isEmpty()) partList_ = new PicturePartListObject(this);
}

QObject* PictureBox::partListObject() const {
    return partList_;
}

void PictureBox::tellCurrentPart() {
    if (!hasFocus() || currentPart_ >= partCount()) return;
    setFocusMark(part(currentPart_).rect);
    tell(currentPart_, QAccessible::Focus);
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
    currentPart_ = std::min(currentPart_, std::max(count - 1, 0));
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
    const bool reshaped = state.shown.table.rowCount() != part.table.rowCount() ||
                          state.shown.table.columnCount() != part.table.columnCount() ||
                          state.shown.table.headers.isEmpty() != part.table.headers.isEmpty();
    state.shown = part;
    if (partList_ && index == currentPart_) setFocusMark(part.rect);
    if (reshaped) {
        state.object->tableReshaped();
        QAccessibleEvent event(state.object, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
    PicturePart& told = state.told;
    const bool nameChanged = told.name != part.name;
    const bool descriptionChanged = notify && told.description != part.description;
    // A new description takes the place of a sentence told on the part.
    if (descriptionChanged) a11y::forgetTold(state.object);
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
