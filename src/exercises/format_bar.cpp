// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/format_bar.h"

#include "ui/modal.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QToolButton>

namespace exercises {
namespace {

QToolButton* toggle(QWidget* parent, const QString& text, const QString& name,
                    const QString& shortcut) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    b->setToolTip(QStringLiteral("%1 (%2)").arg(name, shortcut));
    b->setAccessibleName(name);
    b->setAccessibleDescription(QStringLiteral("Raccourci\u00A0: ") + shortcut);
    b->setFixedSize(26, 22);
    return b;
}

// A letter A over a bar of the colour.
QPixmap colourPicture(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 16, 12), Qt::AlignCenter, QStringLiteral("A"));
    p.fillRect(QRect(1, 12, 14, 4), colour);
    return pixmap;
}

// The icon of a colour, drawn the first time it is shown: the bar is built hidden with the
// window, and its menu opens seldom. It is then the icon of that picture in every way.
class ColourIconEngine : public QIconEngine {
public:
    explicit ColourIconEngine(const QColor& colour) : colour_(colour) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new ColourIconEngine(colour_); }

private:
    QIcon& icon() {
        if (icon_.isNull()) icon_ = QIcon(colourPicture(colour_));
        return icon_;
    }
    QColor colour_;
    QIcon icon_;
};

QIcon colourIcon(const QColor& colour) {
    return QIcon(new ColourIconEngine(colour));
}

} // namespace

const std::array<FormatBar::NamedColour, 6> FormatBar::colours = {{
    {"Noir", QColor(0, 0, 0)},
    {"Rouge", QColor(200, 0, 0)},
    {"Bleu", QColor(0, 0, 200)},
    {"Vert", QColor(0, 128, 0)},
    {"Orange", QColor(230, 120, 0)},
    {"Violet", QColor(128, 0, 128)},
}};

