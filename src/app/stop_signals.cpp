// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stop_signals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace app {
namespace {

constexpr std::array<int, 3> watchedSignals = {SIGTERM, SIGINT, SIGHUP};
int pipeEnds[2] = {-1, -1}; // [0] read by the notifier, [1] written by the handler
struct sigaction previous[watchedSignals.size()];

void onStopSignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // Nothing else is safe here; a full socket means a request is already waiting.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) return;
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::readPending);
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t k = 0; k < watchedSignals.size(); ++k)
        ::sigaction(watchedSignals[k], &action, &previous[k]);
}

StopSignals::~StopSignals() {
    if (!notifier_) return;
    for (std::size_t k = 0; k < watchedSignals.size(); ++k)
        ::sigaction(watchedSignals[k], &previous[k], nullptr);
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

bool StopSignals::eventFilter(QObject* watched, QEvent* event) {
    if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit) return false;
    emit stopRequested(0);
    return true;
}

void StopSignals::readPending() {
    unsigned char byte = 0;
    if (::read(pipeEnds[0], &byte, 1) == 1) emit stopRequested(byte);
}

} // namespace app
