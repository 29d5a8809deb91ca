// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/acidbase/courbes_methods.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace families {

namespace {

namespace ab = model::acidbase;

constexpr double fullBurette = 25;

// The measured volume nearest v; v itself, within the burette, with no reading.
double nearestVolume(const std::vector<ab::Point>& points, double v) {
    if (points.empty()) return std::clamp(v, 0.0, fullBurette);
    double best = points.front().volume;
    for (const ab::Point& p : points)
        if (std::fabs(p.volume - v) < std::fabs(best - v)) best = p.volume;
    return best;
}

} // namespace

VolumeBox::VolumeBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setLocale(QLocale(QLocale::French, QLocale::France));
    setDecimals(2);
    setRange(0, fullBurette);
    setSuffix(QStringLiteral("\u00A0mL"));
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setKeyboardTracking(false);
    setAccelerated(true);
}

void VolumeBox::setVolumes(std::vector<double> volumes) {
    volumes_ = std::move(volumes);
}

void VolumeBox::stepBy(int steps) {
    if (volumes_.empty() || steps == 0) return;
    const double v = value();
    // The index of the reading at v, or of the nearest one beyond v in the direction asked.
    std::ptrdiff_t i = 0;
    if (steps > 0) {
        const auto after = std::upper_bound(volumes_.begin(), volumes_.end(), v + 1e-9);
        i = (after - volumes_.begin()) + steps - 1;
    } else {
        const auto before = std::lower_bound(volumes_.begin(), volumes_.end(), v - 1e-9);
        i = (before - volumes_.begin()) + steps;
    }
    i = std::clamp<std::ptrdiff_t>(i, 0, std::ptrdiff_t(volumes_.size()) - 1);
    setValue(volumes_[std::size_t(i)]);
}

QAbstractSpinBox::StepEnabled VolumeBox::stepEnabled() const {
    if (volumes_.empty()) return StepNone;
    StepEnabled enabled = StepNone;
    if (value() > volumes_.front() + 1e-9) enabled |= StepDownEnabled;
    if (value() < volumes_.back() - 1e-9) enabled |= StepUpEnabled;
    return enabled;
}

CourbesMethods::CourbesMethods(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("courbesMethods"));
    setFixedHeight(bandHeight);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 2, 6, 2);
    rows->setSpacing(2);

    auto* first = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Méthode\u00A0:"), this);
    method_ = new QComboBox(this);
    method_->setObjectName(QStringLiteral("methodList"));
    method_->setAccessibleName(QStringLiteral("Méthode de détermination de l'équivalence"));
    label->setBuddy(method_);
    derivative_ = new QCheckBox(QStringLiteral("Dérivée dpH/dV"), this);
    derivative_->setObjectName(QStringLiteral("derivativeBox"));
    derivative_->setAccessibleName(QStringLiteral("Afficher la dérivée dpH/dV"));
    // Shown for a conductivity in the place the derivative takes for a pH.
    dilution_ = new QCheckBox(QStringLiteral("Dilution corrigée"), this);
    dilution_->setObjectName(QStringLiteral("dilutionBox"));
    dilution_->setAccessibleName(
        QStringLiteral("Corriger la dilution\u00A0: tracer σ·(V₀ + V_eau + V)/(V₀ + V_eau)"));
    first->addWidget(label);
    first->addWidget(method_);
    first->addSpacing(12);
    first->addWidget(derivative_);
    first->addWidget(dilution_);
    first->addStretch();
    rows->addLayout(first);

    // The places of the constructions, one row per method that has some.
    auto row = [this](QWidget*& holder, const std::vector<std::pair<QString, VolumeBox*>>& parts) {
        holder = new QWidget(this);
        auto* line = new QHBoxLayout(holder);
        line->setContentsMargins(0, 0, 0, 0);
        for (const auto& [text, field] : parts) {
            auto* caption = new QLabel(text, holder);
            caption->setBuddy(field);
            line->addWidget(caption);
            field->setParent(holder);
            line->addWidget(field);
        }
        line->addStretch();
        return holder;
    };
    contacts_[0] = box(QStringLiteral("Point de contact de la tangente 1, en millilitres versés"));
    contacts_[1] = box(QStringLiteral(
        "Point de contact de la tangente 2, parallèle à la première, en millilitres versés"));
    rows->addWidget(row(tangentsRow_, {{QStringLiteral("Tangente 1 en"), contacts_[0]},
                                       {QStringLiteral("tangente 2 en"), contacts_[1]}}));
    const QString ends[4] = {
        QStringLiteral("Droite 1\u00A0: première mesure, en millilitres versés"),
        QStringLiteral("Droite 1\u00A0: dernière mesure, en millilitres versés"),
        QStringLiteral("Droite 2\u00A0: première mesure, en millilitres versés"),
        QStringLiteral("Droite 2\u00A0: dernière mesure, en millilitres versés")};
    for (int i = 0; i < 4; ++i)
        ranges_[i] = box(ends[i]);
    rows->addWidget(row(linesRow_, {{QStringLiteral("Mesures de"), ranges_[0]},
                                    {QStringLiteral("à"), ranges_[1]},
                                    {QStringLiteral("et de"), ranges_[2]},
                                    {QStringLiteral("à"), ranges_[3]}}));
    rows->addStretch();

    connect(method_, &QComboBox::activated, this, [this] { methodChosen(); });
    connect(derivative_, &QCheckBox::toggled, this, [this] { emitChanged(); });
    connect(dilution_, &QCheckBox::toggled, this, [this] { emitChanged(); });
    setCurve(drawing::Reading::PH, {});
}

