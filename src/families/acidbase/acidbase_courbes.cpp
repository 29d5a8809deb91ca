// SPDX-License-Identifier: GPL-3.0-or-later
// "Courbes" for an acid-base titration: followed with a probe, the measured curve pH = f(V) or
// σ = f(V) through the readings taken so far, the controls of the student's methods in the band
// at the bottom of the tab, the mouse on the plot placing the constructions and the curve in
// words; without a probe, the curves of the amounts with the progress tables.
#include "families/acidbase/acidbase_family.h"

#include "drawing/widgets/picturebox.h"
#include "families/acidbase/courbes_acidbase.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace families {

namespace {

namespace ab = model::acidbase;

const QString courbesName = QStringLiteral("Courbes et tableau d'avancement");

} // namespace

void AcidBaseFamily::connectCourbesMouse() {
    drawing::PictureBox* tabcourbes = widgets().courbes;
    QObject::connect(tabcourbes, &drawing::PictureBox::pressed, tabcourbes,
                     [this](Qt::MouseButton b, QPoint pos) {
                         if (b == Qt::LeftButton) courbesMouse(QEvent::MouseButtonPress, pos);
                     });
    QObject::connect(tabcourbes, &drawing::PictureBox::moved, tabcourbes,
                     [this](Qt::MouseButtons b, QPoint pos) {
                         if (b & Qt::LeftButton) courbesMouse(QEvent::MouseMove, pos);
                     });
    QObject::connect(tabcourbes, &drawing::PictureBox::released, tabcourbes,
                     [this](Qt::MouseButton b, QPoint pos) {
                         if (b == Qt::LeftButton) courbesMouse(QEvent::MouseButtonRelease, pos);
                     });
}

CourbesMethods* AcidBaseFamily::courbesMethods() const {
    // Built the first time they are needed: many sessions never show a measured curve. They
    // then take their place in the order of the keyboard.
    if (!courbesMethods_) {
        courbesMethods_ = new CourbesMethods(widgets().courbes);
        courbesMethods_->hide();
        QObject::connect(courbesMethods_, &CourbesMethods::changed, courbesMethods_,
                         [this] { bench().refcourbes(); });
        bench().updateFocusChain();
    }
    return courbesMethods_;
}

bool AcidBaseFamily::measuredCurveShown() const {
    return titration() >= 0 && probeList->currentIndex() != int(ab::Probe::None);
}

drawing::MeasuredCurveInputs AcidBaseFamily::measuredCurveInputs(bool withControls) const {
    drawing::MeasuredCurveInputs in;
    in.reading = probeList->currentIndex() == int(ab::Probe::Conductimeter)
                     ? drawing::Reading::Conductivity
                     : drawing::Reading::PH;
    in.points = measuredPoints();
    in.pouredVolume = bench().pouredVolume();
    in.derivative = courbesMethods()->derivative();
    if (in.reading == drawing::Reading::Conductivity && courbesMethods()->dilutionCorrected()) {
        const ab::Preparation p = setup().preparation;
        in.points = ab::dilutionCorrected(in.points, p.sampleVolume + p.waterVolume);
        in.dilutionCorrected = true;
    }
    in.method = courbesMethods()->choice();
    if (withControls) {
        in.selectedContact = courbesMethods()->selectedContact();
        in.controlsHeight = CourbesMethods::bandHeight;
    }
    return in;
}

void AcidBaseFamily::leaveCourbes() {
    drawing::PictureBox* tabcourbes = widgets().courbes;
    if (courbesMethods_) courbesMethods_->setVisible(false);
    measuredFrame_.reset();
    tabcourbes->setPartCount(0);
    if (tabcourbes->accessibleName() != courbesName) tabcourbes->setAccessibleName(courbesName);
}

void AcidBaseFamily::drawCourbes(bool& stale) {
    if (measuredCurve(stale)) return;
    drawing::AcidBaseCourbesInputs in;
    in.preparation = setup().preparation;
    in.pouredVolume = bench().pouredVolume();
    in.scaleMax = bench().scaleMax();
    in.hidden = bench().sampleHidden();
    drawing::PictureBox* tabcourbes = widgets().courbes;
    if (stale) {
        drawing::drawAcidBaseCurvesBackground(tabcourbes->picture(), in);
        stale = false;
    }
    drawing::drawAcidBaseCurves(tabcourbes->picture(), in);
    tabcourbes->refresh();
}

void AcidBaseFamily::describeCourbes() {
    // The measured curve tells itself as it is drawn; the others are not told.
    drawing::PictureBox* tabcourbes = widgets().courbes;
    if (tabcourbes->isHidden() || bench().flowing() || measuredCurveShown()) return;
    tabcourbes->setPartCount(0);
}

// Draws the measured curve when it is the tab's; the band of the controls is shown with it
// and hidden otherwise.
bool AcidBaseFamily::measuredCurve(bool& stale) {
    const bool shown = measuredCurveShown();
    if (!shown) {
        leaveCourbes();
        return false;
    }
    courbesMethods()->setVisible(true);
    drawing::PictureBox* tabcourbes = widgets().courbes;
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
    if (stale || measuredFrame_ != key) {
        drawing::drawMeasuredCurveBackground(pic, in);
        measuredFrame_ = key;
        measuredResult_.clear();
        stale = false;
    }
    const QRect plot = drawing::drawMeasuredCurve(pic, in, &measuredResult_).frame.plot;
    tabcourbes->refresh();
    describeMeasuredCurve(in, plot);
    return true;
}

// The mouse on the plot: a press within it takes the construction nearest the volume under
// the pointer, a drag moves it along the readings (never beyond the volume poured).
void AcidBaseFamily::courbesMouse(QEvent::Type type, QPoint pos) {
    if (!measuredCurveShown()) return;
    const drawing::MeasuredCurveInputs in = measuredCurveInputs(true);
    const drawing::PlotFrame frame =
        drawing::measuredCurveLayout(widgets().courbes->picture(), in).frame;
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
void AcidBaseFamily::describeMeasuredCurve(const drawing::MeasuredCurveInputs& in,
                                           const QRect& plot) {
    drawing::PictureBox* tabcourbes = widgets().courbes;
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
    tabcourbes->setPart(0, chart, !bench().flowing());
}

} // namespace families
