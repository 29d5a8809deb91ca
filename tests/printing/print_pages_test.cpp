// SPDX-License-Identifier: GPL-3.0-or-later
#include "ink.h"
#include "printing/confimp.h"
#include "printing/print_pages.h"
#include "printing/printer_target.h"
#include "support/fake_bench_pictures.h"
#include "support/scripted_answerer.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Pages of a PDF written by Qt: its page objects.
int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString content = QString::fromLatin1(file.readAll());
    return int(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

QPrinter& pdfPrinter() {
    static QPrinter* printer = [] {
        support::application();
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        return p;
    }();
    return *printer;
}

// A page of 1000 x 1400 pixels at 96 dpi: 15000 x 21000 twips, 15 twips a pixel, a gap of
// 1050 twips (70 pixels). The bench starts at 140 pixels, 343.5 from the left; the graph
// at 140 + 497 + 70 = 707 pixels, 280 from the left.
TEST(PrintedPage, PlacesTheBenchWithItsValuesAndTheGraph) {
    support::FakeBenchPictures host;
    printing::PrintRequest request{QStringLiteral("Titre"), 1, true, true};
    const printing::PagePictures pictures = printing::gatherPictures(host, request, 2.0);
    ASSERT_EQ(host.benchRequests.size(), 1u);
    EXPECT_TRUE(host.benchRequests[0].withValues);
    EXPECT_DOUBLE_EQ(host.benchRequests[0].scale, 2.0);
    EXPECT_EQ(pictures.benchPixels, QSizeF(313, 497));
    EXPECT_EQ(pictures.graphPixels, QSizeF(440, 280));

    QImage page(1000, 1400, QImage::Format_RGB32);
    page.setDotsPerMeterX(3780);
    page.setDotsPerMeterY(3780);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        printing::paintPage(painter, page.size(), 96, 96, request.title, pictures);
    }
    struct Probe {
        const char* what;
        int x, y;
        QColor colour;
    };
    const Probe probes[] = {
        {"above the bench", 500, 138, Qt::white},
        {"bench corner", 348, 145, support::benchColour},
        {"bench marker", 373, 170, support::benchMarker},
        {"bench bottom", 500, 630, support::benchColour},
        {"between bench and graph", 500, 660, Qt::white},
        {"left of the bench", 341, 300, Qt::white},
        {"graph top", 282, 709, support::graphColour},
        {"graph bar", 500, 707 + 250, support::graphBar},
        {"right of the graph", 722, 707 + 250, Qt::white},
        {"below the graph", 500, 990, Qt::white},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(QColor(page.pixel(p.x, p.y)), p.colour) << p.what;

    // The title is written at the top, the values inside the bench where they belong.
    EXPECT_FALSE(test::inkBounds(page, QRect(0, 0, 200, 30)).isEmpty());
    const QRect concentrationOnPage =
        host.values.concentrationBox.adjusted(0, 0, 0, 10).translated(343, 140);
    EXPECT_FALSE(test::inkBounds(page, concentrationOnPage).isEmpty());
    const QImage screen = host.benchImage(1.0, false);
    EXPECT_TRUE(test::inkBounds(screen, screen.rect()).isEmpty());
}

class PrintOptions : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        pdfPrinter().setOutputFileName({});
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    // Runs confimp, letting the test drive it while it is shown.
    int run(const std::function<void(printing::Confimp&)>& drive) {
        script.onExec = [&](QDialog& d) {
            auto& window = static_cast<printing::Confimp&>(d);
            drive(window);
            stillOpen = window.isVisible();
            return window.result();
        };
        printing::Confimp window(host, pdfPrinter(), host.mainWindow());
        return ui::exec(window);
    }

    QTemporaryDir dir;
    support::FakeBenchPictures host;
    ui::ScriptedAnswerer script;
    bool stillOpen = false;
};

