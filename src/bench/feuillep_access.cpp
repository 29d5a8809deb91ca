// SPDX-License-Identifier: GPL-3.0-or-later
// The bench for those who work it from the keyboard or hear it through a screen reader: the
// names of the controls, the order of the keyboard focus (which follows the screen and skips
// what the preparation panel covers), the tab strip worked with the arrow keys, and the
// pictures in words (the beaker, the burette, the columns of the graph, the tabs).
#include "bench/feuillep.h"

#include "bench/widgets.h"
#include "drawing/bench_drawing.h"
#include "drawing/graph.h"
#include "drawing/tabs.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "exercises/format_bar.h"
#include "model/colour.h"
#include "model/colour_words.h"
#include "numbers/formats.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace bench {

namespace {

using drawing::utf8;

// The parts of the bench picture: the meter follows them when a probe is in the beaker.
enum BenchPart { FlaskPart, BurettePart, benchPartCount, MeterPart = benchPartCount };

} // namespace

// Names for screen readers: the pictures say what they are, the boxes and lists are named by
// their labels.
void FeuilleP::buildAccessibility() {
    const char* boxNames[6] = {"Concentration de la solution titrée",
                               "Concentration de la solution titrante",
                               "Concentration du réactif ajouté",
                               "Volume de la solution d'iodure de potassium ajoutée",
                               "Volume de la solution dans le bécher",
                               "Volume de solution versée"};
    for (int k = 0; k < 6; ++k)
        Text1[k]->setAccessibleName(QString::fromUtf8(boxNames[k]));
    Image3->setAccessibleName(QStringLiteral("Robinet de la burette"));
    Image1->setAccessibleName(Image1->toolTip());
    Command5->setAccessibleName(Command5->toolTip());
    Command5->setPicture(drawing::randomButtonPicture(devicePixelRatioF()));
    Command12->setAccessibleName(QStringLiteral("Remettre la burette à zéro"));
    tapFlow->setAccessibleName(QStringLiteral("Débit du robinet"));
    btexo->setAccessibleName(QStringLiteral("Exercices"));
    btexo->setIcon(QIcon(QPixmap::fromImage(drawing::exercisesButtonPicture(devicePixelRatioF()))));
    btexo->setIconSize(drawing::exercisesButtonSize);
    btexo->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Label1->setAccessibleName(QStringLiteral("Afficher la concentration"));
    Check1->setAccessibleName(QStringLiteral("Ajouter du Thiodène"));
    picburette->setAccessibleName(QStringLiteral("Schéma du titrage"));
    Picture4->setAccessibleName(QStringLiteral("Définition de la solution titrée"));
    Onglets->setAccessibleName(QStringLiteral("Onglets du panneau"));
    Onglets->setAccessibleRole(QAccessible::PageTabList);
    tabquant->setAccessibleName(QStringLiteral("Graphe des quantités de matière"));
    tabquant->setAccessibleRole(QAccessible::Chart);
    Frame2->setAccessibleName(QStringLiteral("Échelles de teintes"));
    tabcourbes->setAccessibleName(QStringLiteral("Courbes et tableau d'avancement"));
    PictureMnO4->setAccessibleName(QStringLiteral("Échelle de teinte du permanganate"));
    PictureI2->setAccessibleName(QStringLiteral("Échelle de teinte du diiode"));
    HScroll1->setAccessibleName(
        QStringLiteral("Intensité des teintes du bécher, de la burette et des échelles"));
    HScroll1->setAccessibleDescription(QStringLiteral("De clair à foncé"));
    Labelvol->setAccessibleDescription(QStringLiteral("Volume de solution versée"));
    supertext_->setAccessibleName(QStringLiteral("Texte de l'exercice"));
    fich_->setAccessibleName(QStringLiteral("Nom de l'exercice"));
    ions1->setAccessibleName(QStringLiteral("Espèce à titrer"));
    Combo1->setAccessibleName(QStringLiteral("Volume de prélèvement"));
    Combo2->setAccessibleName(QStringLiteral("Volume de la solution de diiode ajoutée"));

    // The tab strip and the tint slider are reached with Tab only: a click of the mouse leaves
    // the focus (and the pixels) where they were.
    Onglets->setFocusPolicy(Qt::TabFocus);
    Onglets->installEventFilter(this);
    HScroll1->setFocusPolicy(Qt::TabFocus);
    HScroll1->installEventFilter(this);
    // The lists are drawn with their labels in the panel's picture: screen readers on Linux
    // take a list's name from the label it is the buddy of. These labels are drawn in no
    // colour, one pixel under their list (a label of no size is not told of).
    const char* listNames[3] = {"Espèce à titrer", "Volume de prélèvement",
                                "Volume de la solution de diiode ajoutée"};
    const std::array<QComboBox*, 3> lists = {ions1, Combo1, Combo2};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        auto* label = new QLabel(QString::fromUtf8(listNames[i]), Picture4);
        QPalette clear = label->palette();
        clear.setColor(QPalette::WindowText, Qt::transparent);
        label->setPalette(clear);
        label->setBuddy(lists[i]);
        listLabels_[i] = label;
    }
    placeListLabels();
    // The tap's flow stands on the bench, where it stays: its label once, the same way.
    auto* flowLabel = new QLabel(tapFlow->accessibleName(), picburette);
    QPalette clear = flowLabel->palette();
    clear.setColor(QPalette::WindowText, Qt::transparent);
    flowLabel->setPalette(clear);
    flowLabel->setBuddy(tapFlow);
    flowLabel->setGeometry(tapFlow->x() + 1, tapFlow->y() + 1, 1, 1);
    flowLabel->stackUnder(tapFlow);
    picburette->setPartCount(benchPartCount);
    // The beaker and the burette are reached with Tab, as the two items of one list.
    picburette->setPartList(QStringLiteral("Bécher et burette"));
    picburette->setFocusPolicy(Qt::TabFocus);
    HScroll1->setAccessibleDescription(TintSlider::tintWords(HScroll1->value()));

    // The keys of the tap and the drop, the situations, "Vider la burette".
    for (QObject* o : std::initializer_list<QObject*>{Image3, Image1, Command6})
        o->installEventFilter(this);
    for (QRadioButton* b : Option2)
        b->installEventFilter(this);
    buildShortcuts();

    for (QWidget* w : focusChain())
        shownFocusPolicy_.emplace(w, w->focusPolicy());
    updateFocusChain();
}

