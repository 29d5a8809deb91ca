// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/fichexo.h"

#include "a11y/tell.h"
#include "drawing/hourglass.h"
#include "exercises/exercise_actions.h"
#include "exercises/exercise_area.h"
#include "exercises/exercise_file.h"
#include "files/ui/folderlists.h"
#include "files/ui/paths.h"
#include "numbers/rounding.h"
#include "ui/modal.h"

#include <QBrush>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace exercises {
namespace {

const QString correctedText = QStringLiteral("Exercice corrigé");
const QString uncorrectedText = QStringLiteral("Non corrigé");

QPixmap indicator(const QColor& centre, const QColor& edge) {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(QPointF(8, 8), 12);
    gradient.setColorAt(0, centre);
    gradient.setColorAt(1, edge);
    p.setBrush(gradient);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawEllipse(QRectF(1.5, 1.5, 19, 19));
    return pixmap;
}

QToolButton* pictureButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text,
                           const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(32, 32));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

const QString TitleBanner::title = QStringLiteral("Ouvrir un exercice");

TitleBanner::TitleBanner(QWidget* parent) : QWidget(parent) {
    setFixedHeight(56);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor TitleBanner::letterColour(int k, int n) {
    return QColor(255, 255, numbers::nearest(155.0 + 100.0 * k / n));
}

void TitleBanner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 128));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(24);
    font.setBold(true);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const int top = (height() - metrics.height()) / 2 - 2;
    const int n = int(title.size());
    int x = 30;
    for (int k = 1; k <= n; ++k) {
        const QString letter = title.mid(k - 1, 1);
        p.setPen(letterColour(k, n));
        p.drawText(x, top + metrics.ascent(), letter);
        x += metrics.horizontalAdvance(letter);
    }
}

void HourglassLabel::paintEvent(QPaintEvent* event) {
    if (QFontMetrics(font()).inFontUcs4(0x231B)) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    const qreal h = std::min<qreal>(height() - 4, 22), w = h * 0.7;
    const qreal top = (height() - h) / 2;
    qreal x = 2;
    for (QChar c : text()) {
        if (c.unicode() != 0x231B) continue;
        drawing::paintHourglass(p, QRectF(x, top, w, h));
        x += w + 6;
    }
}

Fichexo::Fichexo(ExerciseArea& area, QWidget* parent) : QDialog(parent), area_(area) {
    setModal(true);
    Imagalu = indicator(QColor(255, 250, 160), QColor(230, 150, 0));
    Imagenoir = indicator(QColor(120, 120, 120), QColor(40, 40, 40));

    tito = new TitleBanner(this);

    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setFixedWidth(260);
    Label5 = new QLabel(QStringLiteral("Liste des exercices\u00A0:"), Frame1);
    Drive1 = new files::DriveList(Frame1);
    Dir1 = new files::FolderList(Frame1);
    File1 = new QListWidget(Frame1);
    auto* left = new QVBoxLayout(Frame1);
    left->addWidget(Label5);
    left->addWidget(Drive1);
    left->addWidget(Dir1, 1);
    left->addWidget(File1, 1);

    fichierexo = new QLineEdit(this);
    fichierexo->setReadOnly(true);
    intratro = new QLabel(QStringLiteral("Sélectionner un fichier"), this);
    titratexo = new QLabel(this);
    titratexo->setWordWrap(true);
    // However long the title, the window keeps its width: a long word is cut at the edge
    // rather than pushing the buttons off the screen.
    titratexo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    titratexo->setMinimumWidth(1);
    QFont titleFont = titratexo->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    titratexo->setFont(titleFont);

    Label4 = new QLabel(QStringLiteral("Niveau de difficulté\u00A0:"), this);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(Label4);
    for (auto& image : Image4) {
        image = new QLabel(this);
        image->setPixmap(Imagenoir);
        levelRow->addWidget(image);
    }
    levelRow->addStretch(1);

    Label1 = new QLabel(QStringLiteral("Notions abordées\u00A0:"), this);
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text2 = new HourglassLabel(this);
    Text2->setMinimumHeight(26);
    QFont hourglassFont = Text2->font();
    hourglassFont.setPointSize(16);
    Text2->setFont(hourglassFont);

    // Label3 is Label2's shadow, 2 units to the right and 2 lower.
    auto* status = new QWidget(this);
    status->setFixedHeight(28);
    QFont statusFont = font();
    statusFont.setPointSize(12);
    statusFont.setBold(true);
    Label3 = new QLabel(status);
    Label2 = new QLabel(status);
    for (QLabel* label : {Label3, Label2}) {
        label->setFont(statusFont);
        label->setFixedWidth(220);
    }
    Label3->setStyleSheet(QStringLiteral("color: rgb(160, 160, 160);"));
    Label2->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    Label2->move(0, 0);
    Label3->move(2, 2);

    ouvreur = pictureButton(this, QStyle::SP_DialogOpenButton, QStringLiteral("Ouvrir"),
                            QStringLiteral("Ouvrir l'exercice sélectionné"));
    Image5 = pictureButton(this, QStyle::SP_DialogCloseButton, QStringLiteral("Fermer"),
                           QStringLiteral("Fermer sans charger d'exercice"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status, 1);
    buttons->addWidget(ouvreur);
    buttons->addWidget(Image5);

    auto* right = new QVBoxLayout;
    right->addWidget(fichierexo);
    right->addWidget(intratro);
    right->addWidget(titratexo);
    right->addLayout(levelRow);
    right->addWidget(Label1);
    right->addWidget(Text1, 1);
    right->addWidget(Text2);
    right->addLayout(buttons);

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tito);
    body->setContentsMargins(8, 0, 8, 8);
    layout->addLayout(body, 1);

    Frame2 = new QFrame(this);
    Frame2->setFrameShape(QFrame::Box);
    Frame2->setAutoFillBackground(true);
    auto* notice = new QHBoxLayout(Frame2);
    notice->addWidget(new QLabel(QStringLiteral("Patienter quelques instants"), Frame2));
    Frame2->adjustSize();

    // Load: over the main window, no title, the waiting notice hidden, the lists on the
    // data folder.
    placeOverMainWindow();
    setWindowTitle(QString());
    Frame2->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label4, ouvreur, Label1, Label2, Label3})
        w->hide();
    for (QLabel* image : Image4)
        image->hide();
    Text1->clear();
    Text2->clear();
    Drive1->showDriveOf(files::dataFolder());
    Dir1->setPath(files::dataFolder());
    Dir1_Change();
    nameForScreenReaders();

    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(Dir1, &files::FolderList::pathChanged, this, [this] { Dir1_Change(); });
    connect(File1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) File1_Click(item->text());
    });
    // A double click or Enter on a file opens it.
    connect(File1, &QListWidget::itemActivated, this, [this] { ouvreur_Click(); });
    connect(ouvreur, &QToolButton::clicked, this, [this] { ouvreur_Click(); });
    connect(Image5, &QToolButton::clicked, this, [this] { Image5_Click(); });
}

