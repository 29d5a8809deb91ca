// SPDX-License-Identifier: GPL-3.0-or-later
#include "typography.h"

#include <QRegularExpression>

namespace typography {

namespace {

bool noBreak(QChar c) {
    return c == QChar(0x00A0) || c == QChar(0x202F);
}

QString around(const QString& text, qsizetype at) {
    const qsizetype from = std::max<qsizetype>(0, at - 12);
    QString part = text.mid(from, 24);
    part.replace(QChar(0x00A0), QStringLiteral("⍽"));
    part.replace(QChar(0x202F), QStringLiteral("⍽"));
    part.replace(QLatin1Char('\n'), QStringLiteral("⏎"));
    return QStringLiteral("«") + part + QStringLiteral("»");
}

// Words that the programs' texts use and that begin with an accented letter, besides those
// the texts themselves hold in small letters.
const QSet<QString>& usualAccentedWords() {
    static const QSet<QString> words = {
        QStringLiteral("écraser"),     QStringLiteral("écriture"),  QStringLiteral("écrire"),
        QStringLiteral("état"),        QStringLiteral("étape"),     QStringLiteral("équation"),
        QStringLiteral("équivalence"), QStringLiteral("échelle"),   QStringLiteral("élève"),
        QStringLiteral("énoncé"),      QStringLiteral("évolution"), QStringLiteral("électron"),
        QStringLiteral("égal"),        QStringLiteral("étiquette"), QStringLiteral("épuisé")};
    return words;
}

// A question that opens with a form that asks ("Voulez-vous", "Pourquoi", "Quel")...
const QRegularExpression& asking() {
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\w+-(vous|tu|il|elle|on|ils|elles|nous)\\b|(Pourquoi|Comment|"
                       "Combien|Quels?|Quelles?|Est-ce)\\b)"),
        QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

} // namespace

QSet<QString> accentedWords(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\b[éèêà][\\w]+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QSet<QString> words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        words.insert(it.next().captured(0));
    return words;
}

QStringList faults(const QString& text, const QSet<QString>& accented) {
    QStringList found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar before = i > 0 ? text[i - 1] : QChar();
        const QChar after = i + 1 < text.size() ? text[i + 1] : QChar();
        if (c == QLatin1Char(':') || c == QLatin1Char(';') || c == QLatin1Char('?') ||
            c == QLatin1Char('!')) {
            if (before == QLatin1Char(' ')) {
                found << QStringLiteral("espace ordinaire avant « %1 » : %2")
                             .arg(c)
                             .arg(around(text, i));
            } else if ((before.isLetterOrNumber() || before == QLatin1Char(')') ||
                        before == QChar(0x00BB)) &&
                       (after.isNull() || after.isSpace())) {
                // "Vérifier: ..." (a colon in "https://" or "10:30" is followed by no space).
                found << QStringLiteral("pas d'espace insécable avant « %1 » : %2")
                             .arg(c)
                             .arg(around(text, i));
            }
        } else if (c == QChar(0x00AB) && !after.isNull() && !noBreak(after)) {
            found << QStringLiteral("« sans espace insécable après : %1").arg(around(text, i));
        } else if (c == QChar(0x00BB) && !before.isNull() && !noBreak(before)) {
            found << QStringLiteral("» sans espace insécable avant : %1").arg(around(text, i));
        }
    }

