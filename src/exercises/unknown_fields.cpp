// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/unknown_fields.h"

#include "grading/exercise_key.h"
#include "numbers/formats.h"
#include "numbers/reading.h"
#include "ui/modal.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <cmath>
#include <limits>
#include <random>

namespace exercises {
namespace {

double boundOf(const QLineEdit* box) {
    return numbers::parseNumberText(box->text().toStdString())
        .value_or(std::numeric_limits<double>::quiet_NaN());
}

QString boundText(double x) {
    return QString::fromStdString(numbers::formatGeneral(x));
}

} // namespace

grading::ExerciseKey randomKey() {
    std::random_device device;
    const std::uint64_t seed = (std::uint64_t(device()) << 32) ^ std::uint64_t(device());
    return grading::makeKey(seed);
}

UnknownFields::UnknownFields(QWidget* parent)
    : QGroupBox(QStringLiteral("Concentration à trouver"), parent) {
    oneValue = new QRadioButton(QStringLiteral("Une &seule valeur, celle du banc"), this);
    range =
        new QRadioButton(QStringLiteral("Une valeur par élève, tirée dans un &intervalle"), this);
    oneValue->setChecked(true);
    lowest = new QLineEdit(this);
    highest = new QLineEdit(this);
    for (QLineEdit* box : {lowest, highest})
        box->setMaximumWidth(90);
    lowest->setAccessibleName(QStringLiteral("Concentration la plus basse, en mol/L"));
    highest->setAccessibleName(QStringLiteral("Concentration la plus haute, en mol/L"));
    digits = new QSpinBox(this);
    digits->setRange(grading::minDigits, grading::maxDigits);
    digits->setValue(3);
    digits->setAccessibleName(QStringLiteral("Chiffres significatifs des valeurs tirées"));
    keyText = new QLabel(this);
    keyText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    newKey = new QPushButton(QStringLiteral("Chan&ger de clé…"), this);
    newKey->setToolTip(QStringLiteral("Une nouvelle clé change la valeur de chaque élève."));
    studentValues = new QPushButton(QStringLiteral("Valeurs des é&lèves…"), this);
    studentValues->setToolTip(
        QStringLiteral("La concentration de chaque élève, d'après la liste de leurs noms"));
    for (QPushButton* b : {newKey, studentValues})
        b->setAutoDefault(false);

    auto* from = new QLabel(QStringLiteral("&minimum\u00A0:"), this);
    from->setBuddy(lowest);
    auto* to = new QLabel(QStringLiteral("ma&ximum\u00A0:"), this);
    to->setBuddy(highest);
    auto* digitsLabel = new QLabel(QStringLiteral("chif&fres significatifs\u00A0:"), this);
    digitsLabel->setBuddy(digits);
    auto* bounds = new QHBoxLayout;
    bounds->addWidget(from);
    bounds->addWidget(lowest);
    bounds->addWidget(to);
    bounds->addWidget(highest);
    bounds->addWidget(new QLabel(QStringLiteral("mol/L\u00A0;"), this));
    bounds->addWidget(digitsLabel);
    bounds->addWidget(digits);
    bounds->addStretch(1);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(keyText, 1);
    keyRow->addWidget(newKey);
    keyRow->addWidget(studentValues);

    auto* layout = new QGridLayout(this);
    layout->addWidget(oneValue, 0, 0);
    layout->addWidget(range, 1, 0);
    layout->addLayout(bounds, 2, 0);
    layout->addLayout(keyRow, 3, 0);
    layout->setColumnMinimumWidth(0, 1);

    connect(range, &QRadioButton::toggled, this, [this](bool on) {
        updateControls();
        emit modeChanged(on);
    });
    connect(newKey, &QPushButton::clicked, this, [this] { newKey_Click(); });
    updateControls();
}

grading::ExerciseKey UnknownFields::key() {
    if (!key_) key_ = randomKey();
    return *key_;
}

void UnknownFields::setKey(grading::ExerciseKey key) {
    key_ = key;
    updateControls();
}

std::optional<grading::ExerciseUnknown> UnknownFields::unknown() {
    if (!range->isChecked()) return std::nullopt;
    grading::ExerciseUnknown u;
    u.range = {boundOf(lowest), boundOf(highest), digits->value()};
    u.key = key();
    return u;
}

void UnknownFields::setUnknown(const std::optional<grading::ExerciseUnknown>& unknown) {
    if (unknown) {
        lowest->setText(boundText(unknown->range.lowest));
        highest->setText(boundText(unknown->range.highest));
        digits->setValue(unknown->range.digits);
        key_ = unknown->key;
        range->setChecked(true);
    } else {
        oneValue->setChecked(true);
    }
    updateControls();
}

void UnknownFields::newKey_Click() {
    if (ui::ask(this,
                QStringLiteral("Une nouvelle clé change la concentration de chaque élève\u00A0: "
                               "une liste des valeurs des élèves faite avant ne vaut plus, et "
                               "un élève qui a déjà commencé l'exercice trouvera une autre "
                               "valeur en le rouvrant.\nChanger de clé\u00A0?"),
                QStringLiteral("Changer de clé\u00A0?"), ui::Icon::Question,
                ui::Buttons::OkCancel) != ui::Answer::Ok)
        return;
    key_ = randomKey();
    updateControls();
}

void UnknownFields::updateControls() {
    const bool ranged = range->isChecked();
    if (ranged) key();
    for (QWidget* w :
         std::initializer_list<QWidget*>{lowest, highest, digits, newKey, studentValues})
        w->setEnabled(ranged);
    keyText->setText(ranged && key_ ? QStringLiteral("Clé de l'exercice\u00A0: %1")
                                          .arg(QString::fromStdString(grading::keyText(*key_)))
                                    : QString());
}

} // namespace exercises