void Fichexo::nameForScreenReaders() {
    // The window has no caption: its banner says what it is.
    setAccessibleName(TitleBanner::title);
    tito->setAccessibleName(TitleBanner::title);
    Label5->setBuddy(File1);
    File1->setAccessibleName(QStringLiteral("Liste des exercices"));
    Drive1->setAccessibleName(QStringLiteral("Lecteur"));
    Dir1->setAccessibleName(QStringLiteral("Répertoires"));
    fichierexo->setAccessibleName(QStringLiteral("Fichier de l'exercice"));
    titratexo->setAccessibleDescription(QStringLiteral("Titre de l'exercice"));
    Label1->setBuddy(Text1);
    Text1->setAccessibleName(QStringLiteral("Notions abordées"));
    Text2->setAccessibleName(QStringLiteral("Durée"));
    File1->setFocus(Qt::OtherFocusReason);
}

void Fichexo::placeOverMainWindow() {
    QWidget* main = area_.mainWindow();
    if (!main) {
        resize(800, 600);
        return;
    }
    setWindowIcon(main->windowIcon());
    setGeometry(main->geometry());
    setWindowState(main->windowState());
}

void Fichexo::placeWaitingNotice() {
    Frame2->adjustSize();
    Frame2->move((width() - Frame2->width()) / 2, (height() - Frame2->height()) / 2);
}

void Fichexo::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeWaitingNotice();
}

void Fichexo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        Form_Activate();
    }
}

void Fichexo::Form_Activate() {
    if (!chosenFile_.isEmpty()) {
        selectChosenFile();
        return;
    }
    if (File1->count() > 0) {
        if (File1->currentRow() == 0)
            File1_Click(File1->item(0)->text());
        else
            File1->setCurrentRow(0);
    }
}

void Fichexo::selectChosenFile() {
    const QFileInfo chosen(chosenFile_);
    chosenFile_.clear();
    // The name as the folder spells it (a file copied from Windows may differ in case).
    const QString name =
        files::entryIgnoringCase(chosen.absolutePath(), chosen.fileName(), QDir::Files);
    const auto listed =
        name.isEmpty() ? QList<QListWidgetItem*>() : File1->findItems(name, Qt::MatchExactly);
    if (!listed.isEmpty() && QDir(Dir1->path()) == chosen.absoluteDir()) {
        if (File1->currentItem() == listed.front())
            File1_Click(listed.front()->text());
        else
            File1->setCurrentItem(listed.front());
        return;
    }
    // Not in the list (absent, or in a folder that cannot be read): the summary says so.
    File1->setCurrentItem(nullptr);
    fichierexo->setText(QDir::toNativeSeparators(chosen.absoluteFilePath()));
    area_.exercise().folder = QDir::toNativeSeparators(withFinalSeparator(chosen.absolutePath()));
    showSummary();
}

