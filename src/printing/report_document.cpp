// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/report_document.h"

#include "grading/uncertainty.h"
#include "numbers/reading.h"

#include <QImage>
#include <QLocale>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace printing {
namespace {

// The width of the text on a page of the report, in screen pixels: A4 less 2 cm margins.
constexpr double textWidth = 600;

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString orDash(const QString& text) {
    return text.trimmed().isEmpty() ? QStringLiteral("—") : escaped(text.trimmed());
}

QString field(const QString& name, const QString& value) {
    return QStringLiteral("<b>%1\u00A0:</b> %2").arg(name, value);
}

// The picture in the document, at its screen size or smaller to fit the width.
QString picture(QTextDocument& doc, const QString& name, const QImage& image, QSizeF pixels) {
    if (image.isNull() || pixels.isEmpty()) return {};
    const QUrl url(QStringLiteral(R"(compterendu:)") + name);
    doc.addResource(QTextDocument::ImageResource, url, image);
    const double shrink = std::min(1.0, textWidth / pixels.width());
    return QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
        .arg(url.toString())
        .arg(qRound(pixels.width() * shrink))
        .arg(qRound(pixels.height() * shrink));
}

} // namespace

QString frenchDate(const QDate& date) {
    const QLocale french(QLocale::French, QLocale::France);
    if (date.day() == 1)
        return QStringLiteral("1er ") + french.toString(date, QStringLiteral("MMMM yyyy"));
    return french.toString(date, QStringLiteral("d MMMM yyyy"));
}

QString resultText(const QString& concentration, const QString& uncertainty) {
    const auto c = numbers::parseNumberText(concentration.toStdString());
    const auto u = numbers::parseNumberText(uncertainty.toStdString());
    if (c && u && *c > 0 && *u > 0)
        return QString::fromStdString(grading::resultWithUncertainty(*c, *u));
    return QStringLiteral("c2 = %1\u00A0mol/L avec u(c2) = %2\u00A0mol/L")
        .arg(orDash(concentration), orDash(uncertainty));
}

std::unique_ptr<QTextDocument> reportDocument(const ReportFacts& facts,
                                              const ReportAnswers& answers,
                                              const PagePictures& pictures, const QDate& date) {
    auto doc = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    doc->setDefaultFont(font);
    doc->setDefaultStyleSheet(QStringLiteral(R"(h1 { font-size: 16pt; color: #00007f; }
h2 { font-size: 12pt; color: #00007f; })"));

    QString html = QStringLiteral("<h1 align=\"center\">Compte rendu de titrage</h1><p>");
    html += field(QStringLiteral("Élève"), orDash(answers.student)) + QStringLiteral("<br>");
    html += field(QStringLiteral("Exercice"), orDash(facts.exerciseTitle)) + QStringLiteral("<br>");
    html += field(QStringLiteral("Date"), escaped(frenchDate(date))) + QStringLiteral("</p>");

    html += QStringLiteral("<h2>1. Montage</h2><ul>");
    for (const QString& line : facts.setUp)
        html += QStringLiteral("<li>%1</li>").arg(escaped(line));
    html += QStringLiteral("</ul>");

    html += QStringLiteral("<h2>2. Schéma, quantités de matière, courbes et tableau "
                           "d'avancement</h2>");
    html += picture(*doc, QStringLiteral("banc"), pictures.bench, pictures.benchPixels);
    html += picture(*doc, QStringLiteral("graphe"), pictures.graph, pictures.graphPixels);
    // The curves of the bench: those the titration on the bench draws in its "Courbes" tab
    // (the progress table with them, or its measured curve once it has one).
    html += picture(*doc, QStringLiteral("courbes"), pictures.courbes, pictures.courbesPixels);

    html += QStringLiteral("<h2>3. Équivalence</h2><p>");
    html += field(
        QStringLiteral("Volume à l'équivalence"),
        answers.equivalenceVolume.trimmed().isEmpty()
            ? QStringLiteral("—")
            : QStringLiteral("VE = %1\u00A0mL").arg(escaped(answers.equivalenceVolume.trimmed())));
    html += QStringLiteral("<br>") + field(QStringLiteral("Méthode"), orDash(answers.method));
    html += QStringLiteral("</p>");

    html += QStringLiteral("<h2>4. Résultat</h2><p>%1</p>")
                .arg(escaped(resultText(answers.concentration, answers.uncertainty)));

    html += QStringLiteral("<h2>5. Vérifications du résultat</h2>");
    if (facts.checks.isEmpty()) {
        html += QStringLiteral("<p>Aucune vérification n'a été faite.</p>");
    } else {
        // "3 vérifications, dont 1 refusée, dans l'ordre :"
        const auto plural = [](qsizetype n) { return n > 1 ? QStringLiteral("s") : QString(); };
        const QString refused = facts.refusedChecks > 0 ? QStringLiteral(", dont %1 refusée%2")
                                                              .arg(facts.refusedChecks)
                                                              .arg(plural(facts.refusedChecks))
                                                        : QString();
        html += QStringLiteral("<p>%1 vérification%2%3, dans l'ordre\u00A0:</p><ol>")
                    .arg(facts.checks.size())
                    .arg(plural(facts.checks.size()), refused);
        for (const QString& line : facts.checks)
            html += QStringLiteral("<li>%1</li>").arg(escaped(line));
        html += QStringLiteral("</ol>");
    }
    doc->setHtml(html);
    return doc;
}

} // namespace printing
