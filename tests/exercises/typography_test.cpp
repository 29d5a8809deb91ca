// SPDX-License-Identifier: GPL-3.0-or-later
// French typography in every text: the shipped texts as the program shows them (the rich-text
// statements and corrections, the help, the titles and topics of the exercise files), and
// every text of the program's sources (messages, questions, labels, tooltips, drawn texts,
// accessible names). The rules are checked first on texts whose faults are known.
#include "typography.h"

#include "exercises/exercise_file.h"
#include "rtf/rtf.h"
#include "support/application.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString root = QStringLiteral(TITRAGE_SOURCE_DIR "/");

struct Case {
    const char* name;
    const char* text;
    int faults;
};

TEST(Typography, TheRulesFindTheFaults) {
    const QSet<QString> accented = typography::accentedWords(QStringLiteral("écraser l'état"));
    const Case cases[] = {
        {"no-break space before a colon", "Vérifier\u00A0: le nom", 0},
        {"narrow no-break space before a question mark", "Écraser le fichier\u202F?", 0},
        {"plain space before a colon", "Vérifier : le nom", 1},
        {"no space before a colon", "Vérifier: le nom", 1},
        {"no space before a question mark", "Abandon des données?", 1},
        {"glued exclamation mark", "Ce fichier existe déjà!", 1},
        {"plain space before a semicolon", "en excès ; la suite", 1},
        {"quotation marks with no-break spaces", "cliquer sur «\u00A0Simuler\u00A0»", 0},
        {"quotation marks with plain spaces", "cliquer sur « Simuler »", 2},
        {"quotation marks with no space", "cliquer sur «Simuler»", 2},
        {"capital without its accent", "Ecraser le fichier\u00A0?", 1},
        {"capital with its accent", "Écraser l'état", 0},
        {"a word that has no accent", "Eau oxygénée, Ensuite, Entrée", 0},
        {"capital of a word the texts write with an accent", "Etat initial", 1},
        {"A for À", "A l'équivalence, le mélange", 1},
        {"A as a name", "la solution A et la solution B", 0},
        {"question without its mark", "Voulez-vous recommencer le titrage", 1},
        {"question with its mark", "Voulez-vous recommencer le titrage\u00A0?", 0},
        {"why without a mark", "Pourquoi n'est-il pas nécessaire d'ajouter un indicateur.", 1},
        {"an address and an hour", "https://www.gnu.org/licenses à 10:30", 0},
        {"a ratio in a formula", "c1 · V1 = c2 · V2", 0},
    };
    for (const Case& c : cases) {
        const QStringList found = typography::faults(QString::fromUtf8(c.text), accented);
        EXPECT_EQ(found.size(), c.faults) << c.name << ": " << found.join(" | ").toStdString();
    }
}

struct Literals {
    const char* name;
    const char* source;
    QStringList texts;
};

TEST(Typography, TheTextsOfASourceAreItsStringLiterals) {
    const Literals cases[] = {
        {"a message",
         R"(ask(QStringLiteral("Abandon des données\u00A0?"));)",
         {QString::fromUtf8("Abandon des données\u00A0?")}},
        {"literals that follow one another",
         "x = \"Le dossier \"\n    \"n'existe pas.\";",
         {QStringLiteral("Le dossier n'existe pas.")}},
        {"comments and includes left out",
         "#include \"ui/modal.h\"\n// \"Vérifier: dans un commentaire\"\n/* \"idem: \" */ "
         "f(\"Oui\");",
         {QStringLiteral("Oui")}},
        {"rich-text code set aside", R"(out += "{\\colortbl ;";)", {}},
        {"a style sheet set aside", R"(setStyleSheet("color: rgb(0, 0, 160);");)", {}},
        {"a raw pattern set aside",
         "QRegularExpression(R\"(a\"b: c)\"); g(\"Texte\");",
         {QStringLiteral("Texte")}},
        {"a character is no text",
         "c == '\"' ? \"Deux mots\" : \"\"",
         {QStringLiteral("Deux mots")}},
        {"a lone mark is no text", "join(\";\")", {}},
    };
    for (const Literals& c : cases)
        EXPECT_EQ(typography::sourceTexts(QString::fromUtf8(c.source)), c.texts) << c.name;
}

// The texts shipped in data/, each with where it comes from.
QList<std::pair<QString, QString>> shippedTexts() {
    support::application(); // the rich texts are laid out
    QList<std::pair<QString, QString>> texts;
    const QString data = root + QStringLiteral("data/");
    for (const QString& name : QDir(data).entryList({QStringLiteral("*.RTF")}, QDir::Files)) {
        QTextDocument doc;
        EXPECT_TRUE(rtf::loadRtfFile(data + name, doc)) << name.toStdString();
        texts << std::pair(name, doc.toRawText());
    }
    QFile help(data + QStringLiteral("Ovlu.hlp"));
    EXPECT_TRUE(help.open(QIODevice::ReadOnly));
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(help.readAll()));
    texts << std::pair(QStringLiteral("Ovlu.hlp"), doc.toRawText());
    QStringList exercises = QDir(data).entryList({QStringLiteral("*.E44")}, QDir::Files);
    exercises << QStringLiteral("VIREKA.PEM");
    for (const QString& name : exercises) {
        const exercises::ExerciseRecords records = exercises::readExerciseRecords(data + name);
        EXPECT_TRUE(records.readable) << name.toStdString();
        for (int r = exercises::firstTopicRecord; r <= exercises::titleRecord; ++r)
            texts << std::pair(name, records[r]);
    }
    return texts;
}

// Every text of the program: the string literals of its sources.
QList<std::pair<QString, QString>> programTexts() {
    QList<std::pair<QString, QString>> texts;
    QDirIterator it(root + QStringLiteral("src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        for (const QString& text : typography::sourceTexts(QString::fromUtf8(file.readAll())))
            texts << std::pair(QDir(root).relativeFilePath(path), text);
    }
    return texts;
}

QSet<QString> accentedWordsOf(const QList<std::pair<QString, QString>>& texts) {
    QSet<QString> words;
    for (const auto& [where, text] : texts)
        words.unite(typography::accentedWords(text));
    return words;
}

void expectFrenchTypography(const QList<std::pair<QString, QString>>& texts,
                            const QSet<QString>& accented) {
    for (const auto& [where, text] : texts)
        for (const QString& fault : typography::faults(text, accented))
            ADD_FAILURE() << where.toStdString() << ": " << fault.toStdString();
}

TEST(Typography, EveryShippedText) {
    const auto shipped = shippedTexts();
    EXPECT_GE(shipped.size(), 40); // 16 rich texts, the help, 7 record files of 5 texts
    expectFrenchTypography(shipped, accentedWordsOf(shipped) + accentedWordsOf(programTexts()));
}

TEST(Typography, EveryTextOfTheProgram) {
    const auto program = programTexts();
    EXPECT_GE(program.size(), 300);
    expectFrenchTypography(program, accentedWordsOf(program) + accentedWordsOf(shippedTexts()));
}

} // namespace