void FeuilleP::placeListLabels() {
    const std::array<QComboBox*, 3> lists = {ions1, Combo1, Combo2};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (!listLabels_[i]) continue;
        listLabels_[i]->setGeometry(lists[i]->x() + 1, lists[i]->y() + 1, 1, 1);
        listLabels_[i]->stackUnder(lists[i]);
        listLabels_[i]->setVisible(!lists[i]->isHidden());
    }
}

// The controls in the order of the keyboard focus, as they appear on the screen: the panel
// top to bottom, the bench, the situations, the side panel, the exercise, the command row.
std::vector<QWidget*> FeuilleP::focusChain() const {
    std::vector<QWidget*> panel = {ions1,  Text1[0], Command5, Label1,
                                   Combo1, Text1[2], Text1[3], Combo2};
    for (const auto& f : families_.all())
        for (QWidget* w : f->panelControls())
            panel.push_back(w);
    // The panel's layout depends on the species: its controls are taken as they are placed.
    std::stable_sort(panel.begin(), panel.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    std::vector<QWidget*> chain = panel;
    // The bench picture (the beaker and the burette) before the controls it holds: Qt keeps
    // a widget's children after it in the chain.
    chain.insert(chain.end(), {Command9, static_cast<QWidget*>(picburette), Text1[1], Image3,
                               Image1, Command6, tapFlow, Command12, Command3, Check1});
    chain.insert(chain.end(), Option2.begin(), Option2.end());
    chain.push_back(Onglets);
    // The side panel shows one tab at a time: the tint slider and the controls of the
    // measured curve are never shown together.
    for (const auto& f : families_.all()) {
        const std::vector<QWidget*> side = f->sideControls();
        chain.insert(chain.end(), side.begin(), side.end());
    }
    chain.insert(chain.end(), {HScroll1, masquer, btexo, fich_, supertext_, formatBar->bold,
                               formatBar->italic, formatBar->underline, formatBar->subscript,
                               formatBar->superscript, formatBar->colour, checkResult, Command2,
                               Command11, Command4, Command10, Command8, Command7, Command1});
    return chain;
}

// A control under the preparation panel, or outside the part of the panel that is shown.
bool FeuilleP::covered(const QWidget* w) const {
    if (w == picburette) return !Picture4->isHidden();
    if (w->parentWidget() == Picture4) return !Picture4->rect().contains(w->geometry());
    if (w->parentWidget() == picburette && !Picture4->isHidden())
        return Picture4->geometry().intersects(QRect(picburette->mapTo(this, w->pos()), w->size()));
    return false;
}

void FeuilleP::updateFocusChain() {
    const std::vector<QWidget*> chain = focusChain();
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
    for (QWidget* w : chain) {
        const auto shown = shownFocusPolicy_.find(w);
        if (shown != shownFocusPolicy_.end())
            w->setFocusPolicy(covered(w) ? Qt::NoFocus : shown->second);
    }
    // Tab reaches one situation, the chosen one (the first when none is): the arrows go from
    // it to the others. A click still gives the focus to any of them.
    const auto chosen = std::find_if(Option2.begin(), Option2.end(),
                                     [](const QRadioButton* b) { return b->isChecked(); });
    const QRadioButton* reached = chosen == Option2.end() ? Option2[0] : *chosen;
    for (QRadioButton* b : Option2)
        b->setFocusPolicy(b == reached ? Qt::StrongFocus : Qt::ClickFocus);
    // The focus does not stay on a control that has gone under the panel.
    QWidget* focused = focusWidget();
    if (focused && focused->focusPolicy() == Qt::NoFocus &&
        std::find(chain.begin(), chain.end(), focused) != chain.end()) {
        for (QWidget* w : chain)
            if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && w->isEnabled()) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
    }
}

// ---- The tab strip from the keyboard ----

int FeuilleP::tabCount() const {
    // The strip reports the boundaries of the tabs it painted, in increasing order.
    int count = 0;
    for (std::size_t i = 1;
         i < p_.chain.tabEdges().size() && p_.chain.tabEdges()[i] > p_.chain.tabEdges()[i - 1]; ++i)
        count = int(i);
    return count;
}

bool FeuilleP::ongletsKey(const QKeyEvent* event) {
    const int count = tabCount();
    int tab = p_.chain.currentTab();
    switch (event->key()) {
    case Qt::Key_Left:
        tab = std::max(1, p_.chain.currentTab() - 1);
        break;
    case Qt::Key_Right:
        tab = std::min(count, p_.chain.currentTab() + 1);
        break;
    case Qt::Key_Home:
        tab = 1;
        break;
    case Qt::Key_End:
        tab = count;
        break;
    default:
        return false;
    }
    if (tab >= 1 && tab != p_.chain.currentTab()) p_.chain.showTab(tab);
    return true;
}

// The tint slider: Right and Up make the tints darker, Left and Down lighter (a scroll bar's
// own keys go the other way).
bool FeuilleP::sliderKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Down:
        HScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    default:
        return false;
    }
}

// ---- The pictures in words ----

} // namespace bench
