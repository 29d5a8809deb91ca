// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/information.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace drawing {

namespace {

const QColor infoBlue(0, 0, 200);

// The exponents are raised by about 2.5 pt over an 8 pt line.
constexpr qreal superscriptRaise = 27; // percent of the line height
constexpr qreal infoIndent = 20;       // pixels

// The pieces as shown: each stored line break is one paragraph break.
QString shownText(const QString& stored) {
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    return text;
}

QTextCharFormat defaultFormat() {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(10);
    format.setForeground(QColor(0, 0, 0));
    format.setFontWeight(QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(false);
    format.setVerticalAlignment(QTextCharFormat::AlignNormal);
    format.setBaselineOffset(0);
    return format;
}

void applyStyle(QTextCursor& cursor, InfoStyle style) {
    QTextCharFormat chars;
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignLeft);
    block.setLeftMargin(infoIndent);
    switch (style) {
    case InfoStyle::Plain:
        chars = defaultFormat();
        break;
    case InfoStyle::Blue:
    case InfoStyle::BlueToo:
        chars.setForeground(infoBlue);
        break;
    case InfoStyle::Superscript:
        chars.setBaselineOffset(superscriptRaise);
        chars.setFontPointSize(8);
        break;
    case InfoStyle::Title:
        chars.setFontFamilies({QStringLiteral("Arial")});
        chars.setFontPointSize(18);
        chars.setForeground(infoBlue);
        block.setAlignment(Qt::AlignHCenter);
        block.setLeftMargin(0);
        break;
    }
    cursor.mergeCharFormat(chars);
    cursor.mergeBlockFormat(block);
}

} // namespace

const std::array<InfoPiece, infoPieceCount>& infoPieces() {
    using S = InfoStyle;
    static const std::array<InfoPiece, infoPieceCount> pieces = {{
        {QStringLiteral("Titrage colorimétrique\r\n"), S::Title},
        {QStringLiteral("\r\nCe "), S::Plain},
        {QStringLiteral("simulateur permet de simuler un titrage"), S::Plain},
        {QStringLiteral(" direct ou indirect "), S::BlueToo},
        {QStringLiteral("mettant en œuvre une"), S::Plain},
        {QStringLiteral(" réaction d'oxydo-réduction."), S::BlueToo},
        {QStringLiteral(" L'équivalence est détectée par un changement de couleur de la "
                        "solution.\r\n\r\nPour simuler un titrage\u00A0:\r\n"),
         S::Plain},
        {QStringLiteral("- définir la solution à titrer,\r\n"
                        "- cliquer sur «\u00A0Simuler le titrage\u00A0»,\r\n"
                        "- choisir la concentration de la solution titrante,\r\n"
                        "- effectuer le titrage en tournant le robinet de la burette "
                        "(directement sur l'illustration).\r\n\r\n"),
         S::BlueToo},
        {QStringLiteral("Le graphe indique les quantités de matière introduites et leur "
                        "évolution "),
         S::Plain},
        {QStringLiteral("dans le mélange. \r\n\r\n"), S::BlueToo},
        {QStringLiteral("Les concentrations des solutions en soluté apporté doivent être "
                        "comprises entre 0,2 mol · L"),
         S::Plain},
        {QStringLiteral("-1"), S::Superscript},
        {QStringLiteral(" et\r\n10"), S::Plain},
        {QStringLiteral("-4"), S::Superscript},
        {QStringLiteral(" mol · L"), S::Plain},
        {QStringLiteral("-1"), S::Superscript},
        {QStringLiteral(".\r\n\r\nLes images obtenues peuvent être imprimées ou placées dans "
                        "le presse-papiers (bouton Copier) pour les coller dans une autre "
                        "application.\r\n\r\n"),
         S::Plain},
        {QStringLiteral("Vous pouvez obtenir l'énoncé d'un exercice "), S::Plain},
        {QStringLiteral("dans cette fenêtre en appuyant sur l'onglet "), S::Plain},
        {QStringLiteral("Exercices"), S::Blue},
        {QStringLiteral(".\r\n\r\n"), S::Plain},
        {QStringLiteral("Pour vous familiariser avec ce simulateur, choisissez d'abord "
                        "l'activité "),
         S::Plain},
        {QStringLiteral("Prise en main "), S::Blue},
        {QStringLiteral("dans le menu Exercices."), S::Plain},
    }};
    return pieces;
}

int infoPieceStart(int piece) {
    int start = 0;
    for (int i = 0; i < piece && i < infoPieceCount; ++i)
        start += int(shownText(infoPieces()[i].text).size());
    return start;
}

void writeInformation(QTextDocument& document) {
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));

    QTextCursor cursor(&document);
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setCharFormat(defaultFormat());
    for (const InfoPiece& piece : infoPieces())
        cursor.insertText(shownText(piece.text), defaultFormat());

    for (int i = 0; i < infoPieceCount; ++i) {
        const int start = infoPieceStart(i);
        const int length = int(shownText(infoPieces()[i].text).size());
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        applyStyle(cursor, infoPieces()[i].style);
    }
}

} // namespace drawing
