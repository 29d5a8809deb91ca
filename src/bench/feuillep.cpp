// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window's controls, start-up and placement on the screen.
#include "bench/feuillep.h"

#include "bench/bench_accessible.h"
#include "bench/shell_rules.h"
#include "bench/widgets.h"
#include "drawing/bench_drawing.h"
#include "drawing/tintscale.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "exercises/exercise_text.h"
#include "exercises/format_bar.h"
#include "model/catalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace bench {

namespace {

const QStringList volumeItems = {QStringLiteral("0"),     QStringLiteral("1 mL"),
                                 QStringLiteral("2 mL"),  QStringLiteral("5 mL"),
                                 QStringLiteral("10 mL"), QStringLiteral("20 mL")};

const QSize ongletsSize(457, 297);

QPushButton* commandButton(QWidget* parent, const QString& caption, const QString& tip,
                           QRect geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(geometry);
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

} // namespace

FeuilleP::FeuilleP(QWidget* parent, FirstDrawing first) : QWidget(parent) {
    p_.chain.holdDrawing();
    installBenchAccessibility();
    installWidgetAccessibility();
    setObjectName(QStringLiteral("feuilleP"));
    setWindowTitle(QStringLiteral("Titrage colorimétrique"));
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8);
    setFont(f);
    resize(800, 600);

    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(10);
    Timer2.setTimerType(Qt::PreciseTimer);
    Timer2.setInterval(60);

    buildCommandRow();
    buildBench();
    buildPanel();
    buildSideTabs();
    buildExerciseArea();
    for (const auto& f : families_.all())
        f->attach(familyBench_, benchWidgets());
    connectHandlers();
    buildAccessibility();

    // Start-up, in order.
    p_.shell.writeTempRecord(24, QStringLiteral("OUI"));

    Combo1->addItems(volumeItems);
    Combo1->setCurrentIndex(0);
    Combo2->addItems(volumeItems);
    Combo2->setCurrentIndex(0);
    for (const auto& f : families_.all())
        f->addListItems(*ions1);
    ions1->setCurrentIndex(0);

    for (int i = 0; i < 10; ++i) {
        Option2[i]->setText(QStringLiteral("Situation n° %1").arg(i + 1));
        QPalette p = Option2[i]->palette();
        p.setColor(QPalette::Window, QColor(255, 255 - 9 * i, 180));
        Option2[i]->setPalette(p);
        Option2[i]->setBackgroundRole(QPalette::Window);
        Option2[i]->setAutoFillBackground(true);
    }
    p_.state.situations.table.current = 0;
    {
        QSignalBlocker block(Option2[0]);
        Option2[0]->setChecked(true);
    }

    placeWindow();
    p_.chain.showInformation();

    const char* defaults[6] = {"0,01", "0,005", "0,05", "0", "20,0", "0,0"};
    for (int k = 0; k < 6; ++k)
        p_.setUp.setText(k, QString::fromUtf8(defaults[k]));
    p_.setUp.rewriteLabelvol();

    p_.state.situations.table.reset();

    p_.chain.imafond();
    // The tint scales and the curves, which the first tab hides, are painted once the window
    // has shown (paintSideTabs).
    p_.chain.showTab(1);
    p_.chain.reftq();
    p_.run.reinitialise();
    if (first == FirstDrawing::AtOnce) p_.chain.releaseDrawing();
}

FeuilleP::~FeuilleP() {
    // The boxes lose the focus while the window is taken apart: that is no validation.
    for (QLineEdit* box : Text1)
        box->removeEventFilter(this);
    Label1->removeEventFilter(this);
    Timer1.stop();
    Timer2.stop();
}

void FeuilleP::start() {
    // The window is painted once, when it is whole: the panel open and its values in place.
    setUpdatesEnabled(false);
    p_.chain.holdDrawing();
    show();
    QApplication::processEvents();
    // The first activation may not come from the window system (an off-screen run).
    if (p_.shell.activations() == 0) p_.shell.Form_Activate();
    // Centred again now that the window system has given the window its frame.
    placeWindow();
    p_.chain.fond01();
    p_.setUp.Command3_Click();
    p_.chain.releaseDrawing();
    started_ = true;
    setUpdatesEnabled(true);
    // Painted now, if the window system has shown the window already (otherwise when it does),
    // rather than at the next update tick; the controls shown meanwhile have asked to be
    // painted later, and are painted with the rest.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    repaint();
}