void Fichexo::showFile(const QString& exerciseFile) {
    const QString folder = QFileInfo(exerciseFile).absolutePath();
    if (Dir1->setPath(folder)) Drive1->showDriveOf(folder);
    chosenFile_ = exerciseFile;
}

void Fichexo::Drive1_Change() {
    const QString drive = Drive1->drive();
    if (files::DriveList::driveOf(Dir1->path()) == drive) return;
    if (!Dir1->setPath(drive)) Drive1->showDriveOf(Dir1->path());
}

void Fichexo::Dir1_Change() {
    File1->clear();
    QDir folder(Dir1->path());
    File1->addItems(
        folder.entryList({QStringLiteral("*.E44")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    // The exercise of the folder left is no longer the one to open: the summary follows the
    // list, on its first exercise, or is emptied when the folder has none.
    fichierexo->clear();
    titratexo->clear();
    Label2->clear();
    Label3->clear();
    showSummary();
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label2, Label3})
        w->hide();
    intratro->show();
    if (activated_) Form_Activate();
}

void Fichexo::File1_Click(const QString& name) {
    const QString folder = withFinalSeparator(Dir1->path());
    fichierexo->setText(QDir::toNativeSeparators(folder + name));
    area_.exercise().folder = QDir::toNativeSeparators(folder);
    QDir::setCurrent(folder);
    showSummary();
}

void Fichexo::showSummary() {
    Text1->clear();
    Text2->clear();
    for (QLabel* image : Image4)
        image->hide();
    Label4->hide();
    ouvreur->hide();
    if (isBlank(fichierexo->text())) return;
    intratro->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label4, ouvreur, Label1, Label2, Label3})
        w->show();

    const ExerciseRecords records = readExerciseRecords(fichierexo->text());
    if (!records.readable) {
        cannotReadExercise(this);
        return;
    }
    const QString status = records.corrected() ? correctedText : uncorrectedText;
    Label2->setText(status);
    Label3->setText(status);
    const int lit = litIndicators(records[levelRecord]);
    for (int i = 0; i < 3; ++i) {
        Image4[i]->setPixmap(i < lit ? Imagalu : Imagenoir);
        Image4[i]->setProperty("lit", i < lit);
        Image4[i]->setAccessibleName(i < lit ? QStringLiteral("Indicateur allumé")
                                             : QStringLiteral("Indicateur éteint"));
        Image4[i]->show();
    }
    // The three indicators in words, on the label they follow.
    Label4->setAccessibleName(QStringLiteral("Niveau de difficulté\u00A0: %1 sur 3").arg(lit));
    QString topics;
    for (int r = firstTopicRecord; r <= lastTopicRecord; ++r)
        if (!isBlank(records[r])) topics += records[r];
    Text1->setPlainText(topics);
    QString title = records[titleRecord];
    while (title.endsWith(QLatin1Char(' ')))
        title.chop(1);
    titratexo->setText(title);
    Text2->setText(hourglasses(records[durationRecord]));
    const int glasses = int(Text2->text().count(QChar(0x231B)));
    Text2->setAccessibleName(glasses == 1
                                 ? QStringLiteral("Durée\u00A0: 1 sablier")
                                 : QStringLiteral("Durée\u00A0: %1 sabliers").arg(glasses));
}

bool Fichexo::correctedShown() const {
    return Label2->text() == correctedText;
}

int Fichexo::litShown() const {
    int lit = 0;
    for (QLabel* image : Image4)
        if (image->property("lit").toBool()) ++lit;
    return lit;
}

void Fichexo::ouvreur_Click() {
    if (isBlank(fichierexo->text())) return;
    Frame2->show();
    Frame2->raise();
    Frame2->repaint();
    const OpenResult result = openExercise(area_, fichierexo->text(), correctedShown(), this);
    Frame2->hide();
    if (result != OpenResult::Opened) return;
    accept();
    a11y::tell(area_.mainWindow(),
               QStringLiteral("Exercice ouvert\u00A0: ") +
                   (titratexo->text().isEmpty() ? QFileInfo(fichierexo->text()).fileName()
                                                : titratexo->text()) +
                   QStringLiteral(". Son énoncé est dans le texte de l'exercice."));
}

void openExerciseBrowser(ExerciseArea& area) {
    openExerciseBrowserOn(area, {});
}

void openExerciseBrowserOn(ExerciseArea& area, const QString& exerciseFile) {
    if (!confirmTextLoss(area)) return;
    Fichexo window(area, area.mainWindow());
    if (!exerciseFile.isEmpty()) window.showFile(exerciseFile);
    ui::exec(window);
}

} // namespace exercises