    // Capitals without their accent: "Ecraser" where "écraser" is written, "A l'équivalence".
    static const QRegularExpression capital(QStringLiteral("\\b([EA])(\\w*)"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    for (auto it = capital.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString rest = m.captured(2);
        if (m.captured(1) == QLatin1String("A") && rest.isEmpty()) {
            // "A" alone opening a sentence, before a word in small letters, is the
            // preposition "À" ("A l'équivalence"); elsewhere it may be a name ("solution A").
            qsizetype k = m.capturedStart(0) - 1;
            while (k >= 0 && text[k] == QLatin1Char(' '))
                --k;
            const bool opening = k < 0 || QStringLiteral(".!?\n\u2029").contains(text[k]);
            const qsizetype at = m.capturedEnd(0) + 1;
            const QChar next = at < text.size() ? text[at] : QChar();
            if (opening && text.mid(m.capturedEnd(0), 1) == QLatin1String(" ") && next.isLower())
                found << QStringLiteral("« A » pour « À » : %1")
                             .arg(around(text, m.capturedStart(0)));
            continue;
        }
        if (rest.isEmpty() || !rest[0].isLower()) continue;
        for (const QString& accent :
             {QStringLiteral("é"), QStringLiteral("è"), QStringLiteral("ê"), QStringLiteral("à")}) {
            const QString small = accent + rest;
            if (accented.contains(small) || usualAccentedWords().contains(small)) {
                found << QStringLiteral("majuscule sans accent : %1")
                             .arg(around(text, m.capturedStart(0)));
                break;
            }
        }
    }

    // A question without its question mark.
    for (const QString& sentence : text.split(QRegularExpression(QStringLiteral("[\\n.!]")))) {
        if (sentence.contains(asking()) && !sentence.contains(QLatin1Char('?')))
            found << QStringLiteral("question sans « ? » : %1").arg(sentence.trimmed());
    }
    return found;
}

QStringList sourceTexts(const QString& source) {
    QStringList texts;
    QString current;
    bool open = false; // a literal was read and the next one may continue it
    auto close = [&] {
        if (open) texts << current;
        current.clear();
        open = false;
    };
    const qsizetype n = source.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = source[i];
        if (source.mid(i, 2) == QLatin1String("//")) {
            const qsizetype end = source.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? n : end;
            continue;
        }
        if (source.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = source.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            continue;
        }
        if (c == QLatin1Char('#')) { // a preprocessor line: #include "x.h" is no text
            close();
            const qsizetype end = source.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? n : end;
            continue;
        }
        if (c == QLatin1Char('\'')) {
            close();
            qsizetype j = i + 1;
            while (j < n && source[j] != QLatin1Char('\''))
                j += source[j] == QLatin1Char('\\') ? 2 : 1;
            i = j + 1;
            continue;
        }
        if (c == QLatin1Char('"') && i > 0 && source[i - 1] == QLatin1Char('R')) {
            // A raw literal R"d(...)d": patterns, no text.
            close();
            const qsizetype paren = source.indexOf(QLatin1Char('('), i);
            const QString end =
                QLatin1Char(')') + source.mid(i + 1, paren - i - 1) + QLatin1Char('"');
            const qsizetype stop = source.indexOf(end, paren);
            i = stop < 0 ? n : stop + end.size();
            continue;
        }
        if (c == QLatin1Char('"')) {
            qsizetype j = i + 1;
            while (j < n && source[j] != QLatin1Char('"')) {
                if (source[j] != QLatin1Char('\\')) {
                    current += source[j++];
                    continue;
                }
                const QChar e = j + 1 < n ? source[j + 1] : QChar();
                if (e == QLatin1Char('u') || e == QLatin1Char('U')) {
                    const int digits = e == QLatin1Char('u') ? 4 : 8;
                    const char32_t code = source.mid(j + 2, digits).toUInt(nullptr, 16);
                    current += QString::fromUcs4(&code, 1);
                    j += 2 + digits;
                } else if (e == QLatin1Char('x')) {
                    j += 2;
                    while (j < n && QStringLiteral("0123456789abcdefABCDEF").contains(source[j]))
                        ++j;
                    current += QChar(0xFFFD);
                } else {
                    static const QString from = QStringLiteral("nrt\\\"'0");
                    static const QString to = QStringLiteral("\n\r\t\\\"'");
                    const qsizetype k = from.indexOf(e);
                    current += k >= 0 && k < to.size() ? to[k] : e;
                    j += 2;
                }
            }
            open = true;
            i = j + 1;
            continue;
        }
        if (!c.isSpace()) close();
        ++i;
    }
    close();

    // What is no text: code for rich text or patterns (a backslash before a letter), style
    // sheets, and literals without two letters in a row.
    static const QRegularExpression code(QStringLiteral("\\\\[A-Za-z]|^\\s*[a-z-]+\\s*:\\s"));
    static const QRegularExpression letters(QStringLiteral("\\w\\w"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    QStringList kept;
    for (const QString& text : texts)
        if (!text.contains(code) && text.contains(letters)) kept << text;
    return kept;
}

} // namespace typography
