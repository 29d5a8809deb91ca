// SPDX-License-Identifier: GPL-3.0-or-later
// The file of the checks kept between runs: written, read back, and read past its damage.
#include "grading/check_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using grading::KeptCheck;

std::vector<KeptCheck> sample() {
    const double expected = 0.0100;
    return {
        {"/classe/FER.E44", "dupont marie",
         grading::checkTypedResult("0,0102", "0,0002", expected)},
        {"/classe/FER.E44", "dupont marie", grading::checkTypedResult("0.0135", "2E-4", expected)},
        {"/classe/FER.E44", "dupont marie", grading::checkTypedResult("0,5", "1", expected)},
        // Texts that hold the separators of the file.
        {"/classe/a\tb\\c.E44", "", grading::checkTypedResult("0,0\n1", "x\\t\ry", expected)},
    };
}

TEST(CheckLog, WrittenAndReadBack) {
    const std::vector<KeptCheck> checks = sample();
    ASSERT_TRUE(checks[0].check.made() && checks[0].check.compatible);
    ASSERT_TRUE(checks[1].check.made() && checks[1].check.zText.empty());
    ASSERT_FALSE(checks[2].check.made());
    const std::string text = grading::checkLogText(checks);
    EXPECT_EQ(text.substr(0, text.find('\n')), "titrage vérifications 1");
    EXPECT_EQ(grading::checkLogLine(checks[0]),
              "/classe/FER.E44\tdupont marie\t0,0102\t0,0002\tcompatible\t1,0\t");
    EXPECT_EQ(grading::checkLogLine(checks[1]),
              "/classe/FER.E44\tdupont marie\t0.0135\t2E-4\tnon compatible\t\t");
    const std::string escaped = "/classe/a\\tb\\\\c.E44\t\t0,0\\n1\tx\\\\t\\ry\trefusée\t\t";
    EXPECT_EQ(grading::checkLogLine(checks[3]).substr(0, escaped.size()), escaped);
    EXPECT_EQ(grading::readCheckLog(text), checks);
    EXPECT_TRUE(grading::readCheckLog("").empty());
}

TEST(CheckLog, DamagedLinesAreSkipped) {
    const std::vector<KeptCheck> checks = sample();
    const std::string good = grading::checkLogLine(checks[0]);
    const std::string refused = grading::checkLogLine(checks[2]);
    struct Row {
        const char* name;
        std::string line;
    } rows[] = {
        {"empty", ""},
        {"six fields", "/e.E44\tx\t0,01\t0,0002\tcompatible\t0,0"},
        {"eight fields", good + "\t"},
        {"no exercise", "\tx\t0,01\t0,0002\tcompatible\t0,0\t"},
        {"unknown escape", "/e\\q.E44\tx\t0,01\t0,0002\tcompatible\t0,0\t"},
        {"escape cut short", "/e.E44\tx\t0,01\t0,0002\tcompatible\t0,0\t\\"},
        {"unknown outcome", "/e.E44\tx\t0,01\t0,0002\tpeut-être\t0,0\t"},
        {"c2 not a number", "/e.E44\tx\tabc\t0,0002\tcompatible\t0,0\t"},
        {"u(c2) zero", "/e.E44\tx\t0,01\t0\tcompatible\t0,0\t"},
        {"z with two decimals", "/e.E44\tx\t0,01\t0,0002\tcompatible\t1,00\t"},
        {"z beyond 3 written", "/e.E44\tx\t0,01\t0,0002\tnon compatible\t3,1\t"},
        {"z with a point", "/e.E44\tx\t0,01\t0,0002\tcompatible\t1.0\t"},
        {"verdict not z's", "/e.E44\tx\t0,01\t0,0002\tcompatible\t2,1\t"},
        {"compatible beyond 3", "/e.E44\tx\t0,01\t0,0002\tcompatible\t\t"},
        {"made with a reason", "/e.E44\tx\t0,01\t0,0002\tcompatible\t1,0\tparce que"},
        {"refused without a reason", "/e.E44\tx\t0,5\t1\trefusée\t\t"},
        {"refused with a z", "/e.E44\tx\t0,5\t1\trefusée\t1,0\tparce que"},
        {"cut in a character", good.substr(0, good.size() - 8)},
        {"bytes that are no text", std::string("\0\xff\xfe\t\t\t\t\t\t", 10)},
    };
    for (const Row& r : rows) {
        const std::string text =
            "titrage vérifications 1\n" + good + "\n" + r.line + "\n" + refused + "\r\n" + good;
        const std::vector<KeptCheck> read = grading::readCheckLog(text);
        EXPECT_EQ(read, (std::vector<KeptCheck>{checks[0], checks[2], checks[0]})) << r.name;
    }
    // A file of another kind, or cut in its header, gives the lines it can.
    EXPECT_EQ(grading::readCheckLog("titrage vérif"), std::vector<KeptCheck>{});
    EXPECT_EQ(grading::readCheckLog("autre chose\n" + refused), std::vector<KeptCheck>{checks[2]});
}

} // namespace