void FeuilleP::buildCommandRow() {
    Command2 = commandButton(this, QStringLiteral("&Ouvrir"),
                             QStringLiteral("Retrouver une configuration"), {0, 0, 113, 41});
    Command11 =
        commandButton(this, QStringLiteral("&Enregistrer"),
                      QStringLiteral("Enregistrer la configuration actuelle"), {112, 0, 121, 41});
    Command4 =
        commandButton(this, QStringLiteral("Co&pier"),
                      QStringLiteral("Placer l'image dans le presse-papiers"), {232, 0, 113, 41});
    Command10 = commandButton(this, QStringLiteral("&Imprimer"), QStringLiteral("Imprimer l'image"),
                              {344, 0, 121, 41});
    Command8 = commandButton(this, QStringLiteral("&Calculatrice"),
                             QStringLiteral("Machine à calculer"), {464, 0, 121, 41});
    Command7 =
        commandButton(this, QStringLiteral("&Aide"),
                      QStringLiteral("Aide pour utiliser cette application"), {584, 0, 113, 41});
    Command1 = commandButton(this, QStringLiteral("&Fermer"),
                             QStringLiteral("Quitter cette application"), {696, 0, 105, 41});
}

void FeuilleP::buildBench() {
    picburette = new drawing::PictureBox(drawing::benchWidth, drawing::benchHeight, this);
    picburette->setObjectName(QStringLiteral("picburette"));
    picburette->move(8, 48);

    Command3 =
        commandButton(picburette, QStringLiteral("Simuler le titrage"), {}, {160, 416, 97, 41});
    Command6 =
        commandButton(picburette, QStringLiteral("Vider la burette"), {}, {136, 290, 89, 17});
    Command12 = commandButton(picburette, QStringLiteral("0"),
                              QStringLiteral("Remettre la burette à zéro"), {216, 144, 17, 17});
    Check1 = new QCheckBox(picburette);
    Check1->setGeometry(152, 472, 17, 17);

    // Text1(1) and the read-out are moved into the text of the bench by imafond.
    // Text1(4) and Text1(5) hold their volumes without ever showing them.
    for (int k = 0; k < 6; ++k) {
        QWidget* parent = k == 1 ? static_cast<QWidget*>(picburette) : this;
        Text1[k] = k >= 4 ? new bench::StoredValueBox(parent) : new QLineEdit(parent);
        Text1[k]->setText(QStringLiteral("Text1"));
        Text1[k]->setObjectName(QStringLiteral("Text1_%1").arg(k));
        Text1[k]->resize(49, 19);
        Text1[k]->installEventFilter(this);
    }
    Text1[4]->hide();
    Text1[5]->hide();
    Text1[1]->move(170, 96);
    Labelvol = new QLabel(picburette);
    Labelvol->setGeometry(190, 150, 80, 19);
    QFont big(QStringLiteral("Arial"));
    big.setPointSizeF(10);
    Labelvol->setFont(big);
    // The read-out is wider than its text and reaches over the "0" button: it must not take
    // the clicks meant for the controls under it.
    Labelvol->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image3 = new bench::ImageButton(picburette);
    Image3->move(96, 283);
    Image3->setPicture(p_.run.tapPicture(false));
    Image3->adjustSize();
    Image1 = new bench::ImageButton(picburette);
    Image1->setPicture(p_.run.dropPicture());
    Image1->adjustSize();
    Image1->move(140, 318);
    Image1->setToolTip(QStringLiteral("Ajouter une goutte"));

    // The tap's flow, beside "Vider la burette", where the bench draws nothing.
    tapFlow = new QComboBox(picburette);
    tapFlow->setObjectName(QStringLiteral("tapFlow"));
    for (const TapFlow& flow : tapFlows())
        tapFlow->addItem(QString::fromUtf8(flow.words));
    tapFlow->setCurrentIndex(p_.run.flowIndex());
    tapFlow->setGeometry(229, 289, 80, 19);
    tapFlow->setToolTip(QStringLiteral("Débit du robinet (touches + et \u2212 sur le robinet)"));
}

