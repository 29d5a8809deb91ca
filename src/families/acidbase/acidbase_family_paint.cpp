// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base family in the bench's pictures: the graph of its particles, the beaker with the
// indicator's colour and the probe with its meter, the indicator's scale in "Affichage", the
// pictures for printing and copying, its table, its report and its summary.
#include "families/acidbase/acidbase_family.h"

#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "families/acidbase/courbes_acidbase.h"
#include "families/acidbase/graph_acidbase.h"
#include "families/acidbase/indicator_scale.h"
#include "families/acidbase/probe.h"
#include "families/words.h"
#include "model/acidbase/curve_table.h"
#include "model/acidbase/indicators.h"
#include "model/acidbase/reaction_numbers.h"
#include "model/amounts_table.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace families {

namespace {

namespace ab = model::acidbase;

using drawing::utf8;

QImage flattened(const drawing::Picture& pic) {
    QImage image = pic.image().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

// What the liquids' painting and the meter need of the bench.
drawing::AcidBaseLevels levelsOf(const ab::BenchSetup& setup, double poured) {
    drawing::AcidBaseLevels levels;
    if (!ab::isTitration(setup.preparation.titration)) return levels;
    const ab::Mixture mixture = ab::mixtureAt(setup.preparation, poured);
    levels.shown = true;
    levels.waterVolume = setup.preparation.waterVolume;
    levels.tint = ab::indicatorColour(setup.indicator, mixture.pH);
    levels.probe = setup.probe;
    levels.display = ab::meterDisplay(mixture, setup.probe);
    return levels;
}

} // namespace

float AcidBaseFamily::drawGraph(drawing::Picture& graph) const {
    return drawing::drawAcidBaseGraphBackground(graph, setup().preparation, bench().sampleHidden());
}

bool AcidBaseFamily::refreshGraph(drawing::Picture& graph, float scaleMax,
                                  model::PresentAmounts&) const {
    const ab::Preparation p = setup().preparation;
    const double poured = bench().pouredVolume();
    return drawing::drawAcidBaseGraphBars(graph, p, poured, ab::mixtureAt(p, poured), scaleMax,
                                          bench().sampleHidden());
}

QStringList AcidBaseFamily::graphColumns() const {
    const ab::Preparation p = setup().preparation;
    const double poured = bench().pouredVolume();
    return drawing::describeAcidBaseColumns(p, poured, ab::mixtureAt(p, poured),
                                            bench().sampleHidden());
}

// "Affichage": the indicator's scale in place of the tint scales and their slider.
void AcidBaseFamily::paintScales() {
    const BenchWidgets& w = widgets();
    for (QWidget* hidden :
         {static_cast<QWidget*>(w.permanganateScale), static_cast<QWidget*>(w.diiodeScale),
          static_cast<QWidget*>(w.tintSlider)})
        hidden->setVisible(false);
    const int indicator = indicatorList->currentIndex() - 1;
    drawing::paintIndicatorScalePanel(w.scales->picture(), indicator);
    w.scales->setAccessibleName(QStringLiteral("Échelle de teintes de l'indicateur coloré"));
    w.scales->setAccessibleDescription(drawing::describeIndicatorScale(indicator));
    w.scales->refresh();
}

drawing::FlaskContent AcidBaseFamily::flask() const {
    return drawing::flaskContent(levelsOf(setup(), bench().pouredVolume()));
}

model::ColourWord AcidBaseFamily::flaskColourWord(const drawing::LevelInputs&, double) const {
    const ab::BenchSetup s = setup();
    const ab::Mixture mixture = ab::mixtureAt(s.preparation, bench().pouredVolume());
    return ab::indicatorColourWord(s.indicator, mixture.pH);
}

drawing::TitrantText AcidBaseFamily::titrantText() const {
    return drawing::acidBaseTitrantText(titration());
}

// The meter in words: "pH-mètre : 4,76", "Conductimètre : 1,23 mS·cm⁻¹", told once the flow
// has stopped, as the beaker's description is.
QString AcidBaseFamily::meterReading() const {
    const drawing::AcidBaseLevels levels = levelsOf(setup(), bench().pouredVolume());
    if (!levels.shown || levels.probe == ab::Probe::None) return {};
    QString reading = drawing::meterName(levels.probe) + QStringLiteral("\u00A0: ") +
                      QString::fromStdString(levels.display.value);
    if (!levels.display.unit.empty()) reading += QLatin1Char(' ') + utf8(levels.display.unit);
    return reading;
}

std::optional<drawing::PicturePart> AcidBaseFamily::meterPart() const {
    const QString reading = meterReading();
    if (reading.isEmpty()) return std::nullopt;
    drawing::PicturePart meter;
    // The third item of the list the beaker and the burette make for the keyboard.
    meter.role = QAccessible::ListItem;
    meter.name = drawing::meterName(setup().probe);
    meter.description = reading;
    meter.rect = drawing::meterRect;
    return meter;
}

// ---- Printing, copies and the table ----

QImage AcidBaseFamily::graphImage(qreal scale) const {
    const drawing::Picture& screen = widgets().graph->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    const ab::Preparation p = setup().preparation;
    const double poured = bench().pouredVolume();
    const bool hidden = bench().sampleHidden();
    const float max = drawing::drawAcidBaseGraphBackground(pic, p, hidden);
    drawing::drawAcidBaseGraphBars(pic, p, poured, ab::mixtureAt(p, poured), max, hidden);
    return flattened(pic);
}

QImage AcidBaseFamily::courbesImage(qreal scale) const {
    const drawing::Picture& screen = widgets().courbes->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    if (measuredCurveShown()) {
        // The curve and the method as on the screen; the plot takes the controls' band.
        const drawing::MeasuredCurveInputs in = measuredCurveInputs(false);
        drawing::drawMeasuredCurveBackground(pic, in);
        drawing::drawMeasuredCurve(pic, in);
        return flattened(pic);
    }
    drawing::AcidBaseCourbesInputs in;
    in.preparation = setup().preparation;
    in.pouredVolume = bench().pouredVolume();
    in.scaleMax = drawing::acidBaseScaleMax(in.preparation, bench().sampleHidden());
    in.hidden = bench().sampleHidden();
    drawing::drawAcidBaseCurvesBackground(pic, in);
    drawing::drawAcidBaseCurves(pic, in);
    return flattened(pic);
}

// The rows of the redox table (every 0,1 mL, the readings, the volume poured); while the
// concentration is hidden, the cells whose numbers would give the sample away are left empty,
// as the redox table leaves them.
std::string AcidBaseFamily::tableText(std::string_view separator, std::string_view lineEnd) const {
    const ab::BenchSetup s = setup();
    ab::CurveTable table = ab::curveTable(
        s.preparation, model::tableVolumes(bench().pouredVolume(), bench().measurements().drops()),
        s.indicator);
    if (bench().sampleHidden()) ab::blankSampleColumns(table, s.preparation.titration);
    return ab::curveTableText(table, separator, lineEnd);
}

std::optional<grading::StoichiometricNumbers> AcidBaseFamily::numbers() const {
    return ab::firstReactionNumbers(titration());
}

void AcidBaseFamily::report(printing::ReportFacts& facts) const {
    const ab::BenchSetup s = setup();
    const ab::Preparation& p = s.preparation;
    const auto general = [](double x) { return QString::fromStdString(numbers::formatGeneral(x)); };
    const QString sample =
        bench().sampleHidden()
            ? QStringLiteral("c2 inconnue")
            : QStringLiteral("c2 = %1\u00A0mol/L").arg(general(p.sampleConcentration));
    facts.setUp << QStringLiteral("Solution titrée\u00A0: %1, prélèvement V2 = %2\u00A0mL, %3")
                       .arg(utf8(ab::listText(p.titration)), general(p.sampleVolume), sample);
    facts.setUp
        << QStringLiteral("Eau distillée ajoutée\u00A0: %1\u00A0mL").arg(general(p.waterVolume));
    facts.setUp << QStringLiteral("Solution titrante\u00A0: %1, c1 = %2\u00A0mol/L")
                       .arg(utf8(ab::titrantName(ab::titrant(p.titration))),
                            general(p.titrantConcentration));
    const bool indicator = ab::isIndicator(s.indicator);
    const QString indicatorName =
        indicator ? utf8(ab::indicatorFacts(s.indicator).name) : QStringLiteral("aucun");
    facts.setUp << QStringLiteral("Indicateur coloré\u00A0: ") + indicatorName;
    facts.setUp << QStringLiteral("Sonde de mesure\u00A0: ") + probeList->currentText();
    facts.setUp << QStringLiteral("Volume de solution titrante versé\u00A0: V1 = %1\u00A0mL")
                       .arg(general(numbers::parseBenchDouble(bench().text(5).toStdString())));
    // The method chosen on the curve, else the indicator's colour change.
    const ab::Method method =
        s.probe == ab::Probe::None ? ab::Method::None : courbesMethods()->choice().method;
    if (method != ab::Method::None)
        facts.method = drawing::methodName(method);
    else if (indicator)
        facts.method =
            QStringLiteral("changement de couleur de l'indicateur (%1)").arg(indicatorName);
    else if (s.probe != ab::Probe::None)
        facts.method = QStringLiteral("lecture de la courbe (onglet Courbes)");
    else
        facts.method = QStringLiteral("aucune (ni sonde ni indicateur coloré)");
}

QString AcidBaseFamily::summary() const {
    const ab::BenchSetup s = setup();
    const int t = s.preparation.titration;
    QStringList sentences{bench().sampleSentence(ab::listText(t))};
    if (s.preparation.waterVolume > 0)
        sentences << QStringLiteral("Eau distillée ajoutée\u00A0: ") + waterBox->text() +
                         QStringLiteral(" mL.");
    QString titrant = utf8(ab::titrantName(ab::titrant(t)));
    if (titrant.startsWith(QLatin1String("solution d'"))) titrant.remove(0, 11);
    sentences << QStringLiteral("Solution titrante\u00A0: ") + titrant + QStringLiteral(", ") +
                     concentrationText(bench().text(1)) + QStringLiteral(" mol/L.");
    sentences << (s.indicator >= 0 ? QStringLiteral("Indicateur coloré\u00A0: ") +
                                         indicatorList->currentText() + QStringLiteral(".")
                                   : QStringLiteral("Sans indicateur coloré."));
    sentences << bench().progressSentence() + QStringLiteral(".");
    return sentences.join(QLatin1Char(' '));
}

} // namespace families
