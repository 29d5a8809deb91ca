// SPDX-License-Identifier: GPL-3.0-or-later
#include "guifuzz/random_answerer.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPrinter>

#include <vector>

namespace guifuzz {

namespace fs = std::filesystem;

RandomAnswerer::RandomAnswerer(RandomUser& user, fs::path work, std::function<bool()> afterAction)
    : user_(user), work_(std::move(work)), afterAction_(std::move(afterAction)) {
    ui::setAnswerer(this);
}

RandomAnswerer::~RandomAnswerer() {
    ui::setAnswerer(nullptr);
}

ui::Answer RandomAnswerer::ask(QWidget*, const QString&, const QString&, ui::Icon,
                               ui::Buttons buttons) {
    ++requests;
    using ui::Answer;
    switch (buttons) {
    case ui::Buttons::Ok:
        return Answer::Ok;
    case ui::Buttons::OkCancel:
        return user_.chance(0.5) ? Answer::Ok : Answer::Cancel;
    case ui::Buttons::YesNo:
        return user_.chance(0.5) ? Answer::Yes : Answer::No;
    case ui::Buttons::YesNoCancel:
        return std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}[user_.below(3)];
    }
    return Answer::Cancel;
}

QString RandomAnswerer::openFileName(QWidget*, const ui::FileRequest&) {
    ++requests;
    const int kind = user_.below(10);
    if (kind < 2) return {};
    if (kind < 3) return QString::fromStdString((work_ / "ABSENT.RTF").string());
    std::vector<fs::path> present;
    for (const auto& entry : fs::directory_iterator(work_))
        if (entry.is_regular_file()) present.push_back(entry.path());
    if (present.empty()) return {};
    return QString::fromStdString(present[std::size_t(user_.below(int(present.size())))].string());
}

QString RandomAnswerer::saveFileName(QWidget*, const ui::FileRequest& request) {
    ++requests;
    if (user_.chance(0.2)) return {};
    // A new name, or one of the names already given (the program then writes over it).
    const int n = user_.chance(0.5) ? ++names_ : 1 + user_.below(names_ + 1);
    QString name = QStringLiteral("saved%1").arg(n);
    if (!request.defaultSuffix.isEmpty() && user_.chance(0.8))
        name += QLatin1Char('.') + request.defaultSuffix;
    return QString::fromStdString((work_ / name.toStdString()).string());
}

bool RandomAnswerer::choosePrinter(QWidget*, QPrinter& printer) {
    ++requests;
    if (user_.chance(0.5)) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(
        QString::fromStdString((work_ / ("printed" + std::to_string(++names_) + ".pdf")).string()));
    return true;
}

QAction* RandomAnswerer::popup(QMenu& menu, const QPoint&) {
    ++requests;
    std::vector<QAction*> offered;
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->isEnabled() && action->isVisible())
            offered.push_back(action);
    if (offered.empty() || user_.chance(0.2)) return nullptr;
    return offered[std::size_t(user_.below(int(offered.size())))];
}

int RandomAnswerer::exec(QDialog& dialog) {
    ++requests;
    // A window opened from a window opened from a window is closed at once: the user goes
    // back down rather than deeper.
    if (depth_ >= 3) return QDialog::Rejected;
    ++depth_;
    ++windows;
    ++windowKinds[dialog.metaObject()->className()];
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int actions = user_.below(60);
    for (int k = 0; k < actions && dialog.isVisible(); ++k) {
        user_.act(dialog);
        if (!afterAction_()) break;
    }
    if (dialog.isVisible()) dialog.reject();
    --depth_;
    return dialog.result();
}

} // namespace guifuzz
