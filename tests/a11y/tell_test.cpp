// SPDX-License-Identifier: GPL-3.0-or-later
// A sentence told where the focus is: on the focused control, kept while the user comes back
// from another window, gone when the user moves the focus back to the control.
#include "a11y/tell.h"

#include "support/application.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct TellTest : support::ApplicationFirst, ::testing::Test {
    TellTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&first);
        layout->addWidget(&second);
        first.setAccessibleDescription("Ouvrir une configuration");
        QObject::connect(&a11y::Teller::instance(), &a11y::Teller::told, &window,
                         [this](QWidget* w, const QString& s) { told.emplace_back(w, s); });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // Deleted before the window (they are in its layout, not owned by it).
    ~TellTest() override { delete window.layout(); }

    QWidget window;
    QPushButton first{"Ouvrir"};
    QPushButton second{"Enregistrer"};
    std::vector<std::pair<QWidget*, QString>> told;
};

TEST_F(TellTest, TheSentenceGoesToTheFocusedControlAndLeavesWhenTheUserComesBack) {
    first.setFocus(Qt::TabFocusReason);
    a11y::tell(&second, "Configuration ouverte."); // about the window: the focus hears it
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, &first);
    EXPECT_EQ(first.accessibleDescription(), "Configuration ouverte.");

    // The same sentence again is told again.
    a11y::tell(&window, "Configuration ouverte.");
    EXPECT_EQ(told.size(), 2u);

    // Coming back from another window keeps it, to be read with the focus.
    second.setFocus(Qt::TabFocusReason);
    first.setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(first.accessibleDescription(), "Configuration ouverte.");
    // The user moving to it brings its own description back.
    second.setFocus(Qt::TabFocusReason);
    first.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(first.accessibleDescription(), "Ouvrir une configuration");
}

TEST_F(TellTest, ANewDescriptionTakesThePlaceOfTheSentenceButNotTheOldOne) {
    struct Row {
        const char* name;
        QString described;
        QString expected;
    } rows[] = {
        {"the same description again keeps the sentence", "Ouvrir une configuration",
         "Valeur corrigée."},
        {"a new description replaces it", "2,00 mL versés, solution incolore",
         "2,00 mL versés, solution incolore"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        first.setAccessibleDescription("Ouvrir une configuration");
        first.setFocus(Qt::TabFocusReason);
        a11y::tell(&first, "Valeur corrigée.");
        a11y::describe(&first, row.described);
        EXPECT_EQ(first.accessibleDescription(), row.expected);
        second.setFocus(Qt::TabFocusReason);
    }
}

TEST_F(TellTest, WithoutFocusTheContextHearsItAndNothingEmptyIsTold) {
    QWidget lone;
    EXPECT_EQ(a11y::listeningControl(&lone), &lone);
    EXPECT_EQ(a11y::listeningControl(nullptr), nullptr);
    a11y::tell(&lone, "Impression terminée.");
    EXPECT_EQ(lone.accessibleDescription(), "Impression terminée.");
    a11y::tell(&lone, QString());
    a11y::tell(nullptr, "perdu");
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(TellTest, ToldBehindAnotherWindowItIsToldAgainWhenTheFocusComesBack) {
    first.setFocus(Qt::TabFocusReason);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(first.hasFocus());
    a11y::tell(&window, "Configuration enregistrée\u00a0: serie.C17.");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, &first) << "the control the window gave the focus to";
    other.hide();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(first.hasFocus());
    EXPECT_EQ(told.size(), 2u) << "told again with the focus";
    EXPECT_EQ(first.accessibleDescription(), "Configuration enregistrée\u00a0: serie.C17.");
}

// A control whose focus is on an object of its own (as a picture's current part).
class Inner : public QObject {};
class Holder : public QPushButton {
public:
    Inner inner;
};
class HolderAccessible : public QAccessibleWidget {
public:
    explicit HolderAccessible(Holder* h) : QAccessibleWidget(h, QAccessible::List) {}
    QAccessibleInterface* focusChild() const override {
        return QAccessible::queryAccessibleInterface(&static_cast<Holder*>(widget())->inner);
    }
};
class InnerAccessible : public QAccessibleObject {
public:
    explicit InnerAccessible(Inner* i) : QAccessibleObject(i) {}
    QAccessibleInterface* parent() const override { return nullptr; }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override { return {}; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};
QAccessibleInterface* holderFactory(const QString&, QObject* o) {
    if (auto* h = dynamic_cast<Holder*>(o)) return new HolderAccessible(h);
    if (auto* i = dynamic_cast<Inner*>(o)) return new InnerAccessible(i);
    return nullptr;
}

TEST_F(TellTest, WithTheFocusOnAnObjectWithinTheControlTheObjectIsTold) {
    QAccessible::installFactory(holderFactory);
    Holder holder;
    window.layout()->addWidget(&holder);
    holder.show();
    holder.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(holder.hasFocus());
    a11y::tell(&window, "Page envoyée à l'imprimante.");
    EXPECT_EQ(a11y::toldTo(&holder.inner), "Page envoyée à l'imprimante.");
    EXPECT_TRUE(holder.accessibleDescription().isEmpty()) << "the control keeps its own";
    ASSERT_EQ(told.size(), 1u);
    a11y::forgetTold(&holder.inner);
    EXPECT_EQ(a11y::toldTo(&holder.inner), QString());
    a11y::tell(&window, "Encore.");
    window.layout()->removeWidget(&holder);
    QAccessible::removeFactory(holderFactory);
}

} // namespace