FormatBar::FormatBar(QTextEdit* text, QLineEdit* fileName, QWidget* parent)
    : QWidget(parent), text_(text), fileName_(fileName) {
    setObjectName(QStringLiteral("miseenforme"));
    setAccessibleName(QStringLiteral("Mise en forme du texte"));
    bold = toggle(this, QStringLiteral("G"), QStringLiteral("Gras"), QStringLiteral("Ctrl+B"));
    italic =
        toggle(this, QStringLiteral("I"), QStringLiteral("Italique"), QStringLiteral("Ctrl+I"));
    underline =
        toggle(this, QStringLiteral("S"), QStringLiteral("Souligné"), QStringLiteral("Ctrl+U"));
    subscript =
        toggle(this, QStringLiteral("x₂"), QStringLiteral("Indice"), QStringLiteral("Ctrl+="));
    superscript = toggle(this, QStringLiteral("x²"), QStringLiteral("Exposant"),
                         QStringLiteral("Ctrl+Maj+="));
    QFont f = bold->font();
    f.setBold(true);
    bold->setFont(f);
    f = italic->font();
    f.setItalic(true);
    italic->setFont(f);
    f = underline->font();
    f.setUnderline(true);
    underline->setFont(f);

    colour = new QToolButton(this);
    colour->setAutoRaise(true);
    colour->setFocusPolicy(Qt::TabFocus);
    colour->setIcon(colourIcon(Qt::black));
    colour->setToolTip(QStringLiteral("Couleur du texte"));
    colour->setAccessibleName(QStringLiteral("Couleur du texte"));
    colour->setFixedSize(26, 22);
    colourMenu = new QMenu(this);
    colourMenu->setObjectName(QStringLiteral("couleurs"));
    for (const NamedColour& c : colours) {
        QAction* a = colourMenu->addAction(colourIcon(c.colour), QString::fromUtf8(c.name));
        a->setObjectName(QString::fromUtf8(c.name).toLower());
        a->setData(c.colour);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (QToolButton* b : {bold, italic, underline, subscript, superscript, colour})
        layout->addWidget(b);
    layout->addStretch(1);
    QWidget* order[] = {bold, italic, underline, subscript, superscript, colour};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(bold, &QToolButton::clicked, this, [this] { toggleBold(); });
    connect(italic, &QToolButton::clicked, this, [this] { toggleItalic(); });
    connect(underline, &QToolButton::clicked, this, [this] { toggleUnderline(); });
    connect(subscript, &QToolButton::clicked, this, [this] { toggleSubscript(); });
    connect(superscript, &QToolButton::clicked, this, [this] { toggleSuperscript(); });
    connect(colour, &QToolButton::clicked, this, [this] { chooseColour(); });
    connect(text_, &QTextEdit::currentCharFormatChanged, this, [this] { showFormat(); });
    connect(fileName_, &QLineEdit::textChanged, this, [this] { updateMode(); });
    text_->installEventFilter(this);
    showFormat();
    updateMode();
}

bool FormatBar::writingMode() const {
    return !text_->isReadOnly() && !fileName_->text().isEmpty();
}

void FormatBar::updateMode() {
    setVisible(writingMode());
}

void FormatBar::merge(const QTextCharFormat& format) {
    text_->mergeCurrentCharFormat(format);
    showFormat();
}

void FormatBar::toggleBold() {
    QTextCharFormat f;
    f.setFontWeight(text_->currentCharFormat().fontWeight() > QFont::Medium ? QFont::Normal
                                                                            : QFont::Bold);
    merge(f);
}

void FormatBar::toggleItalic() {
    QTextCharFormat f;
    f.setFontItalic(!text_->currentCharFormat().fontItalic());
    merge(f);
}

void FormatBar::toggleUnderline() {
    QTextCharFormat f;
    f.setFontUnderline(!text_->currentCharFormat().fontUnderline());
    merge(f);
}

void FormatBar::toggleSubscript() {
    QTextCharFormat f;
    const bool on =
        text_->currentCharFormat().verticalAlignment() == QTextCharFormat::AlignSubScript;
    f.setVerticalAlignment(on ? QTextCharFormat::AlignNormal : QTextCharFormat::AlignSubScript);
    merge(f);
}

void FormatBar::toggleSuperscript() {
    QTextCharFormat f;
    const bool on =
        text_->currentCharFormat().verticalAlignment() == QTextCharFormat::AlignSuperScript;
    f.setVerticalAlignment(on ? QTextCharFormat::AlignNormal : QTextCharFormat::AlignSuperScript);
    merge(f);
}

void FormatBar::setColour(const QColor& c) {
    QTextCharFormat f;
    f.setForeground(c);
    merge(f);
}

void FormatBar::chooseColour() {
    QAction* chosen = ui::popup(*colourMenu, colour->mapToGlobal(QPoint(0, colour->height())));
    if (chosen) setColour(chosen->data().value<QColor>());
    text_->setFocus(Qt::OtherFocusReason);
}

void FormatBar::showFormat() {
    const QTextCharFormat f = text_->currentCharFormat();
    bold->setChecked(f.fontWeight() > QFont::Medium);
    italic->setChecked(f.fontItalic());
    underline->setChecked(f.fontUnderline());
    subscript->setChecked(f.verticalAlignment() == QTextCharFormat::AlignSubScript);
    superscript->setChecked(f.verticalAlignment() == QTextCharFormat::AlignSuperScript);
    const QColor c =
        f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(Qt::black);
    colour->setIcon(colourIcon(c));
    QString name = QStringLiteral("autre");
    for (const NamedColour& n : colours)
        if (n.colour == c) name = QString::fromUtf8(n.name).toLower();
    colour->setAccessibleDescription(QStringLiteral("Couleur actuelle\u00A0: ") + name);
}

void (FormatBar::*FormatBar::shortcutOf(const QKeyEvent* key) const)() {
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier |
                            Qt::MetaModifier | Qt::KeypadModifier);
    if (!(mods & Qt::ControlModifier) || (mods & (Qt::AltModifier | Qt::MetaModifier)))
        return nullptr;
    const bool shift = mods & Qt::ShiftModifier;
    const bool keypad = mods & Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_B:
        return shift ? nullptr : &FormatBar::toggleBold;
    case Qt::Key_I:
        return shift ? nullptr : &FormatBar::toggleItalic;
    case Qt::Key_U:
        return shift ? nullptr : &FormatBar::toggleUnderline;
    case Qt::Key_Equal:
        return shift ? &FormatBar::toggleSuperscript : &FormatBar::toggleSubscript;
    case Qt::Key_Plus:
        // Maj+= gives "+" on the French and the English keyboards.
        return keypad ? nullptr : &FormatBar::toggleSuperscript;
    default:
        return nullptr;
    }
}

bool FormatBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ReadOnlyChange:
        updateMode();
        break;
    case QEvent::ShortcutOverride:
        // The shortcuts of the text come before any shortcut of the window.
        if (writingMode() && shortcutOf(static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (!writingMode()) break;
        if (const auto action = shortcutOf(static_cast<QKeyEvent*>(event))) {
            (this->*action)();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace exercises
