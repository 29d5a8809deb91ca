// SPDX-License-Identifier: GPL-3.0-or-later
// The redox family's pictures in words, for those who cannot see them: the "Courbes" tab (each
// curve summarised, the table of the amounts and the progress tables read as tables) and the
// tint scales (the colours of each scale along the concentration). While the concentration is
// hidden no amount that depends on it is said: it is "inconnue".
#include "families/redox/redox_words.h"
#include "families/redox/redox_family.h"

#include "drawing/courbes.h"
#include "drawing/graph.h"
#include "drawing/graphlabels.h"
#include "drawing/progress_table.h"
#include "drawing/tintscale.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "model/amounts_table.h"
#include "model/catalogue.h"
#include "model/colour_words.h"
#include "model/progress.h"
#include "numbers/formats.h"

#include <QScrollBar>

#include <cmath>

namespace families {

namespace {

using drawing::utf8;

QString volumeText(double mL) {
    return QString::fromStdString(numbers::formatGeneral(std::round(mL * 100) / 100)) +
           QStringLiteral(" mL");
}

} // namespace

// The course cut into steps where it rises, falls or stays.
QString curveSummary(const QString& formula, const std::vector<double>& volumes,
                     const std::vector<double>& mol) {
    const QString name = QStringLiteral("n(") + formula + QStringLiteral(")");
    if (mol.empty()) return {};
    if (mol.size() == 1)
        return name + QStringLiteral("\u00A0: ") + drawing::molText(mol[0]) +
               QStringLiteral(" mol.");
    double largest = 0;
    for (double m : mol)
        largest = std::max(largest, std::fabs(m));
    const double still = largest * 1e-6;
    struct Step {
        int direction; // -1 falls, 0 stays, 1 rises
        std::size_t from, to;
    };
    std::vector<Step> steps;
    for (std::size_t i = 1; i < mol.size(); ++i) {
        const double change = mol[i] - mol[i - 1];
        const int direction = change > still ? 1 : change < -still ? -1 : 0;
        if (!steps.empty() && steps.back().direction == direction)
            steps.back().to = i;
        else
            steps.push_back({direction, i - 1, i});
    }
    QString text = name + QLatin1Char(' ');
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step& step = steps[k];
        const QString end = drawing::molText(mol[step.to]) + QStringLiteral(" mol");
        if (k > 0) text += QStringLiteral(", puis ");
        if (step.direction == 0)
            text += QStringLiteral("reste à ") + end;
        else
            text += (step.direction > 0 ? QStringLiteral("croît ") : QStringLiteral("décroît ")) +
                    (k == 0 ? QStringLiteral("de ") + drawing::molText(mol[step.from]) +
                                  QStringLiteral(" à ")
                            : QStringLiteral("jusqu'à ")) +
                    end;
        if (k + 1 < steps.size())
            text += QStringLiteral(" jusqu'à ") + volumeText(volumes[step.to]);
    }
    return text + QLatin1Char('.');
}