void FeuilleP::buildPanel() {
    // The panel's picture has the bench's size (fond01); the widget shows its upper part.
    Picture4 = new drawing::PictureBox(drawing::benchWidth, drawing::benchHeight, this);
    Picture4->setFixedSize(drawing::benchWidth - 2, drawing::benchHeight - 130);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    Picture4->move(9, 49);
    Picture4->hide();

    ions1 = new QComboBox(Picture4);
    ions1->setGeometry(150, 30, 150, 21);
    Text1[0]->setParent(Picture4);
    Text1[0]->move(120, 64);
    Text1[2]->setParent(Picture4);
    Text1[2]->move(120, 218);
    Text1[3]->setParent(Picture4);
    Text1[3]->move(120, 302);
    Command5 = new bench::ImageButton(Picture4);
    Command5->setToolTip(QStringLiteral("Concentration aléatoire"));
    Command5->setGeometry(75, 66, 20, 20);
    Label1 = new bench::ButtonLabel(QStringLiteral("Afficher la\nconcentration"), Picture4);
    Label1->setGeometry(120, 62, 70, 26);
    // The label takes the place of the concentration box, and the unit is printed after the
    // box: the box is as wide as the label's longer line, so that the two never overlap.
    const int labelWidth = Label1->sizeHint().width();
    if (Text1[0]->width() < labelWidth) Text1[0]->resize(labelWidth, Text1[0]->height());
    Label1->resize(std::max(Label1->width(), labelWidth), Label1->height());
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);
    Label1->hide();
    Combo1 = new QComboBox(Picture4);
    Combo1->setGeometry(170, 114, 65, 21);
    Combo2 = new QComboBox(Picture4);
    Combo2->setGeometry(170, 301, 65, 21);
    Command9 =
        commandButton(Picture4, QStringLiteral("Simuler le titrage"), {}, {110, 420, 97, 41});
}

std::vector<QSize> FeuilleP::firstPictureSizes() {
    const QSize bench(drawing::benchWidth, drawing::benchHeight);
    // The graph fills the tab strip under its captions, whose height is that of the text; 13
    // pixels with the usual fonts (a graph of another size finds no image ready, and makes its
    // own).
    const QSize graph(ongletsSize.width() - 8, ongletsSize.height() - 13 - 9);
    return {bench, bench, bench, bench, ongletsSize, graph, graph};
}

void FeuilleP::buildSideTabs() {
    Onglets = new drawing::PictureBox(ongletsSize.width(), ongletsSize.height(), this);
    Onglets->setObjectName(QStringLiteral("Onglets"));
    Onglets->move(328, 48);

    // The children are placed and sized by the tab strip's painting, which measures the
    // strip's text: the first tab's picture is made then, once.
    tabquant = new drawing::PictureBox(0, 0, Onglets);
    tabquant->setObjectName(QStringLiteral("tabquant"));
    tabquant->move(4, 19);

    // The two hidden tabs get their pictures at their first painting, after the window's
    // first picture (paintSideTabs).
    Frame2 = new drawing::PictureBox(0, 0, Onglets, QColor(240, 235, 230));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->move(4, 19);
    Frame2->hide();

    tabcourbes = new drawing::PictureBox(0, 0, Onglets);
    tabcourbes->setObjectName(QStringLiteral("tabcourbes"));
    tabcourbes->move(4, 19);
    tabcourbes->hide();

    HScroll1 = new bench::TintSlider(Frame2);
    HScroll1->setRange(drawing::tintSliderMinimum, drawing::tintSliderMaximum);
    HScroll1->setSingleStep(drawing::tintSliderSmallStep);
    HScroll1->setPageStep(drawing::tintSliderLargeStep);
    HScroll1->setValue(drawing::tintSliderStart);
    // While the thumb is dragged the scales follow it; the bench follows on release.
    HScroll1->setTracking(false);
    HScroll1->setGeometry((449 - drawing::tintSliderWidth) / 2, drawing::tintSliderTop,
                          drawing::tintSliderWidth, drawing::tintSliderHeight);
    PictureMnO4 = new drawing::PictureBox(drawing::swatchWidth, drawing::swatchHeight, Frame2);
    PictureMnO4->move(24, drawing::permanganateSwatchTop);
    PictureI2 = new drawing::PictureBox(drawing::swatchWidth, drawing::swatchHeight, Frame2);
    PictureI2->move(24, drawing::diiodeSwatchTop);
    masquer = new QCheckBox(
        QStringLiteral("Masquer la concentration de la solution introduite dans le bécher"),
        Frame2);
    masquer->setGeometry(10, drawing::optionCheckTop, 430, drawing::optionCheckHeight);
}

