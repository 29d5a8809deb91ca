// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A family of titrations: what the bench asks of the family whose titration is chosen. The
// bench keeps what every titration shares (the six boxes, the pipette, the burette and its
// run, the situations, the hidden concentration, the frame of the pictures) and leaves to the
// family its own inputs and their panel, the beaker's content, its parts of the pictures, its
// side tabs, its tables, its facts for printing, its words and its records. Each family lives
// in a folder of its own; registry.h lists them.

#include "drawing/bench_drawing.h"
#include "files/situations.h"
#include "grading/titration_numbers.h"
#include "model/amounts.h"
#include "model/colour_words.h"
#include "model/measurements.h"
#include "model/titration_id.h"
#include "printing/report_facts.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QScrollBar;
class QWidget;

namespace drawing {
class PictureBox;
struct PicturePart;
} // namespace drawing

namespace families {

// The bench's controls and pictures a family may draw into, place its own controls over or
// listen to. They belong to the bench.
struct BenchWidgets {
    std::array<QLineEdit*, 6> boxes{};      // the six boxes of the bench (Text1)
    QComboBox* speciesList = nullptr;       // ions1
    QComboBox* sampleVolumes = nullptr;     // the pipette's list (Combo1)
    drawing::PictureBox* bench = nullptr;   // the stand, the burette and the beaker
    drawing::PictureBox* panel = nullptr;   // the preparation panel
    drawing::PictureBox* graph = nullptr;   // the quantities of matter
    drawing::PictureBox* scales = nullptr;  // the scale panel ("Affichage")
    drawing::PictureBox* courbes = nullptr; // the curves
    // The tint scales of the coloured species and the slider that makes all tints lighter or
    // darker, in the scale panel.
    drawing::PictureBox* permanganateScale = nullptr;
    drawing::PictureBox* diiodeScale = nullptr;
    QScrollBar* tintSlider = nullptr;
};

// What a family reads of the bench, and the steps of the bench it asks for.
class BenchView {
public:
    virtual ~BenchView() = default;

    // ---- The inputs every titration shares ----
    virtual model::TitrationId titration() const = 0;
    // The text of box k (the concentration to find too, while it is hidden).
    virtual QString text(int box) const = 0;
    virtual void setText(int box, const QString& text) = 0;
    // The concentration to find, the secret one included, in double precision as typed.
    virtual double sampleValue() const = 0;
    virtual double sampleVolume() const = 0; // the pipette's volume, mL
    virtual bool sampleHidden() const = 0;
    virtual bool exerciseSecret() const = 0;
    // The inputs of the bench as the amounts of matter read them (single precision).
    virtual model::BenchInputs benchInputs() const = 0;
    virtual bool starch() const = 0;         // the starch box ticked
    virtual int tintSlider() const = 0;      // the tint slider's value
    virtual double pouredVolume() const = 0; // mL, never below 0
    virtual const model::Measurements& measurements() const = 0;
    // The graph's scale, as the last drawing of the graph set it, and the amounts present.
    virtual float scaleMax() const = 0;
    virtual const model::PresentAmounts& presentAmounts() const = 0;
    // The titrant flows (the tap open or a drop falling).
    virtual bool flowing() const = 0;
    // The program moves the focus: leaving a box then validates nothing.
    virtual const bool& movingFocus() const = 0;
    // "Diiode, 0,010 mol/L, 10 mL prélevés." ("concentration inconnue" while hidden).
    virtual QString sampleSentence(std::string_view listText) const = 0;
    // "10,00 mL versés, solution rose pâle" and the meter's reading.
    virtual QString progressSentence() const = 0;
    // The volume of the reagent's pipette as its list shows it ("5 mL").
    virtual QString iodineVolumeText() const = 0;

    // ---- The steps of the bench ----
    virtual void majtq() = 0;              // the graph drawn again, then the levels
    virtual void reftq() = 0;              // the amounts and the levels at the poured volume
    virtual void niveaubecher() = 0;       // the liquids
    virtual void refcourbes() = 0;         // the curves, if their tab is shown
    virtual void markCourbesStale() = 0;   // the curves' static part must be drawn again
    virtual void paintScales() = 0;        // the scale panel
    virtual void validateBox(int box) = 0; // as leaving box k validates it
    virtual void reinitialise() = 0;       // the burette back to 0
    virtual void updateFocusChain() = 0;
    // A value the validation changed is told: "Valeur corrigée : 0,2 mol/L."
    virtual void tellCorrection(const QString& typed, const QString& kept, const QString& unit) = 0;
};

class Family {
public:
    virtual ~Family() = default;

