// SPDX-License-Identifier: GPL-3.0-or-later
// Every equation the shipped statements and corrections write, reactions and half-equations,
// read back from the rich text as the program shows it (indices and charges are subscripts
// and superscripts there) and checked for atoms and charges.
#include "model/formula.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString data = QStringLiteral(TITRAGE_SOURCE_DIR "/data/");

QString scripts(const QString& text, bool superscript) {
    static const QString digits = QStringLiteral("0123456789");
    static const QString subscripts = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
    static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out;
    for (const QChar c : text) {
        const qsizetype d = digits.indexOf(c);
        if (d >= 0)
            out += (superscript ? superscripts : subscripts)[d];
        else if (superscript && (c == QLatin1Char('-') || c == QChar(0x2212)))
            out += QChar(0x207B);
        else if (superscript && c == QLatin1Char('+'))
            out += QChar(0x207A);
        else
            out += c;
    }
    return out;
}

// The text of a document with its subscripts and superscripts written as Unicode scripts,
// a line per paragraph.
QString scriptedText(const QTextDocument& doc) {
    QString text;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const auto align = f.charFormat().verticalAlignment();
            text += align == QTextCharFormat::AlignSubScript     ? scripts(f.text(), false)
                    : align == QTextCharFormat::AlignSuperScript ? scripts(f.text(), true)
                                                                 : f.text();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

// "a A + b B → c C" or a half-equation "A + n e⁻ = B": terms of an optional number and a
// formula joined by " + ", on each side of an arrow or an equals sign.
QStringList equationsIn(const QString& text) {
    static const QString term =
        QStringLiteral("(?:\\d+[ \\x{a0}])?(?:e⁻|[A-Z(][A-Za-z₀-₉⁰-⁹¹²³⁺⁻()]*)");
    static const QString side =
        term + QStringLiteral("(?:[ \\x{a0}]\\+[ \\x{a0}]") + term + QStringLiteral(")*");
    static const QRegularExpression equation(side + QStringLiteral("[ \\x{a0}]+[→=][ \\x{a0}]+") +
                                             side);
    QStringList found;
    for (auto it = equation.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

TEST(ShippedEquations, ReadFromTheScriptsOfTheRichText) {
    QTextDocument doc;
    doc.setHtml(QStringLiteral("d'où MnO<sub>4</sub><sup>-</sup> + 8 H<sup>+</sup> + 5 "
                               "e<sup>-</sup> = Mn<sup>2+</sup> + 4 H<sub>2</sub>O (×2), puis "
                               "V<sub>E</sub> = 12,0 mL."));
    EXPECT_EQ(equationsIn(scriptedText(doc)),
              QStringList{QStringLiteral("MnO₄⁻ + 8 H⁺ + 5 e⁻ = Mn²⁺ + 4 H₂O")});
}

TEST(ShippedEquations, EveryEquationOfTheStatementsAndCorrectionsIsBalanced) {
    int checked = 0;
    for (const QString& name : QDir(data).entryList({QStringLiteral("*.RTF")}, QDir::Files)) {
        QTextDocument doc;
        ASSERT_TRUE(rtf::loadRtfFile(data + name, doc)) << name.toStdString();
        for (const QString& text : equationsIn(scriptedText(doc))) {
            SCOPED_TRACE(name.toStdString() + ": " + text.toStdString());
            const auto equation = model::parseEquation(text.toStdString());
            ASSERT_TRUE(equation.has_value());
            const model::Composition rest = model::imbalance(*equation);
            EXPECT_TRUE(model::isBalanced(*equation))
                << "charge left " << rest.charge << ", " << rest.atoms.size() << " elements";
            ++checked;
        }
    }
    // Six corrections with their reactions and half-equations, and the statements that
    // give an equation.
    EXPECT_GE(checked, 20);
}

} // namespace
