// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/modal.h"

#include "a11y/document_view.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {
namespace {

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class QtAnswerer final : public Answerer {
public:
    Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon,
               Buttons buttons) override {
        QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
        switch (buttons) {
        case Buttons::Ok:
            box.addButton(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.addButton(QMessageBox::Ok);
            box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
            break;
        case Buttons::YesNo:
            box.addButton(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
            box.addButton(QMessageBox::No)->setText(QStringLiteral("&Non"));
            break;
        case Buttons::YesNoCancel:
            box.addButton(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
            box.addButton(QMessageBox::No)->setText(QStringLiteral("&Non"));
            box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }
    QString openFileName(QWidget* parent, const FileRequest& r) override {
        QFileDialog dialog(parent, r.caption, r.folder, r.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().constFirst();
    }
    QString saveFileName(QWidget* parent, const FileRequest& r) override {
        QFileDialog dialog(parent, r.caption, r.folder, r.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The program asks its own overwrite question where it needs one.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().constFirst();
    }
    bool choosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    QAction* popup(QMenu& menu, const QPoint& globalPos) override {
        // Opened from the keyboard as from the mouse, the menu shows its first entry chosen,
        // so that a screen reader says where the arrows start.
        QTimer::singleShot(0, &menu, [&menu] { selectFirstEntry(menu); });
        return menu.exec(globalPos);
    }
    int exec(QDialog& dialog) override { return dialog.exec(); }
    void showHelp(QWidget* parent, const QString& path) override {
        // One help window: asking for help again brings it back on its contents.
        if (helpViewer_) {
            auto* browser = helpViewer_->findChild<QTextBrowser*>();
            browser->setSource(QUrl::fromLocalFile(path));
            browser->verticalScrollBar()->setValue(0);
            helpViewer_->show();
            helpViewer_->raise();
            helpViewer_->activateWindow();
            return;
        }
        auto* viewer = new QDialog(parent);
        viewer->setObjectName(QStringLiteral("aide"));
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->setWindowTitle(QStringLiteral("Aide"));
        viewer->setAccessibleName(QStringLiteral("Aide de Titrage colorimétrique"));
        auto* browser = new a11y::DocumentView(viewer);
        browser->setAccessibleName(QStringLiteral("Texte de l'aide"));
        browser->setSource(QUrl::fromLocalFile(path));
        auto* layout = new QVBoxLayout(viewer);
        layout->addWidget(browser);
        viewer->resize(640, 560);
        viewer->show();
        // The keyboard goes to the help, where the arrows read it.
        browser->setFocus();
        viewer->activateWindow();
        helpViewer_ = viewer;
    }
    void beep() override { QApplication::beep(); }

private:
    QPointer<QDialog> helpViewer_;
};

QtAnswerer qtAnswerer;

// Qt's own dialogs (file choosers, printer choice, the context menus of text boxes) speak
// French like the rest of the program, whatever the user's language.
void installFrenchQtTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QCoreApplication::applicationDirPath()))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
// Runs when the application object is built, before any window exists.
Q_COREAPP_STARTUP_FUNCTION(installFrenchQtTexts)
Answerer* current = nullptr;

} // namespace

void selectFirstEntry(QMenu& menu) {
    if (menu.activeAction()) return;
    for (QAction* action : menu.actions())
        if (action->isEnabled() && action->isVisible() && !action->isSeparator()) {
            menu.setActiveAction(action);
            return;
        }
}

Answerer& answerer() {
    return current ? *current : qtAnswerer;
}
void setAnswerer(Answerer* a) {
    current = a;
}

Answer ask(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons) {
    return answerer().ask(parent, text, title, icon, buttons);
}
QAction* popup(QMenu& menu, const QPoint& globalPos) {
    return answerer().popup(menu, globalPos);
}
int exec(QDialog& dialog) {
    return answerer().exec(dialog);
}
void beep() {
    answerer().beep();
}

} // namespace ui
