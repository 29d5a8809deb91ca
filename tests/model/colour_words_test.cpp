// SPDX-License-Identifier: GPL-3.0-or-later
// The words that say the colour of the liquids: along the tint scales, and along the whole
// titration of each of the ten species, from the colourless flask to the darkest one.

#include "model/amounts.h"
#include "model/colour_words.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using model::ColourWord;
using model::Tint;

std::string name(ColourWord w) {
    return std::string(model::colourName(w));
}

TEST(ColourWord, AlongTheTintScales) {
    struct Row {
        const char* name;
        Tint tint;
        double c; // mol/L
        int h;
        const char* expected;
    } rows[] = {
        // A liquid painted white at c = 0 shows nothing.
        {"permanganate none", Tint::Permanganate, 0, 150, "incolore"},
        {"permanganate too thin to see", Tint::Permanganate, 1e-7, 100, "incolore"},
        {"permanganate first drop in excess", Tint::Permanganate, 0.00025 / 28.05, 150,
         "rose pâle"},
        {"permanganate 1e-4", Tint::Permanganate, 1e-4, 150, "rose"},
        {"permanganate 3e-4", Tint::Permanganate, 3e-4, 150, "rose"},
        {"permanganate 1e-3", Tint::Permanganate, 1e-3, 150, "violet"},
        {"permanganate 1e-3 light slider", Tint::Permanganate, 1e-3, 100, "rose"},
        {"permanganate 1e-5 dark slider", Tint::Permanganate, 1e-5, 200, "rose pâle"},
        {"permanganate 0.1", Tint::Permanganate, 0.1, 150, "violet"},
        {"permanganate darkest", Tint::Permanganate, 50, 200, "violet"},
        {"diiode none", Tint::Diiode, 0, 150, "incolore"},
        {"diiode 1e-6 too thin to see", Tint::Diiode, 1e-6, 150, "incolore"},
        {"diiode 1e-5", Tint::Diiode, 1e-5, 150, "jaune pâle"},
        {"diiode 3e-4", Tint::Diiode, 3e-4, 150, "jaune pâle"},
        {"diiode 1e-3", Tint::Diiode, 1e-3, 150, "jaune"},
        {"diiode 5e-3", Tint::Diiode, 5e-3, 150, "jaune"},
        {"diiode 5e-3 dark slider", Tint::Diiode, 5e-3, 200, "orangé"},
        {"diiode 0.01", Tint::Diiode, 0.01, 150, "orangé"},
        {"diiode 0.02", Tint::Diiode, 0.02, 150, "orangé"},
        {"diiode 0.03", Tint::Diiode, 0.03, 150, "brun"},
        {"diiode 0.05 light slider", Tint::Diiode, 0.05, 100, "brun"},
        {"diiode 0.1", Tint::Diiode, 0.1, 150, "brun"},
        {"diiode darkest", Tint::Diiode, 50, 200, "brun"},
        {"starch, the least diiode", Tint::DiiodeStarch, 0, 150, "bleu"},
        {"starch 1e-5", Tint::DiiodeStarch, 1e-5, 150, "bleu"},
        {"starch 1e-4", Tint::DiiodeStarch, 1e-4, 150, "bleu foncé"},
        {"starch black", Tint::DiiodeStarch, 0.01, 150, "bleu foncé"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(name(model::liquidColourWord(model::LiquidTint{r.tint, r.c}, r.h)), r.expected)
            << r.name;
    EXPECT_EQ(name(model::liquidColourWord(std::nullopt, 150)), "incolore");
}

TEST(ColourWord, ColoursTheLawDoesNotPaint) {
    // Every hue has a word: light and dark blues, a pale pink from a light red.
    struct Row {
        const char* name;
        model::Channels colour;
        const char* expected;
    } rows[] = {
        {"sky blue", {170, 200, 255}, "bleu pâle"},  {"pure blue", {0, 0, 255}, "bleu"},
        {"navy", {0, 0, 100}, "bleu foncé"},         {"light red", {255, 200, 200}, "rose pâle"},
        {"light grey", {200, 200, 205}, "incolore"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(name(model::colourWord(r.colour)), r.expected) << r.name;
}

TEST(ColourWord, AgreesWithSolution) {
    struct Row {
        ColourWord word;
        const char* expected;
    } rows[] = {
        {ColourWord::Brown, "brune"},         {ColourWord::Violet, "violette"},
        {ColourWord::Blue, "bleue"},          {ColourWord::Orange, "orangée"},
        {ColourWord::DarkBlue, "bleu foncé"}, {ColourWord::PalePink, "rose pâle"},
        {ColourWord::Colourless, "incolore"}, {ColourWord::Yellow, "jaune"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(model::solutionColour(r.word), r.expected) << name(r.word);
}

// The flask's words from an empty burette to a full one, repeats left out, joined by " > ".
struct Titration {
    const char* name;
    int species;
    float c0;       // mol/L
    double v0;      // mL
    float cT;       // mol/L
    float cX;       // reagent added in excess, mol/L
    double volumeX; // its volume, mL
    bool starch;
    const char* words;
};

std::string flaskWords(const Titration& t) {
    model::BenchInputs in;
    in.sampleConcentration = t.c0;
    in.sampleVolume = t.v0;
    in.titrantConcentration = t.cT;
    in.reagentConcentration = t.cX;
    in.iodineVolume = t.species == 0 ? t.volumeX : 0;
    in.iodideVolume = float(t.species == 4 || t.species == 7 ? t.volumeX : 0);
    std::string words, last;
    for (int drops = 0; drops <= 500; ++drops) {
        in.pouredVolume = float(drops * 0.05);
        model::PresentAmounts present{};
        model::computeAmounts(t.species, in, present);
        const double volume = in.sampleVolume + in.iodineVolume + in.iodideVolume + in.pouredVolume;
        const std::string word =
            name(model::liquidColourWord(model::beakerTint(present, volume, t.starch), 150));
        if (word == last) continue;
        words += (words.empty() ? "" : " > ") + word;
        last = word;
    }
    return words;
}

TEST(ColourWord, AlongTheTitrationOfEachSpecies) {
    // Permanganate titrations go from colourless to violet past the equivalence; the diiode
    // titrated by thiosulfate fades to colourless; thiosulfate titrated by diiode turns
    // yellow. The starch complex is so dark that the last drop before the equivalence still
    // leaves it dark blue: its blue vanishes at once. Every equivalence lies within the
    // burette.
    const Titration rows[] = {
        {"ascorbic acid", 0, 0.01f, 10, 0.05f, 0.05f, 5, false,
         "orangé > jaune > jaune pâle > incolore"},
        {"ascorbic acid, starch", 0, 0.01f, 10, 0.05f, 0.05f, 5, true, "bleu foncé > incolore"},
        {"oxalic acid", 1, 0.01f, 10, 0.01f, 0, 0, false, "incolore > rose pâle > rose > violet"},
        {"diiode", 2, 0.05f, 10, 0.1f, 0, 0, false,
         "brun > orangé > jaune > jaune pâle > incolore"},
        {"diiode, starch", 2, 0.05f, 10, 0.1f, 0, 0, true, "bleu foncé > incolore"},
        {"sulfur dioxide", 3, 0.01f, 10, 0.01f, 0, 0, false,
         "incolore > rose pâle > rose > violet"},
        {"hypochlorite", 4, 0.01f, 10, 0.02f, 0.1f, 10, false, "jaune > jaune pâle > incolore"},
        {"nitrite", 5, 0.01f, 10, 0.01f, 0, 0, false, "incolore > rose pâle > rose > violet"},
        {"hydrogen peroxide", 6, 0.01f, 10, 0.01f, 0, 0, false,
         "incolore > rose pâle > rose > violet"},
        {"copper sulfate", 7, 0.01f, 10, 0.01f, 0.1f, 10, false, "jaune > jaune pâle > incolore"},
        {"iron sulfate", 8, 0.01f, 10, 0.01f, 0, 0, false, "incolore > rose pâle > rose > violet"},
        {"thiosulfate", 9, 0.01f, 10, 0.01f, 0, 0, false, "incolore > jaune pâle > jaune"},
        {"thiosulfate, starch", 9, 0.01f, 10, 0.01f, 0, 0, true, "incolore > bleu > bleu foncé"},
    };
    for (const Titration& t : rows)
        EXPECT_EQ(flaskWords(t), t.words) << t.name;
}

TEST(ColourWord, TheBuretteOfEachTitrant) {
    // Permanganate is violet, diiode brown in the burette; thiosulfate is colourless.
    EXPECT_EQ(name(model::liquidColourWord(model::buretteTint(1, 0.02f), 150)), "violet");
    EXPECT_EQ(name(model::liquidColourWord(model::buretteTint(9, 0.05f), 150)), "brun");
    EXPECT_EQ(name(model::liquidColourWord(model::buretteTint(2, 0.05f), 150)), "incolore");
    EXPECT_EQ(name(model::liquidColourWord(model::buretteTint(-1, 0.05f), 150)), "incolore");
}

} // namespace
