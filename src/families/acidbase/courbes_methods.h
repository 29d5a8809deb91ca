// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the "Courbes" tab of an acid-base titration followed with a probe, in the
// band the measured curve leaves at the bottom of the tab (measured_curve.h): the
// method of the equivalence, the derivative dpH/dV on demand, σ corrected for the dilution on
// demand, and where the method's
// constructions stand: the points of contact of the two parallel tangents, or the ranges of the
// readings each straight line is fitted on. The volumes are typed, or stepped from one reading
// to the next with the arrow keys; the mouse on the plot takes the nearer point of contact and
// moves it along the curve, or sweeps the range of the line on its side. Every control has a
// French name for screen readers.

#include "families/acidbase/measured_curve.h"
#include "model/acidbase/student_methods.h"

#include <QDoubleSpinBox>
#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace families {

// A volume of the curve, in mL with a decimal comma, whose arrows step from one measured
// volume to the next (a volume typed between two readings steps to the nearer one beyond it).
class VolumeBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit VolumeBox(QWidget* parent = nullptr);
    void setVolumes(std::vector<double> volumes); // the readings' volumes, in increasing order
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    std::vector<double> volumes_;
};

class CourbesMethods : public QWidget {
    Q_OBJECT
public:
    // The height of the band the controls take.
    static constexpr int bandHeight = 54;

    explicit CourbesMethods(QWidget* parent = nullptr);

    // The readings so far (up to the volume poured) and what they are: the methods offered
    // (the derivative and the tangents for a pH, the two lines for a conductivity) and the
    // volumes the boxes step through. A method that does not fit the reading is dropped. The
    // ranges of the two lines start again on the default ranges of the readings when the curve
    // is a new one: another reading, other values at the volumes read so far (another solution
    // or situation), or no more than the first reading (the burette emptied or refilled).
    void setCurve(drawing::Reading reading, const std::vector<model::acidbase::Point>& points);

    model::acidbase::MethodChoice choice() const;
    bool derivative() const;
    // σ corrected for the dilution asked for (a conductivity only).
    bool dilutionCorrected() const;
    // The point of contact that the keys move and the mouse took last: 1 or 2; 0 with another
    // method.
    int selectedContact() const;

    // The mouse on the plot, at a volume: a press takes the nearer point of contact, or starts
    // the range of the line on its side (the first line left of the middle between the two
    // ranges); a drag moves the point or sweeps the range; the release ends it.
    void press(double volume);
    void drag(double volume);
    void release(double volume);

    // The controls in the order of the keyboard focus, as they stand on the screen.
    std::vector<QWidget*> focusOrder() const;

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override; // a contact box takes the focus

private:
    void methodChosen();
    void setRanges(const model::acidbase::LineRanges& ranges);
    void nameDerivative(); // "maximum de la dérivée", or "minimum" on a falling curve
    void showRows();
    void emitChanged();
    VolumeBox* box(const QString& name);

    drawing::Reading reading_ = drawing::Reading::PH;
    std::vector<model::acidbase::Point> points_;
    QComboBox* method_ = nullptr;
    QCheckBox* derivative_ = nullptr;
    QCheckBox* dilution_ = nullptr;
    QWidget* tangentsRow_ = nullptr;
    QWidget* linesRow_ = nullptr;
    VolumeBox* contacts_[2] = {};
    VolumeBox* ranges_[4] = {}; // line 1 from, to; line 2 from, to
    int selected_ = 1;
    int dragged_ = 0; // 1, 2: a contact; 3, 4: line 1 or 2; 0: none
    double dragStart_ = 0;
    bool quiet_ = false; // while the boxes are set by program
    // The ranges of the lines are the student's own: kept until the curve is a new one.
    // Otherwise they follow the default ranges of the readings.
    bool ownRanges_ = false;
};

} // namespace families
