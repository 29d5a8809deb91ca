// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calculator window shown headless, with a scripted answerer counting the beeps.

#include "calculator/window/machine.h"
#include "support/application.h"
#include "support/scripted_answerer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>

class MachineTest : public ::testing::Test {
protected:
    void SetUp() override {
        support::application();
        machine = std::make_unique<calculator::Machine>();
        machine->show();
    }

    // Clicks the keys named, in order, with the mouse.
    void press(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            QPushButton* button = machine->key(QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    // Types the characters on the keyboard, into the display.
    void type(const char* characters) {
        QTest::keyClicks(machine->z1, QString::fromUtf8(characters));
    }
    void enter() { QTest::keyClick(machine->z1, Qt::Key_Return); }

    QString display() const { return machine->z1->text(); }
    // Whether the display's text fits in its box, nothing scrolled out of sight.
    bool shownWhole() const {
        QStyleOptionFrame option;
        option.initFrom(machine->z1);
        option.lineWidth = machine->z1->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const QRect contents =
            machine->z1->style()->subElementRect(QStyle::SE_LineEditContents, &option, machine->z1);
        const int inner = 2; // the line edit's own margin on each side of its text
        return QFontMetrics(machine->z1->font()).horizontalAdvance(display()) <=
               contents.width() - 2 * inner;
    }
    QString buffer() const { return QString::fromStdString(machine->keypad().expressionBuffer()); }

    ui::ScriptedAnswerer script;
    std::unique_ptr<calculator::Machine> machine;
};
