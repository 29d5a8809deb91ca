// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base bench: the acid-base items of the species list, the controls of the panel
// that only these titrations need (the titrant's concentration, the water added, the
// indicator, the probe) with their validation, the set-up and the measured volumes handed to
// whoever draws the curves, and the situations' acid-base inputs.
#include "bench/feuillep.h"

#include "bench/widgets.h"
#include "drawing/preparation_acidbase.h"
#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "model/acidbase/indicators.h"
#include "numbers/formats.h"
#include "numbers/reading.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

namespace bench {

namespace {

namespace ab = model::acidbase;

using drawing::utf8;

// The key filter and the validation of the bench's number boxes, for the boxes of the
// acid-base panel: Enter and leaving the box validate; only what a number holds is typed.
class NumberBoxFilter : public QObject {
public:
    NumberBoxFilter(QLineEdit* box, const bool& movingFocus, std::function<void()> validate)
        : QObject(box), box_(box), movingFocus_(movingFocus), validate_(std::move(validate)) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this] {
            const QString filtered = filterText(box_->text());
            if (filtered == box_->text()) return;
            const int cursor = box_->cursorPosition() - int(box_->text().size() - filtered.size());
            box_->setText(filtered);
            box_->setCursorPosition(std::max(0, cursor));
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != box_) return false;
        if (event->type() == QEvent::FocusOut && !movingFocus_) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                validate_();
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            validate_();
            return true;
        }
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString typed = key->text();
        if (typed.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            return false;
        const FilteredKey f = filterKey(typed.front());
        if (f.action == KeyAction::Swallow) return true;
        if (f.character != typed.front()) {
            if (!box_->isReadOnly()) box_->insert(QString(f.character));
            return true;
        }
        return false;
    }

private:
    QLineEdit* box_;
    const bool& movingFocus_;
    std::function<void()> validate_;
};

// A label that names a list for screen readers (they take a list's name from the label it
// is the buddy of), drawn in no colour, one pixel under its list.
QLabel* listLabel(const QString& name, QComboBox* list, QWidget* parent) {
    auto* label = new QLabel(name, parent);
    QPalette clear = label->palette();
    clear.setColor(QPalette::WindowText, Qt::transparent);
    label->setPalette(clear);
    label->setBuddy(list);
    return label;
}

} // namespace

void FeuilleP::addAcidBaseItems() {
    ions1->addItem(QStringLiteral("Titrages acido-basiques"));
    // The heading sets the two families apart and cannot be chosen: the keys, the wheel and
    // the mouse pass over it.
    if (auto* items = qobject_cast<QStandardItemModel*>(ions1->model())) {
        QStandardItem* heading = items->item(files::acidBaseHeadingPosition);
        heading->setFlags(heading->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        QFont bold = ions1->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    for (int t = 0; t < ab::titrationCount; ++t)
        ions1->addItem(utf8(ab::listText(t)));
}

void FeuilleP::buildAcidBase() {
    titrantBox = new QLineEdit(Picture4);
    titrantBox->setObjectName(QStringLiteral("titrantBox"));
    titrantBox->resize(Text1[1]->size());
    waterBox = new QLineEdit(QStringLiteral("0"), Picture4);
    waterBox->setObjectName(QStringLiteral("waterBox"));
    waterBox->resize(Text1[3]->size());
    waterBox->setAccessibleName(QStringLiteral("Volume d'eau distillée ajoutée"));
    indicatorList = new QComboBox(Picture4);
    indicatorList->setObjectName(QStringLiteral("indicatorList"));
    indicatorList->addItem(QStringLiteral("aucun"));
    for (int k = 0; k < ab::indicatorCount; ++k)
        indicatorList->addItem(utf8(ab::indicatorFacts(k).name));
    indicatorList->resize(140, 21);
    indicatorList->setAccessibleName(QStringLiteral("Indicateur coloré"));
    probeList = new QComboBox(Picture4);
    probeList->setObjectName(QStringLiteral("probeList"));
    probeList->addItems(
        {QStringLiteral("pH-mètre"), QStringLiteral("conductimètre"), QStringLiteral("aucune")});
    probeList->resize(140, 21);
    probeList->setAccessibleName(QStringLiteral("Sonde de mesure"));
    acidBaseListLabels_ = {listLabel(indicatorList->accessibleName(), indicatorList, Picture4),
                           listLabel(probeList->accessibleName(), probeList, Picture4)};
    for (QWidget* w : {static_cast<QWidget*>(titrantBox), static_cast<QWidget*>(waterBox),
                       static_cast<QWidget*>(indicatorList), static_cast<QWidget*>(probeList),
                       static_cast<QWidget*>(acidBaseListLabels_[0]),
                       static_cast<QWidget*>(acidBaseListLabels_[1])})
        w->hide();
    connectAcidBase();
}

void FeuilleP::connectAcidBase() {
    // Validated from the keyboard or by leaving the box: a value the validation changed is
    // told.
    new NumberBoxFilter(titrantBox, movingFocus_, [this] {
        const QString typed = titrantBox->text();
        titrantBox_LostFocus();
        tellCorrection(typed, text(1), QStringLiteral(" mol/L"));
    });
    new NumberBoxFilter(waterBox, movingFocus_, [this] {
        const QString typed = waterBox->text();
        waterBox_LostFocus();
        tellCorrection(typed, waterBox->text(), QStringLiteral(" mL"));
    });
    // The panel's box and the bench's box show the one concentration of the titrant.
    connect(Text1[1], &QLineEdit::textChanged, this, [this](const QString& t) {
        if (titrantBox->text() != t) titrantBox->setText(t);
    });
    connect(indicatorList, &QComboBox::currentIndexChanged, this,
            [this] { indicatorList_Click(); });
    connect(probeList, &QComboBox::currentIndexChanged, this, [this] { probeList_Click(); });
    // The indicator's scale takes the place of the tint scales, and gives it back.
    connect(ions1, &QComboBox::currentIndexChanged, this, [this] {
        if (acidBaseTitration() >= 0 || PictureMnO4->isHidden()) Frame2_Paint();
    });
    // A larger sample leaves less room for the water.
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] {
        if (acidBaseTitration() < 0) return;
        if (numbers::parseBenchDouble(waterBox->text().toStdString()) <= waterLimit()) return;
        waterBox->setText(QString::fromStdString(numbers::formatGeneral(waterLimit())));
        majtq();
    });
}