TEST_F(PrintOptions, OpensWithItsStartValues) {
    host.window.move(200, 150);
    const int mainTop = host.window.frameGeometry().top();
    run([&](printing::Confimp& w) {
        EXPECT_EQ(w.windowTitle(), "Imprimer");
        EXPECT_TRUE(w.Chec[0]->isChecked());
        EXPECT_FALSE(w.Chec[1]->isChecked());
        EXPECT_FALSE(w.Chec[1]->isVisible());
        EXPECT_TRUE(w.Chec[2]->isChecked());
        EXPECT_EQ(w.Chec[2]->text(), "Le graphe des quantités de matière");
        EXPECT_FALSE(w.Chec[3]->isChecked());
        EXPECT_TRUE(w.Chec[3]->isVisible());
        EXPECT_EQ(w.Chec[3]->text(), "Courbes et tableau d'avancement");
        EXPECT_EQ(w.Text1->text(), "Orvanel - Titrage colorimétrique");
        EXPECT_EQ(w.UpDown1->value(), 1);
        EXPECT_EQ(w.UpDown1->minimum(), 1);
        EXPECT_EQ(w.UpDown1->maximum(), 99);
        EXPECT_EQ(w.defaut->text(), "Aucune imprimante\u00A0: impression dans un fichier PDF");
        EXPECT_FALSE(w.Frame2->isVisible());
        EXPECT_EQ(w.frameGeometry().top(), mainTop + 20);
    });
}

