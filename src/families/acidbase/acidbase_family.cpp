// SPDX-License-Identifier: GPL-3.0-or-later
// The acid-base family on the bench: its items of the species list, the controls of the panel
// that only its titrations need (the titrant's concentration, the water added, the indicator,
// the probe) with their validation, its set-up and measured volumes handed to whoever draws the
// curves, and its inputs in the situations.
#include "families/acidbase/acidbase_family.h"

#include "drawing/utf8.h"
#include "drawing/widgets/picturebox.h"
#include "families/acidbase/preparation_acidbase.h"
#include "families/number_keys.h"
#include "model/acidbase/indicators.h"
#include "model/bench_limits.h"
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

namespace families {

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

void AcidBaseFamily::addListItems(QComboBox& list) const {
    list.addItem(QStringLiteral("Titrages acido-basiques"));
    // The heading sets the families apart and cannot be chosen: the keys, the wheel and the
    // mouse pass over it.
    if (auto* items = qobject_cast<QStandardItemModel*>(list.model())) {
        QStandardItem* heading = items->item(list.count() - 1);
        heading->setFlags(heading->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
        QFont bold = list.font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    for (int t = 0; t < ab::titrationCount; ++t)
        list.addItem(utf8(ab::listText(t)));
}

std::string_view AcidBaseFamily::listText(int index) const {
    return ab::listText(index);
}

void AcidBaseFamily::build() {
    const BenchWidgets& w = widgets();
    QWidget* panel = w.panel;
    titrantBox = new QLineEdit(panel);
    titrantBox->setObjectName(QStringLiteral("titrantBox"));
    titrantBox->resize(w.boxes[1]->size());
    waterBox = new QLineEdit(QStringLiteral("0"), panel);
    waterBox->setObjectName(QStringLiteral("waterBox"));
    waterBox->resize(w.boxes[3]->size());
    waterBox->setAccessibleName(QStringLiteral("Volume d'eau distillée ajoutée"));
    indicatorList = new QComboBox(panel);
    indicatorList->setObjectName(QStringLiteral("indicatorList"));
    indicatorList->addItem(QStringLiteral("aucun"));
    for (int k = 0; k < ab::indicatorCount; ++k)
        indicatorList->addItem(utf8(ab::indicatorFacts(k).name));
    indicatorList->resize(140, 21);
    indicatorList->setAccessibleName(QStringLiteral("Indicateur coloré"));
    probeList = new QComboBox(panel);
    probeList->setObjectName(QStringLiteral("probeList"));
    probeList->addItems(
        {QStringLiteral("pH-mètre"), QStringLiteral("conductimètre"), QStringLiteral("aucune")});
    probeList->resize(140, 21);
    probeList->setAccessibleName(QStringLiteral("Sonde de mesure"));
    listLabels_ = {listLabel(indicatorList->accessibleName(), indicatorList, panel),
                   listLabel(probeList->accessibleName(), probeList, panel)};
    for (QWidget* c :
         {static_cast<QWidget*>(titrantBox), static_cast<QWidget*>(waterBox),
          static_cast<QWidget*>(indicatorList), static_cast<QWidget*>(probeList),
          static_cast<QWidget*>(listLabels_[0]), static_cast<QWidget*>(listLabels_[1])})
        c->hide();
    connectControls();
    connectCourbesMouse();
}

void AcidBaseFamily::connectControls() {
    BenchView& b = bench();
    const BenchWidgets& w = widgets();
    // Validated from the keyboard or by leaving the box: a value the validation changed is
    // told.
    new NumberBoxFilter(titrantBox, b.movingFocus(), [this] {
        const QString typed = titrantBox->text();
        titrantBox_LostFocus();
        bench().tellCorrection(typed, bench().text(1), QStringLiteral(" mol/L"));
    });
    new NumberBoxFilter(waterBox, b.movingFocus(), [this] {
        const QString typed = waterBox->text();
        waterBox_LostFocus();
        bench().tellCorrection(typed, waterBox->text(), QStringLiteral(" mL"));
    });
    // The panel's box and the bench's box show the one concentration of the titrant.
    QObject::connect(w.boxes[1], &QLineEdit::textChanged, titrantBox, [this](const QString& t) {
        if (titrantBox->text() != t) titrantBox->setText(t);
    });
    QObject::connect(indicatorList, &QComboBox::currentIndexChanged, indicatorList, [this] {
        bench().paintScales();
        bench().reftq();
    });
    QObject::connect(probeList, &QComboBox::currentIndexChanged, probeList, [this] {
        bench().niveaubecher();
        // The pH, the conductivity, or the amounts with no probe: another curve.
        bench().markCourbesStale();
        bench().refcourbes();
    });
    // The indicator's scale takes the place of the tint scales, and gives it back.
    QObject::connect(w.speciesList, &QComboBox::currentIndexChanged, titrantBox, [this] {
        if (titration() >= 0 || widgets().permanganateScale->isHidden()) bench().paintScales();
    });
    // A larger sample leaves less room for the water.
    QObject::connect(w.sampleVolumes, &QComboBox::currentIndexChanged, waterBox, [this] {
        if (titration() < 0) return;
        if (numbers::parseBenchDouble(waterBox->text().toStdString()) <= waterLimit()) return;
        waterBox->setText(QString::fromStdString(numbers::formatGeneral(waterLimit())));
        bench().majtq();
    });
}

void AcidBaseFamily::titrantBox_LostFocus() {
    bench().setText(1, titrantBox->text());
    bench().validateBox(1);
}

double AcidBaseFamily::waterLimit() const {
    return std::max(0.0, drawing::flaskCapacity - model::buretteCapacity - bench().sampleVolume());
}

void AcidBaseFamily::waterBox_LostFocus() {
    float x = numbers::parseBenchNumber(waterBox->text().toStdString());
    if (x < 0) x = 0;
    // A volume measured with a graduated cylinder: two significant digits.
    x = numbers::parseBenchNumber(numbers::formatPattern(x, "0.0E+00"));
    if (x > waterLimit()) x = float(waterLimit());
    waterBox->setText(QString::fromStdString(numbers::formatGeneral(x)));
    bench().reinitialise();
    bench().majtq();
}

void AcidBaseFamily::validateEdited(const QWidget* focused) {
    if (focused == waterBox && waterBox->isModified()) waterBox_LostFocus();
}

void AcidBaseFamily::placePanel() {
    drawing::AcidBasePanelInputs in;
    in.titration = titration();
    in.titrantBoxWidth = titrantBox->width();
    in.waterBoxWidth = waterBox->width();
    const drawing::AcidBasePanelLayout layout =
        drawing::drawAcidBasePanel(widgets().panel->picture(), in);
    const std::pair<QWidget*, drawing::ControlPlace> places[] = {{titrantBox, layout.titrantBox},
                                                                 {waterBox, layout.waterBox},
                                                                 {indicatorList, layout.indicator},
                                                                 {probeList, layout.probe}};
    for (const auto& [c, place] : places) {
        c->move(place.topLeft);
        c->setVisible(place.visible);
    }
    const std::array<QComboBox*, 2> lists = {indicatorList, probeList};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        listLabels_[i]->setGeometry(lists[i]->x() + 1, lists[i]->y() + 1, 1, 1);
        listLabels_[i]->stackUnder(lists[i]);
        listLabels_[i]->setVisible(!lists[i]->isHidden());
    }
    const std::string_view titrant = ab::titrantName(ab::titrant(in.titration));
    titrantBox->setAccessibleName(QStringLiteral("Concentration de la solution titrante (") +
                                  utf8(titrant) + QStringLiteral(")"));
}

std::vector<QWidget*> AcidBaseFamily::panelControls() const {
    return {titrantBox, waterBox, indicatorList, probeList};
}

std::vector<QWidget*> AcidBaseFamily::sideControls() const {
    return courbesMethods_ ? courbesMethods_->focusOrder() : std::vector<QWidget*>{};
}

int AcidBaseFamily::titration() const {
    const model::TitrationId id = bench().titration();
    return id.family == model::Family::AcidBase && ab::isTitration(id.index) ? id.index : -1;
}

ab::BenchSetup AcidBaseFamily::setup() const {
    ab::BenchSetup setup;
    ab::Preparation& p = setup.preparation;
    p.titration = titration();
    // Read in double precision: 0,1 mol/L is 0.1, and the equivalence of equal amounts
    // falls exactly on the volume a student computes.
    p.sampleConcentration = bench().sampleValue();
    p.sampleVolume = bench().sampleVolume();
    p.waterVolume = std::max(0.0, numbers::parseBenchDouble(waterBox->text().toStdString()));
    p.titrantConcentration = numbers::parseBenchDouble(bench().text(1).toStdString());
    setup.indicator = indicatorList->currentIndex() - 1;
    const int probe = std::clamp(probeList->currentIndex(), 0, ab::probeCount - 1);
    setup.probe = static_cast<ab::Probe>(probe);
    return setup;
}

std::vector<double> AcidBaseFamily::measuredVolumes() const {
    return bench().measurements().volumes();
}

const std::vector<ab::Point>& AcidBaseFamily::measuredPoints() const {
    return readings_.points(measuredVolumes(), setup());
}

// ---- Situations ----

void AcidBaseFamily::storeChoices(files::FamilyChoices& c) const {
    c.water = waterBox->text().toStdString();
    c.indicator = static_cast<std::int16_t>(indicatorList->currentIndex());
    c.probe = static_cast<std::int16_t>(probeList->currentIndex());
}

void AcidBaseFamily::restoreChoices(const files::FamilyChoices& c) {
    waterBox->setText(QString::fromStdString(c.water));
    // A position outside a list (a damaged file) selects its first item.
    indicatorList->setCurrentIndex(
        c.indicator >= 0 && c.indicator < indicatorList->count() ? c.indicator : 0);
    probeList->setCurrentIndex(c.probe >= 0 && c.probe < probeList->count() ? c.probe : 0);
}

} // namespace families