void FeuilleP::buildExerciseArea() {
    for (int i = 0; i < 10; ++i) {
        Option2[i] = new bench::SituationButton(this);
        Option2[i]->setAutoExclusive(false);
        Option2[i]->setGeometry(328, 352 + 19 * i, 89, 20);
        // A slightly smaller type keeps "Situation n° 10" within the design width.
        QFont small = font();
        small.setPointSizeF(7.5);
        Option2[i]->setFont(small);
    }
    situationGroup_ = new bench::SituationGroup(this, Option2);
    for (QRadioButton* b : Option2)
        static_cast<bench::SituationButton*>(b)->setGroup(situationGroup_);
    fich_ = new QLineEdit(this);
    fich_->setObjectName(QStringLiteral("fich"));
    fich_->setGeometry(424, 352, 361, 19);
    fich_->setReadOnly(true);
    fich_->setTextMargins(97, 0, 0, 0);
    btexo = new QToolButton(this);
    btexo->setText(QStringLiteral("Exercices"));
    btexo->setGeometry(424, 352, 97, 19);
    supertext_ = new exercises::ExerciseText(this);
    supertext_->setObjectName(QStringLiteral("supertext"));
    supertext_->setGeometry(424, 371, 361, 174);
    // Tab leaves the text (a statement has no use for tab characters).
    supertext_->setTabChangesFocus(true);
    // Under the text area, in the window's free margin: the formats while writing, and the
    // check of a result while an exercise hides its concentration.
    formatBar = new exercises::FormatBar(supertext_, fich_, this);
    formatBar->setGeometry(424, 550, 180, 22);
    checkResult = new QPushButton(QStringLiteral("&Vérifier mon résultat…"), this);
    checkResult->setObjectName(QStringLiteral("verifier"));
    checkResult->setToolTip(QStringLiteral("Comparer sa concentration trouvée à la valeur "
                                           "attendue par l'écart normalisé"));
    checkResult->setGeometry(785 - 150, 549, 150, 24);
    checkResult->hide();
}

families::BenchWidgets FeuilleP::benchWidgets() const {
    families::BenchWidgets w;
    w.boxes = Text1;
    w.speciesList = ions1;
    w.sampleVolumes = Combo1;
    w.bench = picburette;
    w.panel = Picture4;
    w.graph = tabquant;
    w.scales = Frame2;
    w.courbes = tabcourbes;
    w.permanganateScale = PictureMnO4;
    w.diiodeScale = PictureI2;
    w.tintSlider = HScroll1;
    return w;
}

bool FeuilleP::placementApplies() const {
    const QScreen* s = screen();
    return s && s->geometry().width() > 850;
}

void FeuilleP::placeWindow() {
    if (placing_) return;
    placing_ = true;
    if (!placementApplies()) {
        // A screen too small for the window at its scale: the window may be resized, and its
        // title bar stays on the screen, where the user can reach it.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (const QScreen* s = screen(); s && isVisible()) {
            const QPoint corner = bench::titleBarOnScreen(frameGeometry(), s->availableGeometry());
            if (corner != frameGeometry().topLeft()) move(corner);
        }
        placing_ = false;
        return;
    }
    if (windowState() != Qt::WindowNoState) setWindowState(Qt::WindowNoState);
    // The size is fixed and the window manager is told so: it offers neither resizing nor
    // maximising, which would only be undone.
    setFixedSize(800, 600);
    // The frame around the client area (none before the window system has shown it).
    const QSize border = frameGeometry().size() - geometry().size();
    const QSize outer = QSize(800, 600) + border;
    const QRect area = screen()->geometry();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
    placing_ = false;
}

Controls& controlsOf(FeuilleP& window) {
    return window;
}

const Controls& controlsOf(const FeuilleP& window) {
    return window;
}

} // namespace bench
