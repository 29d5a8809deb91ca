// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The acid-base titrations: followed with a pH meter, a conductimeter or an indicator's colour.
// The family adds its own inputs to the preparation panel (the titrant's concentration, the
// distilled water added, the indicator, the probe), fills the beaker with the indicator's colour
// and the probe, draws the particles' graph, the indicator's scale and the curves (the measured
// curve with the student's methods when a probe reads it), and says them in words.

#include "families/acidbase/courbes_methods.h"
#include "families/acidbase/measured_curve.h"
#include "families/family.h"
#include "model/acidbase/meter_readings.h"
#include "model/acidbase/meters.h"

#include <QEvent>

#include <array>
#include <optional>

class QLabel;

namespace families {

class AcidBaseFamily : public Family {
public:
    void addListItems(QComboBox& list) const override;
    std::string_view listText(int index) const override;
    void build() override;
    void placePanel() override;
    std::vector<QWidget*> panelControls() const override;
    std::vector<QWidget*> sideControls() const override;
    void validateEdited(const QWidget* focused) override;

    drawing::FlaskContent flask() const override;
    model::ColourWord flaskColourWord(const drawing::LevelInputs& in, double volume) const override;
    drawing::TitrantText titrantText() const override;
    QString meterReading() const override;
    std::optional<drawing::PicturePart> meterPart() const override;

    float drawGraph(drawing::Picture& graph) const override;
    bool refreshGraph(drawing::Picture& graph, float scaleMax,
                      model::PresentAmounts& present) const override;
    QStringList graphColumns() const override;
    void paintScales() override;
    void drawCourbes(bool& stale) override;
    void describeCourbes() override;
    void leaveCourbes() override;

    QImage graphImage(qreal scale) const override;
    QImage courbesImage(qreal scale) const override;
    std::string tableText(std::string_view separator, std::string_view lineEnd) const override;
    void report(printing::ReportFacts& facts) const override;
    std::optional<grading::StoichiometricNumbers> numbers() const override;
    QString summary() const override;

    void storeChoices(files::FamilyChoices& choices) const override;
    void restoreChoices(const files::FamilyChoices& choices) override;

    // The panel's controls shown for an acid-base titration only (the sample's concentration
    // and volume are those of every family: the bench's first box and the pipette's list).
    QLineEdit* titrantBox = nullptr;    // the titrant's concentration, kept equal to box 1
    QLineEdit* waterBox = nullptr;      // the distilled water added, mL
    QComboBox* indicatorList = nullptr; // "aucun", then the seven indicators of the model
    QComboBox* probeList = nullptr;     // "pH-mètre", "conductimètre", "aucune"
    void titrantBox_LostFocus();
    void waterBox_LostFocus();

    // The titration chosen (an index of model::acidbase's catalogue), -1 while another
    // family's or none is chosen.
    int titration() const;
    // The set-up: the preparation (the sample's concentration is in it even while hidden:
    // whoever shows numbers from it keeps model::acidbase::revealsSample), the indicator and
    // the probe.
    model::acidbase::BenchSetup setup() const;
    // The volumes where the meter was read since the burette was last emptied: 0 mL, then
    // every tick of the flow, every stop of the tap and every drop that landed, increasing,
    // each once; and the probe's readings there (pH, or σ in mS·cm⁻¹).
    std::vector<double> measuredVolumes() const;
    const std::vector<model::acidbase::Point>& measuredPoints() const;
    // "Courbes" shows the measured curve: a titration followed with a probe. The controls of
    // its methods stand in the band left at the bottom of the tab.
    bool measuredCurveShown() const;
    CourbesMethods* courbesMethods() const; // built when first needed
    // The most water the panel accepts for the sample volume chosen: what the drawn flask
    // holds less the sample and a full burette, mL.
    double waterLimit() const;

private:
    void connectControls();
    void connectCourbesMouse();
    bool measuredCurve(bool& stale);
    drawing::MeasuredCurveInputs measuredCurveInputs(bool withControls) const;
    void courbesMouse(QEvent::Type type, QPoint pos);
    void describeMeasuredCurve(const drawing::MeasuredCurveInputs& in, const QRect& plot);

    std::array<QLabel*, 2> listLabels_{}; // what screen readers name the two lists by
    mutable CourbesMethods* courbesMethods_ = nullptr;
    std::optional<drawing::MeasuredFrameKey> measuredFrame_; // the frame drawn last
    drawing::Runs measuredResult_; // the line under the plot as the tab shows it
    model::acidbase::MeterReadings readings_;
};

} // namespace families