VolumeBox* CourbesMethods::box(const QString& name) {
    auto* field = new VolumeBox(this);
    field->setAccessibleName(name);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00,00\u00A0mL")) +
                           12);
    field->installEventFilter(this);
    connect(field, &QDoubleSpinBox::valueChanged, this, [this, field] {
        if (field == contacts_[0]) selected_ = 1;
        if (field == contacts_[1]) selected_ = 2;
        if (!quiet_ && field != contacts_[0] && field != contacts_[1]) ownRanges_ = true;
        emitChanged();
    });
    return field;
}

bool CourbesMethods::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == contacts_[0] || watched == contacts_[1]) {
            const int chosen = watched == contacts_[0] ? 1 : 2;
            if (chosen != selected_) {
                selected_ = chosen;
                emitChanged();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CourbesMethods::setCurve(drawing::Reading reading, const std::vector<ab::Point>& points) {
    std::vector<ab::Point> curve = ab::curvePoints(points);
    // The same curve carries on while it keeps the readings it had at their volumes (a reading
    // more, or the volume poured set back).
    bool same = reading == reading_ && curve.size() > 1;
    for (std::size_t i = 0; same && i < std::min(curve.size(), points_.size()); ++i)
        same = curve[i].volume == points_[i].volume && curve[i].value == points_[i].value;
    if (!same) ownRanges_ = false;
    points_ = std::move(curve);
    if (!ownRanges_ && choice().method == ab::Method::TwoLines)
        setRanges(ab::defaultLineRanges(points_));
    std::vector<double> volumes;
    for (const ab::Point& p : points_)
        volumes.push_back(p.volume);
    for (VolumeBox* field : contacts_)
        field->setVolumes(volumes);
    for (VolumeBox* field : ranges_)
        field->setVolumes(volumes);
    if (reading == reading_ && method_->count() > 0) {
        nameDerivative();
        return;
    }

    reading_ = reading;
    const ab::Method kept = choice().method;
    quiet_ = true;
    method_->clear();
    method_->addItem(QStringLiteral("aucune"), int(ab::Method::None));
    if (reading == drawing::Reading::PH) {
        method_->addItem(QString(), int(ab::Method::Derivative));
        method_->addItem(QStringLiteral("tangentes parallèles"), int(ab::Method::ParallelTangents));
    } else {
        method_->addItem(QStringLiteral("deux droites"), int(ab::Method::TwoLines));
    }
    nameDerivative();
    method_->setCurrentIndex(std::max(0, method_->findData(int(kept))));
    derivative_->setVisible(reading == drawing::Reading::PH);
    if (reading != drawing::Reading::PH) derivative_->setChecked(false);
    dilution_->setVisible(reading == drawing::Reading::Conductivity);
    quiet_ = false;
    showRows();
}

ab::MethodChoice CourbesMethods::choice() const {
    ab::MethodChoice c;
    c.method = ab::Method(method_->currentData().toInt());
    c.firstContact = contacts_[0]->value();
    c.secondContact = contacts_[1]->value();
    c.before = {ranges_[0]->value(), ranges_[1]->value()};
    c.after = {ranges_[2]->value(), ranges_[3]->value()};
    return c;
}

bool CourbesMethods::derivative() const {
    return reading_ == drawing::Reading::PH && derivative_->isChecked();
}

bool CourbesMethods::dilutionCorrected() const {
    return reading_ == drawing::Reading::Conductivity && dilution_->isChecked();
}

int CourbesMethods::selectedContact() const {
    return choice().method == ab::Method::ParallelTangents ? selected_ : 0;
}

void CourbesMethods::methodChosen() {
    // The constructions start where the model places them on the readings so far.
    const ab::MethodChoice start = ab::startingPlaces(points_, choice().method);
    quiet_ = true;
    contacts_[0]->setValue(start.firstContact);
    contacts_[1]->setValue(start.secondContact);
    quiet_ = false;
    setRanges({start.before, start.after});
    ownRanges_ = false;
    selected_ = 1;
    showRows();
    emitChanged();
}

void CourbesMethods::nameDerivative() {
    // A falling curve (a base titrated by an acid) has its jumps at minima of dpH/dV.
    const int item = method_->findData(int(ab::Method::Derivative));
    if (item < 0) return;
    const QString name = ab::derivativeJumps(points_).minima
                             ? QStringLiteral("minimum de la dérivée")
                             : QStringLiteral("maximum de la dérivée");
    if (method_->itemText(item) != name) method_->setItemText(item, name);
}

void CourbesMethods::setRanges(const ab::LineRanges& ranges) {
    const bool wasQuiet = quiet_;
    quiet_ = true;
    ranges_[0]->setValue(std::min(ranges.before.from, ranges.before.to));
    ranges_[1]->setValue(std::max(ranges.before.from, ranges.before.to));
    ranges_[2]->setValue(std::min(ranges.after.from, ranges.after.to));
    ranges_[3]->setValue(std::max(ranges.after.from, ranges.after.to));
    quiet_ = wasQuiet;
}

void CourbesMethods::showRows() {
    const ab::Method m = choice().method;
    tangentsRow_->setVisible(m == ab::Method::ParallelTangents);
    linesRow_->setVisible(m == ab::Method::TwoLines);
}

void CourbesMethods::emitChanged() {
    if (!quiet_) emit changed();
}

void CourbesMethods::press(double volume) {
    const ab::Method m = choice().method;
    const double at = nearestVolume(points_, volume);
    if (m == ab::Method::ParallelTangents) {
        dragged_ =
            std::fabs(contacts_[0]->value() - volume) <= std::fabs(contacts_[1]->value() - volume)
                ? 1
                : 2;
        selected_ = dragged_;
        quiet_ = true;
        contacts_[dragged_ - 1]->setValue(at);
        quiet_ = false;
        emitChanged();
    } else if (m == ab::Method::TwoLines) {
        const double middle = (ranges_[0]->value() + ranges_[1]->value() + ranges_[2]->value() +
                               ranges_[3]->value()) /
                              4;
        dragged_ = volume < middle ? 3 : 4;
        dragStart_ = at;
        drag(volume);
    }
}

void CourbesMethods::drag(double volume) {
    const double at = nearestVolume(points_, volume);
    if (dragged_ == 1 || dragged_ == 2) {
        contacts_[dragged_ - 1]->setValue(at);
    } else if (dragged_ == 3 || dragged_ == 4) {
        VolumeBox* const* ends = &ranges_[dragged_ == 3 ? 0 : 2];
        ownRanges_ = true;
        quiet_ = true;
        ends[0]->setValue(std::min(dragStart_, at));
        ends[1]->setValue(std::max(dragStart_, at));
        quiet_ = false;
        emitChanged();
    }
}

void CourbesMethods::release(double volume) {
    drag(volume);
    dragged_ = 0;
}

std::vector<QWidget*> CourbesMethods::focusOrder() const {
    return {method_,    derivative_, dilution_,  contacts_[0], contacts_[1],
            ranges_[0], ranges_[1],  ranges_[2], ranges_[3]};
}

} // namespace families
