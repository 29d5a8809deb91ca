// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The titrations followed by colour: the ten species of the catalogue, titrated directly or
// through the diiode that a reagent in excess forms or leaves. The bench's own boxes hold their
// inputs (the reagent's concentration and volume, the starch); the family draws their graph of
// the amounts, the tint scales, the curves of the amounts with the progress tables, and says
// them in words.

#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "families/family.h"

namespace families {

class RedoxFamily : public Family {
public:
    void addListItems(QComboBox& list) const override;
    std::string_view listText(int index) const override;
    bool offersStarch() const override { return true; }
    void build() override;

    model::ColourWord flaskColourWord(const drawing::LevelInputs& in, double volume) const override;

    float drawGraph(drawing::Picture& graph) const override;
    bool refreshGraph(drawing::Picture& graph, float scaleMax,
                      model::PresentAmounts& present) const override;
    void keepAmounts(model::PresentAmounts& present) const override;
    QStringList graphColumns() const override;
    void paintScales() override;
    void drawCourbes(bool& stale) override;
    void describeCourbes() override;

    QImage graphImage(qreal scale) const override;
    QImage courbesImage(qreal scale) const override;
    std::string tableText(std::string_view separator, std::string_view lineEnd) const override;
    void report(printing::ReportFacts& facts) const override;
    std::optional<grading::StoichiometricNumbers> numbers() const override;
    QString summary() const override;

private:
    int species() const;
    drawing::GraphSecret secret() const;
    drawing::CourbesInputs courbesInputs() const;
    // The two tint scales at the slider's place, and their colours in words.
    void paintSwatches();
    void describeSwatches();
};

} // namespace families