TEST_F(PrintOptions, TwoCopiesGiveTwoPagesInThePdf) {
    const QString file = path("banc");
    script.fileNames = {file};
    const int result = run([](printing::Confimp& w) {
        w.UpDown1->setValue(2);
        w.Command1->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(script.asked.empty());
    ASSERT_EQ(script.fileRequests.size(), 1u);
    EXPECT_TRUE(script.fileRequests[0].filter.contains("*.pdf"));
    EXPECT_EQ(script.fileRequests[0].defaultSuffix, "pdf");
    // A name typed without its suffix gets it.
    EXPECT_EQ(pdfPageCount(file + ".pdf"), 2);
    ASSERT_EQ(host.benchRequests.size(), 1u);
    EXPECT_TRUE(host.benchRequests[0].withValues);
    EXPECT_GE(host.benchRequests[0].scale, 2.0);
    EXPECT_EQ(host.graphRequests.size(), 1u);
}

TEST_F(PrintOptions, GraphAloneThreeCopies) {
    script.fileNames = {path("graphe.pdf")};
    run([](printing::Confimp& w) {
        w.Chec[0]->setChecked(false);
        w.UpDown1->setValue(3);
        w.Command1->click();
    });
    EXPECT_EQ(pdfPageCount(path("graphe.pdf")), 3);
    EXPECT_TRUE(host.benchRequests.empty());
    EXPECT_EQ(host.graphRequests.size(), 1u);
}

TEST_F(PrintOptions, CurvesAloneOnAPage) {
    script.fileNames = {path("courbes.pdf")};
    run([](printing::Confimp& w) {
        w.Chec[0]->setChecked(false);
        w.Chec[2]->setChecked(false);
        w.Chec[3]->setChecked(true);
        w.Command1->click();
    });
    EXPECT_EQ(pdfPageCount(path("courbes.pdf")), 1);
    EXPECT_TRUE(host.benchRequests.empty());
    EXPECT_TRUE(host.graphRequests.empty());
    ASSERT_EQ(host.courbesRequests.size(), 1u);
    EXPECT_GE(host.courbesRequests[0], 2.0);
}

// The page of 1000 x 1400 pixels with the three pictures: 140 + 497 + 70 + 280 + 70 + 274 =
// 1331 pixels, which fits; the curves start at 1057, 275.5 from the left.
TEST(PrintedPage, PlacesTheCurvesUnderTheGraph) {
    support::FakeBenchPictures host;
    printing::PrintRequest request{QStringLiteral("Titre"), 1, true, true, true};
    const printing::PagePictures pictures = printing::gatherPictures(host, request, 2.0);
    EXPECT_EQ(pictures.courbesPixels, QSizeF(449, 274));
    QImage page(1000, 1400, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        printing::paintPage(painter, page.size(), 96, 96, request.title, pictures);
    }
    EXPECT_EQ(QColor(page.pixel(500, 1055)), QColor(Qt::white)) << "above the curves";
    EXPECT_EQ(QColor(page.pixel(500, 1056 + 100)), QColor(Qt::white)) << "above the band";
    EXPECT_EQ(QColor(page.pixel(277, 1057 + 120)), support::courbesBand) << "band's left end";
    EXPECT_EQ(QColor(page.pixel(722, 1057 + 120)), support::courbesBand) << "band's right end";
    EXPECT_EQ(QColor(page.pixel(273, 1057 + 120)), QColor(Qt::white)) << "left of the curves";
    EXPECT_EQ(QColor(page.pixel(727, 1057 + 120)), QColor(Qt::white)) << "right of the curves";
    EXPECT_EQ(QColor(page.pixel(500, 1335)), QColor(Qt::white)) << "below the curves";
}

TEST_F(PrintOptions, NothingChosenIsRefused) {
    script.answers = {ui::Answer::Ok};
    run([](printing::Confimp& w) {
        w.Chec[0]->setChecked(false);
        w.Chec[2]->setChecked(false);
        w.Command1->click();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, "Il faut choisir au moins une illustration à imprimer");
    EXPECT_EQ(script.asked[0].title, "Erreur sélection");
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::Ok);
    EXPECT_TRUE(script.fileRequests.empty());
}

TEST_F(PrintOptions, UnwritableFileIsReportedAndTheWindowStaysOpen) {
    const QString file = path("absent/banc.pdf");
    script.fileNames = {file};
    script.answers = {ui::Answer::Ok};
    bool buttonsBack = false;
    run([&](printing::Confimp& w) {
        w.Command1->click();
        buttonsBack = w.Command1->isVisible() && w.Frame1->isVisible() && !w.Frame2->isVisible();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(buttonsBack);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, printing::fileFailureText(file));
    EXPECT_TRUE(script.asked[0].text.startsWith("Impossible d'écrire le fichier"));
    EXPECT_EQ(script.asked[0].title, "Imprimer");
    EXPECT_EQ(script.asked[0].icon, ui::Icon::Critical);
    EXPECT_EQ(script.asked[0].buttons, ui::Buttons::Ok);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PrintOptions, AFailedAttemptCanBeFollowedByASuccessfulOne) {
    script.fileNames = {path("absent/banc.pdf"), path("banc.pdf")};
    script.answers = {ui::Answer::Ok};
    const int result = run([](printing::Confimp& w) {
        w.Command1->click();
        w.Command1->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(pdfPageCount(path("banc.pdf")), 1);
}

// A printer that refuses to go on (here a page it cannot start) is a failure, not a
// success: the message names the file the pages were going to.
TEST_F(PrintOptions, PrinterRefusingAPageIsReported) {
    const QString file = path("refus.pdf");
    script.fileNames = {file};
    script.answers = {ui::Answer::Ok};
    const auto outcome =
        printing::printWith(nullptr, pdfPrinter(), [](QPainter&) { return false; });
    EXPECT_EQ(outcome, printing::PrintOutcome::Failed);
    ASSERT_EQ(script.asked.size(), 1u);
    EXPECT_EQ(script.asked[0].text, printing::fileFailureText(file));
}

TEST_F(PrintOptions, CancellingTheFileNameKeepsTheWindowOpenSilently) {
    script.fileNames = {QString()};
    run([](printing::Confimp& w) { w.Command1->click(); });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(script.fileRequests.size(), 1u);
    EXPECT_TRUE(script.asked.empty());
    EXPECT_TRUE(host.benchRequests.empty());
}

TEST_F(PrintOptions, CancellingThePrinterChoiceChangesNothing) {
    script.printerChoices = {false};
    QString before;
    QString after;
    run([&](printing::Confimp& w) {
        before = w.defaut->text();
        w.Command2->click();
        after = w.defaut->text();
        w.Command3->click();
    });
    EXPECT_EQ(script.printerRequests, 1);
    EXPECT_EQ(after, before);
    EXPECT_FALSE(stillOpen);
    EXPECT_TRUE(host.benchRequests.empty());
}

} // namespace
