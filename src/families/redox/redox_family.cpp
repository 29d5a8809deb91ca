// SPDX-License-Identifier: GPL-3.0-or-later
// The redox family on the bench: its species in the list, the colour of the beaker, its graph,
// tint scales and curves, its pictures and table for copies and printing, its report and its
// summary.
#include "families/redox/redox_family.h"

#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "drawing/tintscale.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "families/words.h"
#include "model/amounts_table.h"
#include "model/catalogue.h"
#include "numbers/formats.h"

#include <QComboBox>
#include <QScrollBar>

namespace families {

namespace {

using drawing::utf8;

QImage flattened(const drawing::Picture& pic) {
    QImage image = pic.image().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

// Gives a picture box a new size (its drawing is then lost).
void resizePicture(drawing::PictureBox* box, const QRect& r) {
    box->move(r.topLeft());
    if (box->picture().width() == r.width() && box->picture().height() == r.height()) return;
    box->setPictureSize(r.width(), r.height());
}

QString titrantName(model::TitrantFamily family) {
    switch (family) {
    case model::TitrantFamily::Permanganate:
        return QStringLiteral("permanganate de potassium (K⁺ + MnO₄⁻)");
    case model::TitrantFamily::Thiosulfate:
        return QStringLiteral("thiosulfate de sodium (2 Na⁺ + S₂O₃²⁻)");
    case model::TitrantFamily::Diiode:
        return QStringLiteral("diiode (I₂)");
    case model::TitrantFamily::None:
        break;
    }
    return QStringLiteral("—");
}

} // namespace

void RedoxFamily::addListItems(QComboBox& list) const {
    // The species in the catalogue's order: the position in the list is the species index.
    for (int s = 0; s < model::speciesCount; ++s)
        list.addItem(utf8(model::listText(s)));
}

std::string_view RedoxFamily::listText(int index) const {
    return model::isSpecies(index) ? model::listText(index) : std::string_view();
}

void RedoxFamily::build() {
    // The scales follow the slider while its thumb is dragged; the bench follows on release.
    QScrollBar* slider = widgets().tintSlider;
    QObject::connect(slider, &QScrollBar::valueChanged, slider, [this] { paintSwatches(); });
    QObject::connect(slider, &QScrollBar::sliderMoved, slider, [this] { paintSwatches(); });
    for (drawing::PictureBox* swatch : {widgets().permanganateScale, widgets().diiodeScale})
        QObject::connect(swatch, &drawing::PictureBox::devicePixelRatioChanged, swatch,
                         [this] { paintSwatches(); });
}

int RedoxFamily::species() const {
    const model::TitrationId id = bench().titration();
    return id.family == model::Family::Redox && model::isSpecies(id.index) ? id.index : -1;
}

drawing::GraphSecret RedoxFamily::secret() const {
    return bench().exerciseSecret() ? drawing::GraphSecret::Exercise : drawing::GraphSecret::None;
}

model::ColourWord RedoxFamily::flaskColourWord(const drawing::LevelInputs& in,
                                               double volume) const {
    return model::liquidColourWord(model::beakerTint(in.presentAmounts, volume, in.starch),
                                   in.tintSlider);
}

float RedoxFamily::drawGraph(drawing::Picture& graph) const {
    return drawing::majtq(graph, species(), bench().benchInputs(), secret());
}

bool RedoxFamily::refreshGraph(drawing::Picture& graph, float scaleMax,
                               model::PresentAmounts& present) const {
    return drawing::reftq(graph, species(), bench().benchInputs(), scaleMax, present, secret());
}

void RedoxFamily::keepAmounts(model::PresentAmounts& present) const {
    // A scale of 0 (every amount zero, negative or unreadable) leaves the graph without bars,
    // but the beaker and the burette are drawn all the same, from the amounts of these inputs.
    model::computeAmounts(species(), bench().benchInputs(), present);
}

QStringList RedoxFamily::graphColumns() const {
    return drawing::describeColumns(species(), bench().benchInputs(), bench().presentAmounts(),
                                    bench().sampleHidden());
}

void RedoxFamily::paintScales() {
    const BenchWidgets& w = widgets();
    for (QWidget* shown :
         {static_cast<QWidget*>(w.permanganateScale), static_cast<QWidget*>(w.diiodeScale),
          static_cast<QWidget*>(w.tintSlider)})
        shown->setVisible(true);
    w.scales->setAccessibleName(QStringLiteral("Échelles de teintes"));
    w.scales->setAccessibleDescription(QString());
    const drawing::TintScaleLayout layout = drawing::paintTintScalePanel(w.scales->picture());
    w.tintSlider->setGeometry(layout.slider);
    resizePicture(w.permanganateScale, layout.permanganate);
    resizePicture(w.diiodeScale, layout.diiode);
    paintSwatches();
    w.scales->refresh();
}

void RedoxFamily::paintSwatches() {
    const BenchWidgets& w = widgets();
    const int h = w.tintSlider->sliderPosition();
    drawing::paintSwatch(w.permanganateScale->picture(), model::Tint::Permanganate, h);
    drawing::paintSwatch(w.diiodeScale->picture(), model::Tint::Diiode, h);
    w.permanganateScale->refresh();
    w.diiodeScale->refresh();
    describeSwatches();
}

drawing::CourbesInputs RedoxFamily::courbesInputs() const {
    drawing::CourbesInputs in;
    in.species = species();
    in.in = bench().benchInputs();
    in.scaleMax = bench().scaleMax();
    in.hidden = bench().sampleHidden();
    return in;
}

void RedoxFamily::drawCourbes(bool& stale) {
    drawing::PictureBox* courbes = widgets().courbes;
    const drawing::CourbesInputs in = courbesInputs();
    if (stale) {
        drawing::majcourbes(courbes->picture(), in);
        stale = false;
    }
    drawing::refcourbes(courbes->picture(), in);
    courbes->refresh();
    describeCourbes();
}

QImage RedoxFamily::graphImage(qreal scale) const {
    const drawing::Picture& screen = widgets().graph->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    const model::BenchInputs in = bench().benchInputs();
    const float max = drawing::majtq(pic, species(), in, secret());
    model::PresentAmounts present = bench().presentAmounts();
    drawing::reftq(pic, species(), in, max, present, secret());
    return flattened(pic);
}

QImage RedoxFamily::courbesImage(qreal scale) const {
    const drawing::Picture& screen = widgets().courbes->picture();
    drawing::Picture pic(screen.width(), screen.height(), scale);
    const drawing::CourbesInputs in = courbesInputs();
    drawing::majcourbes(pic, in);
    drawing::refcourbes(pic, in);
    return flattened(pic);
}

std::string RedoxFamily::tableText(std::string_view separator, std::string_view lineEnd) const {
    const model::BenchInputs in = bench().benchInputs();
    const model::AmountsTable table = model::amountsTable(
        species(), in, model::tableVolumes(in.pouredVolume, bench().measurements().drops()),
        bench().sampleHidden());
    return model::amountsTableText(table, separator, lineEnd);
}

void RedoxFamily::report(printing::ReportFacts& facts) const {
    const int s = species();
    const model::BenchInputs in = bench().benchInputs();
    const auto general = [](float x) { return QString::fromStdString(numbers::formatGeneral(x)); };
    const QString sample =
        bench().sampleHidden()
            ? QStringLiteral("c2 inconnue")
            : QStringLiteral("c2 = %1\u00A0mol/L").arg(general(in.sampleConcentration));
    facts.setUp << QStringLiteral("Solution titrée\u00A0: %1, prélèvement "
                                  "V2 = %2\u00A0mL, %3")
                       .arg(model::isSpecies(s) ? utf8(model::listText(s)) : QStringLiteral("—"),
                            general(in.sampleVolume), sample);
    facts.setUp << QStringLiteral("Solution titrante\u00A0: %1, c1 = %2\u00A0mol/L")
                       .arg(titrantName(model::titrantFamily(s)), general(in.titrantConcentration));
    switch (model::reagentVolumeInput(s)) {
    case model::ReagentVolumeInput::IodineVolume:
        facts.setUp << QStringLiteral("Solution de diiode ajoutée en excès\u00A0: "
                                      "c3 = %1\u00A0mol/L, V3 = %2\u00A0mL")
                           .arg(general(in.reagentConcentration), general(in.iodineVolume));
        break;
    case model::ReagentVolumeInput::IodideVolume:
        facts.setUp << QStringLiteral("Solution d'iodure de potassium ajoutée en excès\u00A0: "
                                      "%1\u00A0mL")
                           .arg(general(in.iodideVolume));
        break;
    case model::ReagentVolumeInput::None:
        break;
    }
    const bool starch = bench().starch() && model::involvesDiiode(s);
    if (starch) facts.setUp << QStringLiteral("Thiodène ajouté dans le bécher");
    facts.setUp << QStringLiteral("Volume de solution titrante versé\u00A0: V1 = %1\u00A0mL")
                       .arg(general(in.pouredVolume));
    facts.method = QStringLiteral("changement de couleur de la solution du bécher");
    if (starch) facts.method += QStringLiteral(" (thiodène)");
}

std::optional<grading::StoichiometricNumbers> RedoxFamily::numbers() const {
    return grading::titrationNumbers(species());
}

QString RedoxFamily::summary() const {
    const int s = species();
    if (s < 0) return QStringLiteral("Aucune espèce à titrer n'est choisie.");
    const BenchView& b = bench();
    QStringList sentences{b.sampleSentence(model::listText(s))};
    if (model::isIndirect(s)) {
        QString reagent = utf8(model::reagentName(s));
        if (reagent.startsWith(QLatin1String("d'"))) reagent.remove(0, 2);
        const QString volume =
            model::reagentVolumeInput(s) == model::ReagentVolumeInput::IodineVolume
                ? b.iodineVolumeText()
                : b.text(3) + QStringLiteral(" mL");
        sentences << QStringLiteral("Réactif en excès\u00A0: ") + reagent + QStringLiteral(", ") +
                         concentrationText(b.text(2)) + QStringLiteral(" mol/L, ") + volume +
                         QStringLiteral(".");
    }
    sentences << QStringLiteral("Solution titrante\u00A0: ") + utf8(model::titrantName(s)) +
                     QStringLiteral(", ") + concentrationText(b.text(1)) +
                     QStringLiteral(" mol/L.");
    if (b.starch() && model::involvesDiiode(s)) sentences << QStringLiteral("Thiodène ajouté.");
    sentences << b.progressSentence() + QStringLiteral(".");
    return sentences.join(QLatin1Char(' '));
}

} // namespace families
