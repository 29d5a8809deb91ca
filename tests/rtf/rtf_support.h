// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the rich-text tests: reading a corpus file, and the text a reader sees
// (with capitals applied and object characters removed).
//
// The corpus of real RTF files lives outside the project: TITRAGE_RTF_CORPUS names its folder
// (by default ../shared/rtf-corpus beside the checkout). Where it is absent, every test that
// reads it is skipped with one message that says so.

#include "rtf/rtf.h"
#include "support/application.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

#include <string>

#include <vector>

namespace rtftest {

inline QString corpusRoot() {
    const QByteArray env = qgetenv("TITRAGE_RTF_CORPUS");
    return env.isEmpty() ? QStringLiteral(TITRAGE_RTF_CORPUS) : QString::fromLocal8Bit(env);
}

inline QString corpusPath(const QString& relative) {
    return corpusRoot() + QLatin1Char('/') + relative;
}

inline bool corpusPresent() {
    return QFileInfo(corpusPath(QStringLiteral("files"))).isDir();
}

inline std::string corpusMissing() {
    return "the RTF corpus is not at " + corpusRoot().toStdString() +
           ": set TITRAGE_RTF_CORPUS to its folder to run this test";
}

// Skips the test, with the message above, where the corpus is absent.
#define SKIP_WITHOUT_RTF_CORPUS()                                                                  \
    if (!rtftest::corpusPresent()) GTEST_SKIP() << rtftest::corpusMissing()

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A run of text with its format, as the document holds it.
struct TextRun {
    QString text;
    QTextCharFormat format;
};

inline std::vector<TextRun> runs(const QTextDocument& doc) {
    std::vector<TextRun> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out.push_back({it.fragment().text(), it.fragment().charFormat()});
    return out;
}

// The run of exactly this text, else the first that contains it.
inline const TextRun* runWith(const std::vector<TextRun>& rs, const QString& text) {
    for (const TextRun& r : rs)
        if (r.text == text) return &r;
    for (const TextRun& r : rs)
        if (r.text.contains(text)) return &r;
    return nullptr;
}

// The format of the run with this text (see runWith); a default format, and a failure of the
// test, when there is none.
inline QTextCharFormat formatOf(const std::vector<TextRun>& rs, const QString& text) {
    const TextRun* r = runWith(rs, text);
    EXPECT_TRUE(r) << "no run holds " << text.toStdString();
    return r ? r->format : QTextCharFormat();
}

// The text as shown: capitals applied, pictures left out, blocks on separate lines.
inline QString shownText(const QTextDocument& doc) {
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin()) out += QLatin1Char('\n');
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QString t = it.fragment().text();
            if (it.fragment().charFormat().fontCapitalization() == QFont::AllUppercase)
                t = t.toUpper();
            out += t;
        }
    }
    out.remove(QChar(0xFFFC));
    out.replace(QChar(0x2028), QLatin1Char('\n'));
    return out;
}

inline QString collapseSpaces(QString s) {
    return s.simplified();
}

} // namespace rtftest