void RedoxFamily::describeCourbes() {
    drawing::PictureBox* tabcourbes = widgets().courbes;
    if (tabcourbes->isHidden() || bench().flowing()) return;
    const drawing::CourbesInputs in = courbesInputs();
    if (in.scaleMax == 0 || in.species < 0) {
        tabcourbes->setPartCount(0);
        return;
    }
    const std::vector<double> volumes =
        model::tableVolumes(in.in.pouredVolume, bench().measurements().drops());
    const model::AmountsTable amounts = model::amountsTable(in.species, in.in, volumes, in.hidden);
    const model::ProgressTable progress = model::progressTable(in.species, in.in);
    tabcourbes->setPartCount(2 + int(progress.reactions.size()));

    // The curves: one sentence each, for the amounts present.
    QStringList curves;
    for (std::size_t c = 0; c < amounts.columns.size(); ++c) {
        const model::AmountsColumn& column = amounts.columns[c];
        if (column.introduced || (column.sample && in.hidden)) continue;
        const QString formula = utf8(model::entryUnicodeFormula(column.entry));
        std::vector<double> mol;
        for (const auto& row : amounts.rows)
            if (row[c]) mol.push_back(*row[c]);
        curves << (mol.size() == amounts.rows.size()
                       ? curveSummary(formula, amounts.volumes, mol)
                       : QStringLiteral("n(") + formula +
                             QStringLiteral(")\u00A0: inconnue tant que la concentration est "
                                            "cachée."));
    }
    drawing::PicturePart chart;
    chart.role = QAccessible::Chart;
    chart.name = QStringLiteral("Courbes des quantités de matière en fonction du volume versé");
    chart.description = curves.join(QLatin1Char(' '));
    const drawing::CourbesLayout layout = drawing::courbesLayout(tabcourbes->picture(), in);
    chart.rect = layout.frame.plot;
    tabcourbes->setPart(0, chart);

    // The numbers under the curves, as the copy of the table gives them.
    drawing::PicturePart table;
    table.name = QStringLiteral("Tableau des quantités de matière");
    const QStringList lines =
        QString::fromStdString(model::amountsTableText(amounts, "\t", "\n")).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) continue;
        QStringList cells = lines[i].split(u'\t');
        if (i == 0) {
            table.table.headers = cells;
            continue;
        }
        for (QString& cell : cells)
            if (cell.isEmpty()) cell = QStringLiteral("inconnue");
        table.table.rows.push_back(cells);
    }
    table.table.name = table.name;
    table.rect = chart.rect;
    tabcourbes->setPart(1, table);

    // The progress tables, as they are drawn.
    int top = layout.tableTop;
    for (std::size_t r = 0; r < progress.reactions.size(); ++r) {
        const model::ReactionProgress& reaction = progress.reactions[r];
        const drawing::ReactionTexts texts =
            drawing::reactionTexts(progress, reaction, in.hidden, in.in.pouredVolume);
        drawing::PicturePart part;
        part.name = reaction.titration ? QStringLiteral("Tableau d'avancement du titrage")
                                       : QStringLiteral("Tableau d'avancement de l'étape 1");
        part.description = drawing::runsText(texts.limiting);
        a11y::TextTable& t = part.table;
        t.name = part.name;
        t.headers << QStringLiteral("État") << QStringLiteral("x (mol)");
        for (const model::ReactionTerm& term : model::reactionTerms(reaction.reaction))
            t.headers << (term.coefficient != 1
                              ? QString::number(term.coefficient) + QLatin1Char(' ')
                              : QString()) +
                             utf8(model::entryUnicodeFormula(term.entry));
        auto row = [](const QString& label, const drawing::ProgressRowTexts& texts) {
            QStringList cells{label, drawing::runsText(texts.progress)};
            for (const drawing::Runs& amount : texts.amounts)
                cells << drawing::runsText(amount);
            return cells;
        };
        t.rows.push_back(row(QStringLiteral("État initial"), texts.initial));
        t.rows.push_back(
            row(reaction.titration ? QStringLiteral("État actuel") : QStringLiteral("État final"),
                texts.reached));
        part.rect = QRect(0, top, tabcourbes->width(), drawing::progressBlockHeight);
        top += drawing::progressBlockHeight;
        tabcourbes->setPart(2 + int(r), part);
    }
}

namespace {

// A concentration of a scale: "1,0·10⁻³".
QString scaleConcentration(double c) {
    const std::string text = numbers::formatPattern(c, "0.0E+00");
    const std::size_t e = text.find('E');
    return drawing::runsText(
        {{drawing::RunKind::Plain,
          QString::fromStdString(text.substr(0, e)) + QStringLiteral("·10")},
         {drawing::RunKind::Superscript, QString::number(std::stoi(text.substr(e + 1)))}});
}

} // namespace

a11y::TextTable tintScaleTable(model::Tint tint, int h) {
    a11y::TextTable table;
    table.headers << QStringLiteral("Couleur") << QStringLiteral("De (mol/L)")
                  << QStringLiteral("À (mol/L)");
    int start = 0;
    auto wordAt = [&](int x) {
        return model::colourWord(model::tintChannels(tint, drawing::swatchConcentration(x), h));
    };
    for (int x = 1; x <= drawing::swatchWidth; ++x) {
        if (x < drawing::swatchWidth && wordAt(x) == wordAt(start)) continue;
        table.rows.push_back({utf8(model::colourName(wordAt(start))),
                              scaleConcentration(drawing::swatchConcentration(start)),
                              scaleConcentration(drawing::swatchConcentration(x - 1))});
        start = x;
    }
    return table;
}

void RedoxFamily::describeSwatches() {
    const int h = widgets().tintSlider->sliderPosition();
    const std::pair<drawing::PictureBox*, model::Tint> scales[] = {
        {widgets().permanganateScale, model::Tint::Permanganate},
        {widgets().diiodeScale, model::Tint::Diiode}};
    for (const auto& [box, tint] : scales) {
        box->setPartCount(1);
        drawing::PicturePart part;
        part.name = tint == model::Tint::Permanganate
                        ? QStringLiteral("Couleurs du permanganate selon la concentration")
                        : QStringLiteral("Couleurs du diiode selon la concentration");
        part.table = tintScaleTable(tint, h);
        part.table.name = part.name;
        part.rect = QRect(0, 0, box->width(), box->height());
        box->setPart(0, part);
    }
}

} // namespace families
