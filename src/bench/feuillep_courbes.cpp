// SPDX-License-Identifier: GPL-3.0-or-later
// "Courbes" for an acid-base titration followed with a probe: the measured curve pH = f(V) or
// σ = f(V) through the readings taken so far, the controls of the student's methods in the
// band at the bottom of the tab, the mouse on the plot placing the constructions, the same
// curve for copies and printing (without the band), and the curve in words.
#include "bench/courbes_methods.h"
#include "bench/feuillep.h"

#include "drawing/widgets/picturebox.h"
#include "numbers/reading.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace bench {

namespace {

namespace ab = model::acidbase;

const QString courbesName = QStringLiteral("Courbes et tableau d'avancement");

} // namespace

void FeuilleP::connectCourbesMouse() {
    connect(tabcourbes, &drawing::PictureBox::pressed, this, [this](Qt::MouseButton b, QPoint pos) {
        if (b == Qt::LeftButton) courbesMouse(QEvent::MouseButtonPress, pos);
    });
    connect(tabcourbes, &drawing::PictureBox::moved, this, [this](Qt::MouseButtons b, QPoint pos) {
        if (b & Qt::LeftButton) courbesMouse(QEvent::MouseMove, pos);
    });
    connect(tabcourbes, &drawing::PictureBox::released, this,
            [this](Qt::MouseButton b, QPoint pos) {
                if (b == Qt::LeftButton) courbesMouse(QEvent::MouseButtonRelease, pos);
            });
}

CourbesMethods* FeuilleP::courbesMethods() const {
    // Built the first time they are needed: many sessions never show a measured curve. They
    // then take their place in the order of the keyboard.
    if (!courbesMethods_) {
        auto* self = const_cast<FeuilleP*>(this);
        self->courbesMethods_ = new CourbesMethods(tabcourbes);
        courbesMethods_->hide();
        connect(courbesMethods_, &CourbesMethods::changed, self, [self] { self->refcourbes(); });
        self->updateFocusChain();
    }
    return courbesMethods_;
}

bool FeuilleP::measuredCurveShown() const {
    return acidBaseTitration() >= 0 && probeList->currentIndex() != int(ab::Probe::None);
}

drawing::MeasuredCurveInputs FeuilleP::measuredCurveInputs(bool withControls) const {
    drawing::MeasuredCurveInputs in;
    in.reading = probeList->currentIndex() == int(ab::Probe::Conductimeter)
                     ? drawing::Reading::Conductivity
                     : drawing::Reading::PH;
    in.points = measuredPoints();
    in.pouredVolume = std::max(0.0, numbers::parseBenchDouble(text(5).toStdString()));
    in.derivative = courbesMethods()->derivative();
    in.method = courbesMethods()->choice();
    if (withControls) {
        in.selectedContact = courbesMethods()->selectedContact();
        in.controlsHeight = CourbesMethods::bandHeight;
    }
    return in;
}

// Draws the measured curve when it is the tab's; the band of the controls is shown with it
// and hidden otherwise.
bool FeuilleP::measuredCurve() {
    const bool shown = measuredCurveShown();
    if (shown || courbesMethods_) courbesMethods()->setVisible(shown);
    if (!shown) {
        measuredFrame_.reset();
        tabcourbes->setPartCount(0);
        if (tabcourbes->accessibleName() != courbesName) tabcourbes->setAccessibleName(courbesName);
        return false;
    }
    drawing::Picture& pic = tabcourbes->picture();
    courbesMethods()->setGeometry(0, pic.height() - CourbesMethods::bandHeight, pic.width(),
                                  CourbesMethods::bandHeight);
    // The methods offered and the volumes their boxes step through follow the readings.
    courbesMethods()->setCurve(probeList->currentIndex() == int(ab::Probe::Conductimeter)
                                   ? drawing::Reading::Conductivity
                                   : drawing::Reading::PH,
                               measuredPoints());
    const drawing::MeasuredCurveInputs in = measuredCurveInputs(true);
    const drawing::MeasuredFrameKey key = drawing::measuredFrameKey(pic, in);
    if (courbesStale_ || measuredFrame_ != key) {
        drawing::majMeasuredCurve(pic, in);
        measuredFrame_ = key;
        measuredResult_.clear();
        courbesStale_ = false;
    }
    const QRect plot = drawing::refMeasuredCurve(pic, in, &measuredResult_).frame.plot;
    tabcourbes->refresh();
    updateCourbesPart(in, plot);
    return true;
}

// The mouse on the plot: a press within it takes the construction nearest the volume under
// the pointer, a drag moves it along the readings (never beyond the volume poured).
void FeuilleP::courbesMouse(QEvent::Type type, QPoint pos) {
    if (!measuredCurveShown()) return;
    const drawing::MeasuredCurveInputs in = measuredCurveInputs(true);
    const drawing::PlotFrame frame = drawing::measuredCurveLayout(tabcourbes->picture(), in).frame;
    const double volume = std::clamp(frame.volumeAt(pos.x()), 0.0, in.pouredVolume);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (frame.plot.adjusted(-4, -4, 4, 4).contains(pos)) courbesMethods()->press(volume);
        break;
    case QEvent::MouseMove:
        courbesMethods()->drag(volume);
        break;
    default:
        courbesMethods()->release(volume);
        break;
    }
}

// The curve in words, a chart the tab holds: told once the flow has stopped.
void FeuilleP::updateCourbesPart(const drawing::MeasuredCurveInputs& in, const QRect& plot) {
    const QString title = in.reading == drawing::Reading::PH ? QStringLiteral("pH = f(V)")
                                                             : QStringLiteral("σ = f(V)");
    const QString name = QStringLiteral("Courbe ") + title;
    if (tabcourbes->accessibleName() != name) tabcourbes->setAccessibleName(name);
    tabcourbes->setPartCount(1);
    drawing::PicturePart chart;
    chart.role = QAccessible::Chart;
    chart.name = name;
    chart.description = drawing::measuredCurveWords(in);
    chart.rect = plot;
    tabcourbes->setPart(0, chart, !Timer1.isActive() && !Timer2.isActive());
}

} // namespace bench
