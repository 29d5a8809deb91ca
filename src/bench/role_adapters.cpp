// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/role_adapters.h"

#include "bench/feuillep.h"

namespace bench {

// ---- The save and open windows ----

QWidget* SituationsRole::mainWindow() {
    return &p_.window;
}
files::Situations& SituationsRole::situations() {
    return p_.state.situations;
}
void SituationsRole::setCaption(const QString& caption) {
    p_.shell.setCaption(caption);
}
void SituationsRole::clearSituationButtons() {
    p_.shell.clearSituationButtons();
}
void SituationsRole::selectSituation(int index) {
    p_.shell.selectSituation(index);
}
bool SituationsRole::sampleHidden() const {
    return p_.setUp.sampleHidden();
}

// ---- The exercises ----

QWidget* ExerciseRole::mainWindow() {
    return &p_.window;
}
exercises::ExerciseState& ExerciseRole::exercise() {
    return p_.state.exercise;
}
QTextEdit* ExerciseRole::supertext() {
    return p_.c.supertext_;
}
QLineEdit* ExerciseRole::fich() {
    return p_.c.fich_;
}
void ExerciseRole::showInformation() {
    p_.chain.showInformation();
}
void ExerciseRole::hideSampleConcentration() {
    p_.setUp.hideSampleConcentration();
}
void ExerciseRole::revealSampleConcentration() {
    p_.setUp.revealSampleConcentration();
}
bool ExerciseRole::sampleConcentrationHidden() {
    return p_.setUp.sampleHidden();
}
void ExerciseRole::sealSample(std::optional<double> own) {
    p_.setUp.sealSample(own);
}
double ExerciseRole::sampleConcentration() {
    return p_.setUp.sampleConcentration();
}
exercises::BenchReadings ExerciseRole::benchReadings() {
    return p_.setUp.benchReadings();
}
void ExerciseRole::setResultCheckOffered(bool offered) {
    p_.setUp.setResultCheckOffered(offered);
}
void ExerciseRole::loadConfiguration(const QString& path) {
    p_.setUp.loadConfiguration(path);
}
const files::SituationTable& ExerciseRole::benchSituations() {
    return p_.setUp.benchSituations();
}
const files::SituationTable& ExerciseRole::exerciseSituations() {
    return p_.setUp.exerciseSituations();
}
void ExerciseRole::forgetSecretSample() {
    p_.setUp.forgetSecretSample();
}

// ---- Printing and the copies ----

QWidget* PicturesRole::mainWindow() {
    return &p_.window;
}
QImage PicturesRole::benchImage(qreal scale, bool withValues) {
    return p_.chain.benchImage(scale, withValues);
}
QImage PicturesRole::graphImage(qreal scale) {
    return p_.chain.graphImage(scale);
}
QImage PicturesRole::courbesImage(qreal scale) {
    return p_.chain.courbesImage(scale);
}
std::string PicturesRole::tableText(std::string_view separator, std::string_view lineEnd) {
    return p_.chain.tableText(separator, lineEnd);
}
printing::ReportFacts PicturesRole::reportFacts() {
    return p_.chain.reportFacts();
}

// ---- The family of the titration on the bench ----

model::TitrationId FamilyBench::titration() const {
    return p_.setUp.titration();
}
QString FamilyBench::text(int box) const {
    return p_.setUp.text(box);
}
void FamilyBench::setText(int box, const QString& text) {
    p_.setUp.setText(box, text);
}
double FamilyBench::sampleValue() const {
    return p_.setUp.sampleValue();
}
double FamilyBench::sampleVolume() const {
    return p_.setUp.sampleVolume();
}
bool FamilyBench::sampleHidden() const {
    return p_.setUp.sampleHidden();
}
bool FamilyBench::exerciseSecret() const {
    return p_.setUp.exerciseSecret();
}
model::BenchInputs FamilyBench::benchInputs() const {
    return p_.setUp.benchInputs();
}
bool FamilyBench::starch() const {
    return p_.setUp.starch();
}
int FamilyBench::tintSlider() const {
    return p_.setUp.tintSlider();
}
double FamilyBench::pouredVolume() const {
    return p_.setUp.pouredVolume();
}
const model::Measurements& FamilyBench::measurements() const {
    return p_.setUp.measurements();
}
float FamilyBench::scaleMax() const {
    return p_.setUp.scaleMax();
}
const model::PresentAmounts& FamilyBench::presentAmounts() const {
    return p_.setUp.presentAmounts();
}
bool FamilyBench::flowing() const {
    return p_.run.flowing();
}
const bool& FamilyBench::movingFocus() const {
    return p_.run.movingFocus();
}
QString FamilyBench::sampleSentence(std::string_view listText) const {
    return p_.speech.sampleSentence(listText);
}
QString FamilyBench::progressSentence() const {
    return p_.speech.progressSentence();
}
QString FamilyBench::iodineVolumeText() const {
    return p_.speech.iodineVolumeText();
}
void FamilyBench::majtq() {
    p_.chain.majtq();
}
void FamilyBench::reftq() {
    p_.chain.reftq();
}
void FamilyBench::niveaubecher() {
    p_.chain.niveaubecher();
}
void FamilyBench::refcourbes() {
    p_.chain.refcourbes();
}
void FamilyBench::markCourbesStale() {
    p_.chain.markCourbesStale();
}
void FamilyBench::paintScales() {
    p_.chain.paintScales();
}
void FamilyBench::validateBox(int box) {
    p_.setUp.Text1_LostFocus(box);
}
void FamilyBench::reinitialise() {
    p_.run.reinitialise();
}
void FamilyBench::updateFocusChain() {
    p_.window.updateFocusChain();
}
void FamilyBench::tellCorrection(const QString& typed, const QString& kept, const QString& unit) {
    p_.speech.tellCorrection(typed, kept, unit);
}

} // namespace bench
