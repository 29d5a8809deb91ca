// SPDX-License-Identifier: GPL-3.0-or-later
// The stop requests of the system.

#include "app/stop_signals.h"
#include "support/application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(StopSignals, SignalsAndTheEndOfTheSessionAreOneRequest) {
    support::application();
    app::StopSignals stops;
    QSignalSpy spy(&stops, &app::StopSignals::stopRequested);
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        spy.clear();
        ASSERT_EQ(std::raise(number), 0);
        // The request arrives through the event loop, not inside the handler.
        EXPECT_TRUE(spy.isEmpty());
        EXPECT_TRUE(spy.wait(2000)) << number;
        ASSERT_EQ(spy.size(), 1);
        EXPECT_EQ(spy.at(0).at(0).toInt(), number);
    }
    spy.clear();
    QEvent quit(QEvent::Quit);
    EXPECT_TRUE(QCoreApplication::sendEvent(QCoreApplication::instance(), &quit))
        << "the quit request is taken, so Qt does not close the windows one by one";
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 0);
}

} // namespace
