// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the other windows and the families of titrations see of the bench, each through the
// interface it was written against: the save and open windows (files::SituationBench), the
// exercises window and menu (exercises::ExerciseArea), printing and the clipboard copies
// (printing::BenchPictures), and the family of the titration on the bench
// (families::BenchView). Each forwards to the part of the bench that answers.

#include "bench/parts.h"
#include "exercises/exercise_area.h"
#include "families/family.h"
#include "files/ui/situation_bench.h"
#include "printing/bench_pictures.h"

namespace bench {

class SituationsRole : public files::SituationBench {
public:
    explicit SituationsRole(Parts& parts) : p_(parts) {}
    QWidget* mainWindow() override;
    files::Situations& situations() override;
    void setCaption(const QString& caption) override;
    void clearSituationButtons() override;
    void selectSituation(int index) override;
    bool sampleHidden() const override;

private:
    Parts& p_;
};

class ExerciseRole : public exercises::ExerciseArea {
public:
    explicit ExerciseRole(Parts& parts) : p_(parts) {}
    QWidget* mainWindow() override;
    exercises::ExerciseState& exercise() override;
    QTextEdit* supertext() override;
    QLineEdit* fich() override;
    void showInformation() override;
    void hideSampleConcentration() override;
    void revealSampleConcentration() override;
    bool sampleConcentrationHidden() override;
    void sealSample(std::optional<double> own) override;
    double sampleConcentration() override;
    exercises::BenchReadings benchReadings() override;
    void setResultCheckOffered(bool offered) override;
    void loadConfiguration(const QString& path) override;
    const files::SituationTable& benchSituations() override;
    const files::SituationTable& exerciseSituations() override;
    void forgetSecretSample() override;

private:
    Parts& p_;
};

class PicturesRole : public printing::BenchPictures {
public:
    explicit PicturesRole(Parts& parts) : p_(parts) {}
    QWidget* mainWindow() override;
    QImage benchImage(qreal scale, bool withValues) override;
    QImage graphImage(qreal scale) override;
    QImage courbesImage(qreal scale) override;
    std::string tableText(std::string_view separator, std::string_view lineEnd) override;
    printing::ReportFacts reportFacts() override;

private:
    Parts& p_;
};

class FamilyBench : public families::BenchView {
public:
    explicit FamilyBench(Parts& parts) : p_(parts) {}
    model::TitrationId titration() const override;
    QString text(int box) const override;
    void setText(int box, const QString& text) override;
    double sampleValue() const override;
    double sampleVolume() const override;
    bool sampleHidden() const override;
    bool exerciseSecret() const override;
    model::BenchInputs benchInputs() const override;
    bool starch() const override;
    int tintSlider() const override;
    double pouredVolume() const override;
    const model::Measurements& measurements() const override;
    float scaleMax() const override;
    const model::PresentAmounts& presentAmounts() const override;
    bool flowing() const override;
    const bool& movingFocus() const override;
    QString sampleSentence(std::string_view listText) const override;
    QString progressSentence() const override;
    QString iodineVolumeText() const override;
    void majtq() override;
    void reftq() override;
    void niveaubecher() override;
    void refcourbes() override;
    void markCourbesStale() override;
    void paintScales() override;
    void validateBox(int box) override;
    void reinitialise() override;
    void updateFocusChain() override;
    void tellCorrection(const QString& typed, const QString& kept, const QString& unit) override;

private:
    Parts& p_;
};

} // namespace bench
