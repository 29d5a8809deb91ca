// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painting procedures of the bench: the static illustration (stand, burette, stirrer and
// the text about the titrant), the liquids and the flask, the falling drop, the preparation
// panel with its bottles, pipettes and cylinder, and the window's own background.
//
// Every procedure paints from plain inputs and never reads a widget: the main window gathers
// the species, volumes, amounts and flags from its controls, calls these, and moves its
// controls to the places they return.

#include "drawing/picture.h"
#include "model/amounts.h"
#include "model/colour.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

class QPainter;

namespace drawing {

// The bench picture `picburette` and the panel `Picture4` share this size.
inline constexpr int benchWidth = 313;
inline constexpr int benchHeight = 497;
inline constexpr int defaultFlaskX = 50;
inline constexpr int initialLiquidTop = 155;

// The 16 console colours (0 black, 7 light grey, 8 dark grey, 12 light red, 15 white).
QColor paletteColour(int n);

// ---- Static illustration ----------------------------------------------------------------

// What the bench's controls need from the illustration.
struct BenchControls {
    int titrantBoxWidth = 65;                  // width of Text1(1)
    QRect starchBox = QRect(152, 472, 13, 17); // Check1; its label is drawn to its right
};

// Where imafond puts the controls it places, in picture pixels.
struct BenchTextLayout {
    QPoint titrantBox;          // top-left of Text1(1)
    QPoint volumeLabel;         // top-left of Labelvol
    QPoint tapImage;            // top-left of Image3
    bool starchEnabled = false; // Check1 is enabled only where diiode can be present
    int flaskX = defaultFlaskX;
    int liquidTop = initialLiquidTop;
};

// Writes the titrant's description under "Dans la burette", at the picture's current position
// and in its 8-point text.
using TitrantText = std::function<void(Picture&)>;

// Draws the static bench for the species (−1: none) and keeps it as the picture's
// background. The caller then moves its controls and runs reftq. A titration whose family
// describes its own titrant (species −1) gives titrantText: it writes in place of the
// description of a catalogue species' titrant, and the starch box has no label, starch serving
// no such titration.
BenchTextLayout imafond(Picture& pic, int species, const BenchControls& controls = {},
                        const TitrantText& titrantText = {});

// The bench gradient colour of row i out of h (peach at the top, white at the bottom).
QColor benchGradientColour(int i, int h);

// Gives the panel the bench's size, paints its gradient and keeps it as its background.
void fond01(Picture& panel, int width = benchWidth, int height = benchHeight);

// The main window's own background: its gradient over 800 × 601 rows, then the shadow of
// the exercise area (fich above supertext), in window coordinates.
void paintWindowBackground(QPainter& painter, QRect supertextRect, QRect fichRect);

// ---- Liquids and flask --------------------------------------------------------------------

// The most liquid the drawn flask holds, mL: the largest whole volume whose surface lies
// below the top of its neck (the liquid's law of liquidSurface).
inline constexpr double flaskCapacity = 65;

// What the flask holds when a titration's family fills it its own way instead of with the
// tints of the catalogue's species.
struct FlaskContent {
    bool shown = false;             // the family's content replaces the species' tints
    double addedVolume = 0;         // added to the sample besides the reagents (water), mL
    std::optional<model::Rgb> tint; // the liquid's colour; none: colourless
    // Drawn in the flask before its glass, which comes over it (a probe and its meter).
    std::function<void(Picture& bench, int flaskX)> paintInside;
};

struct LevelInputs {
    bool initialised = true; // false while Text1(4) still holds its design text
    int species = -1;
    float pouredVolume = 0;  // Text1(5), mL
    double sampleVolume = 0; // Combo1, mL
    double iodineVolume = 0; // Combo2, mL (species 0)
    float iodideVolume = 0;  // Text1(3), mL (species 4 and 7)
    float titrantConcentration = 0;
    bool starch = false;  // Check1
    int tintSlider = 150; // HScroll1
    model::PresentAmounts presentAmounts{};
    bool tapOpen = false; // Timer1 enabled
    QImage tapImage;      // the picture Image3 shows now
    QPoint tapPosition{defaultFlaskX + 46, 283};
    bool panelVisible = false; // Picture4 shown over the bench
    int flaskX = defaultFlaskX;
    int liquidTop = initialLiquidTop; // current value, returned as is when nothing is drawn
    FlaskContent content;
};

// The liquid volume in the flask, mL (never below 0).
double flaskVolume(const LevelInputs& in);
// The surface row for a liquid volume in mL; never above the top of the flask's neck (370).
int liquidSurface(double volume);
// The flask's inside at row y: the first and last x (flaskX added).
std::pair<int, int> flaskRow(int flaskX, int y);

// Redraws the liquids, the flask and the stream over the bench's background (the bench is
// cleared to it first), and the surface and flask outline on the panel when one is given
// (shown or not; only its flask area is renewed). The left strip of the bench's gradient is
// repainted while the panel is visible. Returns the new liquidTop; draws nothing and returns
// in.liquidTop while the window is not initialised.
int niveaubecher(Picture& bench, Picture* panel, const LevelInputs& in);

// Where the falling drop is drawn at animation step 1..4 (nothing for other steps).
std::optional<QPoint> dropPosition(int dropStep, int liquidTop);
// Draws the drop picture at that place.
void drawDrop(Picture& bench, int dropStep, int liquidTop, const QImage& drop);

// ---- Preparation panel ------------------------------------------------------------------

// The random source of the label scribble: uniform reals in [0, 1).
using UniformRandom = std::function<double()>;

// A reagent bottle: body left edge xb, shoulder top yb; cap red for 0, blue otherwise.
void bouteille(Picture& panel, int xb, int yb, int coulbouch, const UniformRandom& random = {});
// A two-mark pipette: bulb left edge pipx, stem top pipy.
void pipette(Picture& panel, int pipx, int pipy);
// The graduated cylinder of the potassium iodide solution, shifted by (dx, dy).
void graduatedCylinder(Picture& panel, int dx = 45, int dy = -75);

struct PanelInputs {
    int species = -1;
    bool hideConcentration = false; // masquer ticked
    int sampleBoxWidth = 65;        // Text1(0)
    int reagentBoxWidth = 65;       // Text1(2)
    int iodideBoxWidth = 65;        // Text1(3)
    UniformRandom random;           // for the label scribbles; a default one when empty
};

struct ControlPlace {
    QPoint topLeft;
    bool visible = true;
};

// Where prepasol puts the panel's controls. Command5's visibility is not the panel's
// business (the hidden-concentration handlers decide it): only its place is given.
struct PanelLayout {
    ControlPlace ions1;
    ControlPlace sampleBox;    // Text1(0)
    ControlPlace randomButton; // Command5
    ControlPlace revealLabel;  // Label1
    ControlPlace sampleVolume; // Combo1
    ControlPlace reagentBox;   // Text1(2)
    ControlPlace iodideBox;    // Text1(3)
    ControlPlace iodineVolume; // Combo2
    bool cylinderDrawn = false;
};

// Clears the panel to its background and draws the preparation for the species.
PanelLayout prepasol(Picture& panel, const PanelInputs& in);

// ---- Small pictures of the bench's image controls ----------------------------------------

inline constexpr QSize tapImageSize{24, 30};
inline constexpr QSize dropImageSize{16, 16};
inline constexpr QSize randomButtonSize{20, 20};
inline constexpr QSize exercisesButtonSize{97, 19};

QImage tapPicture(bool open, qreal devicePixelRatio = 1.0);  // ImageList1: closed, open
QImage dropPicture(qreal devicePixelRatio = 1.0);            // Image1
QImage randomButtonPicture(qreal devicePixelRatio = 1.0);    // Command5
QImage exercisesButtonPicture(qreal devicePixelRatio = 1.0); // btexo

} // namespace drawing