void FeuilleP::titrantBox_LostFocus() {
    setText(1, titrantBox->text());
    Text1_LostFocus(1);
}

double FeuilleP::waterLimit() const {
    return std::max(0.0, drawing::flaskCapacity - model::buretteCapacity - itemValue(Combo1));
}

void FeuilleP::waterBox_LostFocus() {
    float x = numbers::parseBenchNumber(waterBox->text().toStdString());
    if (x < 0) x = 0;
    // A volume measured with a graduated cylinder: two significant digits.
    x = numbers::parseBenchNumber(numbers::formatPattern(x, "0.0E+00"));
    if (x > waterLimit()) x = float(waterLimit());
    waterBox->setText(QString::fromStdString(numbers::formatGeneral(x)));
    reinitialise();
    majtq();
}

void FeuilleP::indicatorList_Click() {
    Frame2_Paint();
    reftq();
}

void FeuilleP::probeList_Click() {
    niveaubecher();
    // The pH, the conductivity, or the amounts with no probe: another curve.
    courbesStale_ = true;
    refcourbes();
}

void FeuilleP::placeAcidBaseControls() {
    drawing::AcidBasePanelInputs in;
    in.titration = acidBaseTitration();
    in.titrantBoxWidth = titrantBox->width();
    in.waterBoxWidth = waterBox->width();
    const drawing::AcidBasePanelLayout layout = drawing::prepasolAcidBase(Picture4->picture(), in);
    const std::pair<QWidget*, drawing::ControlPlace> places[] = {{titrantBox, layout.titrantBox},
                                                                 {waterBox, layout.waterBox},
                                                                 {indicatorList, layout.indicator},
                                                                 {probeList, layout.probe}};
    for (const auto& [w, place] : places) {
        w->move(place.topLeft);
        w->setVisible(place.visible);
    }
    const std::array<QComboBox*, 2> lists = {indicatorList, probeList};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        acidBaseListLabels_[i]->setGeometry(lists[i]->x() + 1, lists[i]->y() + 1, 1, 1);
        acidBaseListLabels_[i]->stackUnder(lists[i]);
        acidBaseListLabels_[i]->setVisible(!lists[i]->isHidden());
    }
    const std::string_view titrant = ab::titrantName(ab::titrant(in.titration));
    titrantBox->setAccessibleName(QStringLiteral("Concentration de la solution titrante (") +
                                  utf8(titrant) + QStringLiteral(")"));
}

int FeuilleP::acidBaseTitration() const {
    const int t = ions1->currentIndex() - files::acidBaseListStart;
    return ab::isTitration(t) ? t : -1;
}

ab::BenchSetup FeuilleP::acidBaseSetup() const {
    ab::BenchSetup setup;
    ab::Preparation& p = setup.preparation;
    p.titration = acidBaseTitration();
    // Read in double precision: 0,1 mol/L is 0.1, and the equivalence of equal amounts
    // falls exactly on the volume a student computes.
    p.sampleConcentration = sampleValue();
    p.sampleVolume = itemValue(Combo1);
    p.waterVolume = std::max(0.0, numbers::parseBenchDouble(waterBox->text().toStdString()));
    p.titrantConcentration = numbers::parseBenchDouble(text(1).toStdString());
    setup.indicator = indicatorList->currentIndex() - 1;
    const int probe = std::clamp(probeList->currentIndex(), 0, ab::probeCount - 1);
    setup.probe = static_cast<ab::Probe>(probe);
    return setup;
}

void FeuilleP::noteReading() {
    measurements_.noteRead(numbers::parseBenchDouble(text(5).toStdString()));
}

std::vector<double> FeuilleP::measuredVolumes() const {
    return measurements_.volumes();
}

const std::vector<ab::Point>& FeuilleP::measuredPoints() const {
    return measurements_.points(acidBaseSetup());
}

// ---- Situations ----

void FeuilleP::storeAcidBaseSituation(int situation) {
    if (situation < 0 || situation >= files::situationCount) return;
    files::AcidBaseChoices& c = situations_.table.acidBase[situation];
    c.water = waterBox->text().toStdString();
    c.indicator = static_cast<std::int16_t>(indicatorList->currentIndex());
    c.probe = static_cast<std::int16_t>(probeList->currentIndex());
}

void FeuilleP::restoreAcidBaseSituation(int situation) {
    if (situation < 0 || situation >= files::situationCount) return;
    const files::AcidBaseChoices& c = situations_.table.acidBase[situation];
    waterBox->setText(QString::fromStdString(c.water));
    // A position outside a list (a damaged file) selects its first item.
    indicatorList->setCurrentIndex(
        c.indicator >= 0 && c.indicator < indicatorList->count() ? c.indicator : 0);
    probeList->setCurrentIndex(c.probe >= 0 && c.probe < probeList->count() ? c.probe : 0);
}

} // namespace bench
