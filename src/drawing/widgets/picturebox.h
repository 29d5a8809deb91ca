// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widget that shows a retained picture. It owns the Picture, is sized to it, paints by
// copying the image (nothing of the drawing is made in paintEvent; only the focus mark is
// painted over it), and may hold child controls placed over the drawing. The picture is made
// at the device pixel ratio of the widget's screen.
//
// For assistive technology a picture may name parts of its drawing (the flask of the bench,
// the tabs of the tab strip, the columns of the graph): each part is an accessible object of
// its own, a child of the picture after its child controls, with a role, a name and a
// description that its owner keeps up to date. A part may be a table, read cell by cell
// under the headers of its columns.

#include "a11y/text_table.h"
#include "drawing/picture.h"

#include <QAccessible>
#include <QWidget>

#include <vector>

namespace drawing {

struct PicturePart {
    QAccessible::Role role = QAccessible::Graphic;
    QString name;
    QString description;
    QRect rect;              // in the picture's logical pixels
    bool selected = false;   // a tab: the one shown
    a11y::TextTable table{}; // a table drawn in the picture: read as a table (role Table)
};

class PicturePartObject;

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

    // The picture's own role for assistive technology (a client area unless set).
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }
    QAccessible::Role accessibleRole() const { return role_; }

    // The parts of the drawing: their number (new parts are blank), and each part. A change
    // of a part's name or selection is told to assistive technology at once, a change of its
    // description when `notify` is true; a description changed without telling is told at
    // the next call that tells, if it still differs from what was last told (the flow of the
    // burette changes the descriptions at every step and tells them once it stops).
    void setPartCount(int count);
    int partCount() const { return int(parts_.size()); }
    const PicturePart& part(int index) const;
    void setPart(int index, const PicturePart& part, bool notify = true);
    // The object that stands for a part (what accessibility events are sent from).
    QObject* partObject(int index) const;

    // While the picture has the keyboard focus, a dotted rectangle is drawn around r (logical
    // pixels); an empty r draws none.
    void setFocusMark(const QRect& r);

    // The parts reached with the keyboard: shown to assistive technology as one list of that
    // name, whose items they are. While the picture has the focus (give it a policy with Tab)
    // one part is the current one, told as focused, the focus mark around it; the arrows,
    // Home and End go from part to part.
    void setPartList(const QString& name);
    const QString& partListName() const { return partListName_; }
    QObject* partListObject() const;
    int currentPart() const { return currentPart_; }

signals:
    void pressed(Qt::MouseButton button, QPoint pos);
    void released(Qt::MouseButton button, QPoint pos);
    // A change of a part was told to assistive technology (sent even when none listens).
    void partTold(int index, QAccessible::Event type);
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
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tellCurrentPart();
    qreal screenRatio() const;
    void tell(int index, QAccessible::Event type);
    void followScreen();
    bool following_ = false;
    Picture picture_;
    QAccessible::Role role_ = QAccessible::Client;
    // What each part shows and what assistive technology was last told of it.
    struct PartState {
        PicturePart shown;
        PicturePart told;
        PicturePartObject* object = nullptr;
    };
    std::vector<PartState> parts_;
    QRect focusMark_;
    QString partListName_;
    QObject* partList_ = nullptr;
    int currentPart_ = 0;
};

} // namespace drawing