    // The bench the family works on, given once, when the bench is built; then build().
    void attach(BenchView& bench, const BenchWidgets& widgets) {
        bench_ = &bench;
        widgets_ = widgets;
        build();
    }

    // ---- Its titrations in the species list ----
    // Adds its items to the list (after those of the families before it).
    virtual void addListItems(QComboBox& list) const = 0;
    // How the list names titration index ("diiode"); empty for no titration of the family.
    virtual std::string_view listText(int index) const = 0;

    // ---- Its set-up inputs and their panel ----
    // Builds its own controls over the bench's.
    virtual void build() {}
    // Shows and places its controls on the preparation panel, after the panel's painting (they
    // are hidden while another family's titration is on the bench).
    virtual void placePanel() {}
    // Its controls in the order of the keyboard, on the panel and in the side panel.
    virtual std::vector<QWidget*> panelControls() const { return {}; }
    virtual std::vector<QWidget*> sideControls() const { return {}; }
    // A value typed in one of its boxes that the focus has not left is validated.
    virtual void validateEdited(const QWidget* focused) { (void)focused; }
    // The starch box belongs to its bench.
    virtual bool offersStarch() const { return false; }

    // ---- The beaker and the bench's picture ----
    // What the flask holds when the family fills it its own way.
    virtual drawing::FlaskContent flask() const { return {}; }
    // The titrant's description on the bench's picture, when the family writes its own.
    virtual drawing::TitrantText titrantText() const { return {}; }
    // The colour of the beaker's solution, in words.
    virtual model::ColourWord flaskColourWord(const drawing::LevelInputs& in,
                                              double volume) const = 0;
    // The meter in words, "pH-mètre : 4,76"; empty without a meter.
    virtual QString meterReading() const { return {}; }
    // The meter as a part of the bench's picture; none without a meter.
    virtual std::optional<drawing::PicturePart> meterPart() const;

    // ---- Its side tabs ----
    // The graph's fixed part; returns its scale.
    virtual float drawGraph(drawing::Picture& graph) const = 0;
    // The graph's bars at the poured volume; true when drawn. present takes the amounts
    // present when the family has them.
    virtual bool refreshGraph(drawing::Picture& graph, float scaleMax,
                              model::PresentAmounts& present) const = 0;
    // The amounts present when the graph draws no bars.
    virtual void keepAmounts(model::PresentAmounts& present) const { (void)present; }
    // The graph's columns in words, one text each.
    virtual QStringList graphColumns() const = 0;
    // The scale panel.
    virtual void paintScales() = 0;
    // The curves' tab at the poured volume; stale: its static part is drawn first (and the
    // family says whether it still is).
    virtual void drawCourbes(bool& stale) = 0;
    // The curves' tab in words: the parts of the tab's picture.
    virtual void describeCourbes() {}
    // Another family draws the curves' tab: what this one keeps there is hidden.
    virtual void leaveCourbes() {}

    // ---- Its tables, copies and printing ----
    virtual QImage graphImage(qreal scale) const = 0;
    virtual QImage courbesImage(qreal scale) const = 0;
    // The table of the titration as the copy and the saved table give it.
    virtual std::string tableText(std::string_view separator, std::string_view lineEnd) const = 0;
    // The set-up and the method in the student's report.
    virtual void report(printing::ReportFacts& facts) const = 0;
    // a and b of c2 = a × c1 × VE / (b × V2); none where that relation does not apply.
    virtual std::optional<grading::StoichiometricNumbers> numbers() const = 0;

    // ---- Its words ----
    // The summary of the bench read on demand.
    virtual QString summary() const = 0;

    // ---- Its records in the situations ----
    virtual void storeChoices(files::FamilyChoices& choices) const { (void)choices; }
    virtual void restoreChoices(const files::FamilyChoices& choices) { (void)choices; }

protected:
    BenchView& bench() const { return *bench_; }
    const BenchWidgets& widgets() const { return widgets_; }

private:
    BenchView* bench_ = nullptr;
    BenchWidgets widgets_;
};

} // namespace families
