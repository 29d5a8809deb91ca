// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the first inputs of the fuzz targets that the program itself writes: configurations
// saved by the bench, rich text saved from the text area, record files of the exercises'
// layout, and lines of the calculator. make_seeds <folder> fills <folder>/rtf,
// <folder>/records and <folder>/evaluator.

#include "files/configuration.h"
#include "files/recordfile.h"
#include "rtf/rtf.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

void save(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void richTexts(const fs::path& folder) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat big;
    big.setFontPointSize(18);
    big.setForeground(QColor(0, 0, 200));
    c.insertText(QStringLiteral("Titrage du diiode"), big);
    QTextBlockFormat indented;
    indented.setLeftMargin(20);
    indented.setAlignment(Qt::AlignJustify);
    c.insertBlock(indented);
    QTextCharFormat sub;
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    c.insertText(QStringLiteral("On dose I"));
    c.insertText(QStringLiteral("2"), sub);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontItalic(true);
    bold.setFontFamilies({QStringLiteral("Times New Roman")});
    c.insertText(QStringLiteral(" c = 1,0\u00A0\u00D7\u00A010\t{x}\\ € œ α 💩\u2028\u0001\u0081"),
                 bold);
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(200, 10, 10));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("p")), image);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("p"));
    c.insertImage(picture);
    save(folder / "written.rtf", rtf::writeRtf(doc).toStdString());

    QTextTable* table = c.insertTable(2, 2);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("V (mL)"));
    table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("12,5"));
    save(folder / "written-table.rtf", rtf::writeRtf(doc).toStdString());
}

void recordFiles(const fs::path& folder) {
    files::SituationTable table;
    files::writeConfiguration((folder / "start.C17").string(), table);
    table.texts[0] = {"1E+38", "-0,005", "abc", "", "20,0", "0,0"};
    table.texts[1] = {"0,00000000000000000000000000000000000000001", "1", "0", "10", "5", "25"};
    table.choices[0][1] = 9;
    table.choices[1][1] = -1;
    table.choices[2][2] = 5;
    files::writeConfiguration((folder / "extreme.C17").string(), table);
    // Acid-base situations: the signature of their layout and the 30 records after the 91st.
    table.choices[3][1] = 12;
    table.choices[4][1] = 21;
    table.family[3] = {"25", 6, 1};
    table.family[4] = {"1E+38", -1, 7};
    files::writeConfiguration((folder / "acid-base.C17").string(), table);

    files::RecordFile exercise;
    const char* records[] = {
        "ENONCE.RTF", "ENONCE.C17", "CORRIGE.RTF", " ", "2", "", "Dosage", "par titrage",
        "",           "",           "Un exercice", "3", "1"};
    int n = 0;
    for (const char* text : records)
        exercise.write(++n, text);
    save(folder / "exercise.E44", exercise.bytes());
}

void calculatorLines(const fs::path& folder) {
    const char* lines[] = {"1 + 2 * 3", "(1 + 2) * 3", "2 ^ 3 ^ 2", "-3 ^ 2",
                           "5 - -3",    "1E-3 + 1",    "sin 30",    "invSIN 1",
                           "invCOS .5", "invTAN 1",    "log 1000",  "ln (2 + 3)",
                           "exp 1",     "SQR 2",       "tan 45",    "sin (cos 0 * 90)",
                           "3 * +2",    "(1 + 2",      "1 / 0",     "2.5D+10 / 7"};
    int n = 0;
    for (const char* line : lines)
        save(folder / ("line" + std::to_string(++n)), line);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const fs::path root = argv[1];
    for (const char* target : {"rtf", "records", "evaluator"})
        fs::create_directories(root / target);
    richTexts(root / "rtf");
    recordFiles(root / "records");
    calculatorLines(root / "evaluator");
    return 0;
}
