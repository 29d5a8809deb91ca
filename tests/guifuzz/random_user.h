// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A user who does anything at random: clicks, double clicks, drags, right clicks, the wheel
// and keys (characters, editing and moving keys, function keys, Alt and Ctrl shortcuts) on
// any visible widget of a window, from a seeded generator.

#include <QPointer>
#include <QString>

#include <random>

class QWidget;

namespace guifuzz {

class RandomUser {
public:
    explicit RandomUser(std::mt19937_64& random) : random_(random) {}

    // One action on a widget of window (or on the pop-up open over it), then the events it
    // caused. What it was is in last().
    void act(QWidget& window);
    const QString& last() const { return last_; }
    int actions() const { return actions_; }

    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(random_)); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

private:
    QWidget* target(QWidget& window);
    void mouse(QWidget& w);
    void wheel(QWidget& w);
    void key(QWidget& w);

    std::mt19937_64& random_;
    QString last_;
    int actions_ = 0;
};

} // namespace guifuzz
