// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

namespace bench {

ImageButton::ImageButton(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::setPicture(const QImage& image) {
    picture_ = image;
    setPixmap(QPixmap::fromImage(image));
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    down_ = true;
    event->accept();
    emit pressed();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!down_) return;
    down_ = false;
    emit released();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit pressed();
        emit released();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

FilteredKey filterKey(QChar typed) {
    if (typed.isDigit() && typed.unicode() < 128) return {KeyAction::Pass, typed};
    if (typed == u'.') return {KeyAction::Pass, u','};
    if (typed == u',' || typed == u'-' || typed == u'\b') return {KeyAction::Pass, typed};
    if (typed == u'\r' || typed == u'\n') return {KeyAction::Validate, typed};
    return {KeyAction::Swallow, typed};
}

QString filterText(const QString& text) {
    QString out;
    for (QChar c : text) {
        FilteredKey k = filterKey(c);
        if (k.action == KeyAction::Pass && k.character != u'\b') out += k.character;
    }
    return out;
}

} // namespace bench
