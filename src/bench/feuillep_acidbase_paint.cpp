// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base bench in the refresh chain: the graph of its particles, the liquids with the
// indicator's colour and the probe with its meter, the indicator's scale in "Affichage", the
// curves and progress tables of "Courbes", the pictures for printing and copying, the table
// of the amounts, and the same in words for screen readers.
#include "bench/feuillep.h"

#include "drawing/courbes_acidbase.h"
#include "drawing/graph.h"
#include "drawing/graph_acidbase.h"
#include "drawing/indicator_scale.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "model/acidbase/curve_table.h"
#include "model/acidbase/indicators.h"
#include "model/amounts_table.h"
#include "numbers/reading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace bench {

namespace {

namespace ab = model::acidbase;

// The bench's third part in words: the meter.
constexpr int meterPart = 2;

using drawing::utf8;

double pouredVolumeOf(const QString& text) {
    return std::max(0.0, numbers::parseBenchDouble(text.toStdString()));
}

QImage flattened(const drawing::Picture& pic) {
    QImage image = pic.image().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace

bool FeuilleP::acidBaseMajtq() {
    if (acidBaseTitration() < 0) return false;
    rewriteLabelvol();
    scaleMax_ = drawing::majtqAcidBase(tabquant->picture(), acidBaseSetup().preparation,
                                       masquer->isChecked());
    graphBuilt_ = true;
    tabquant->refresh();
    courbesStale_ = true;
    reftq();
    return true;
}

bool FeuilleP::acidBaseReftq() {
    if (acidBaseTitration() < 0) return false;
    const ab::Preparation p = acidBaseSetup().preparation;
    const double poured = pouredVolumeOf(text(5));
    const ab::Mixture mixture = ab::mixtureAt(p, poured);
    if (drawing::reftqAcidBase(tabquant->picture(), p, poured, mixture, scaleMax_,
                               masquer->isChecked())) {
        tabquant->refresh();
        updateGraphParts();
        refcourbes();
    } else if (!graphBuilt_) {
        return true;
    }
    niveaubecher();
    return true;
}

bool FeuilleP::acidBaseCourbes() {
    if (measuredCurve()) return true;
    if (acidBaseTitration() < 0) return false;
    drawing::AcidBaseCourbesInputs in;
    in.preparation = acidBaseSetup().preparation;
    in.pouredVolume = pouredVolumeOf(text(5));
    in.scaleMax = scaleMax_;
    in.hidden = masquer->isChecked();
    if (courbesStale_) {
        drawing::majcourbesAcidBase(tabcourbes->picture(), in);
        courbesStale_ = false;
    }
    drawing::refcourbesAcidBase(tabcourbes->picture(), in);
    tabcourbes->refresh();
    return true;
}

// "Affichage": the indicator's scale while an acid-base titration is on the bench; the tint
// scales and their slider are given back otherwise.
bool FeuilleP::acidBaseAffichage() {
    const bool acidBase = acidBaseTitration() >= 0;
    for (QWidget* w : {static_cast<QWidget*>(PictureMnO4), static_cast<QWidget*>(PictureI2),
                       static_cast<QWidget*>(HScroll1)})
        w->setVisible(!acidBase);
    if (!acidBase) {
        Frame2->setAccessibleName(QStringLiteral("Échelles de teintes"));
        Frame2->setAccessibleDescription(QString());
        return false;
    }
    const int indicator = indicatorList->currentIndex() - 1;
    drawing::paintIndicatorScalePanel(Frame2->picture(), indicator);
    Frame2->setAccessibleName(QStringLiteral("Échelle de teintes de l'indicateur coloré"));
    Frame2->setAccessibleDescription(drawing::describeIndicatorScale(indicator));
    Frame2->refresh();
    return true;
}

drawing::AcidBaseLevels FeuilleP::acidBaseLevels() const {
    drawing::AcidBaseLevels levels;
    if (acidBaseTitration() < 0) return levels;
    const ab::BenchSetup setup = acidBaseSetup();
    const ab::Mixture mixture = ab::mixtureAt(setup.preparation, pouredVolumeOf(text(5)));
    levels.shown = true;
    levels.waterVolume = setup.preparation.waterVolume;
    levels.tint = ab::indicatorColour(setup.indicator, mixture.pH);
    levels.probe = setup.probe;
    levels.display = ab::meterDisplay(mixture, setup.probe);
    return levels;
}

model::ColourWord FeuilleP::flaskColourWord(const drawing::LevelInputs& in, double volume) const {
    if (!in.acidBase.shown)
        return model::liquidColourWord(model::beakerTint(in.presentAmounts, volume, in.starch),
                                       in.tintSlider);
    const ab::BenchSetup setup = acidBaseSetup();
    const ab::Mixture mixture = ab::mixtureAt(setup.preparation, pouredVolumeOf(text(5)));
    return ab::indicatorColourWord(setup.indicator, mixture.pH);
}

// The meter in words: "pH-mètre : 4,76", "Conductimètre : 1,23 mS·cm⁻¹", told once the flow
// has stopped, as the beaker's description is.
QString FeuilleP::meterReading() const {
    const drawing::AcidBaseLevels levels = acidBaseLevels();
    if (!levels.shown || levels.probe == ab::Probe::None) return {};
    QString reading = drawing::meterName(levels.probe) + QStringLiteral("\u00A0: ") +
                      QString::fromStdString(levels.display.value);
    if (!levels.display.unit.empty()) reading += QLatin1Char(' ') + utf8(levels.display.unit);
    return reading;
}

void FeuilleP::updateMeterPart(bool settled) {
    const QString reading = meterReading();
    if (reading.isEmpty()) {
        picburette->setPartCount(meterPart);
        return;
    }
    picburette->setPartCount(meterPart + 1);
    drawing::PicturePart meter;
    // The third item of the list the beaker and the burette make for the keyboard.
    meter.role = QAccessible::ListItem;
    meter.name = drawing::meterName(acidBaseSetup().probe);
    meter.description = reading;
    meter.rect = drawing::meterRect;
    picburette->setPart(meterPart, meter, settled);
}

QStringList FeuilleP::graphColumnTexts() const {
    if (acidBaseTitration() < 0)
        return drawing::describeColumns(species(), benchInputs(), presentAmounts_, sampleHidden_);
    const ab::Preparation p = acidBaseSetup().preparation;
    const double poured = pouredVolumeOf(text(5));
    return drawing::describeAcidBaseColumns(p, poured, ab::mixtureAt(p, poured),
                                            masquer->isChecked());
}

// ---- Printing, copies and the table ----

std::optional<QImage> FeuilleP::acidBaseGraphImage(qreal scale) {
    if (acidBaseTitration() < 0) return std::nullopt;
    const drawing::Picture& screen = tabquant->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    const ab::Preparation p = acidBaseSetup().preparation;
    const double poured = pouredVolumeOf(text(5));
    const float max = drawing::majtqAcidBase(pic, p, masquer->isChecked());
    drawing::reftqAcidBase(pic, p, poured, ab::mixtureAt(p, poured), max, masquer->isChecked());
    return flattened(pic);
}

std::optional<QImage> FeuilleP::acidBaseCourbesImage(qreal scale) {
    if (acidBaseTitration() < 0) return std::nullopt;
    const drawing::Picture& screen = tabcourbes->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    if (measuredCurveShown()) {
        // The curve and the method as on the screen; the plot takes the controls' band.
        const drawing::MeasuredCurveInputs in = measuredCurveInputs(false);
        drawing::majMeasuredCurve(pic, in);
        drawing::refMeasuredCurve(pic, in);
        return flattened(pic);
    }
    drawing::AcidBaseCourbesInputs in;
    in.preparation = acidBaseSetup().preparation;
    in.pouredVolume = pouredVolumeOf(text(5));
    in.scaleMax = drawing::acidBaseScaleMax(in.preparation, masquer->isChecked());
    in.hidden = masquer->isChecked();
    drawing::majcourbesAcidBase(pic, in);
    drawing::refcourbesAcidBase(pic, in);
    return flattened(pic);
}

// The rows of the redox table (every 0,1 mL, the readings, the volume poured); while the
// concentration is hidden, the cells whose numbers would give the sample away are left empty,
// as the redox table leaves them.
std::optional<std::string> FeuilleP::acidBaseTableText(std::string_view separator,
                                                       std::string_view lineEnd) {
    if (acidBaseTitration() < 0) return std::nullopt;
    const ab::BenchSetup setup = acidBaseSetup();
    ab::CurveTable table = ab::curveTable(
        setup.preparation, model::tableVolumes(pouredVolumeOf(text(5)), drops()), setup.indicator);
    if (masquer->isChecked()) ab::blankSampleColumns(table, setup.preparation.titration);
    return ab::curveTableText(table, separator, lineEnd);
}

} // namespace bench
