// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stop requests of the system turned into one Qt signal on the user-interface thread:
// - SIGTERM (a shutdown, a kill), SIGINT (Ctrl+C in a terminal), SIGHUP (that terminal
//   closed): the handler only writes one byte into a socket pair, whose other end a socket
//   notifier watches;
// - the end of the desktop session: the session manager's last word reaches the application
//   as a quit request, which is taken here instead of letting Qt close the windows one by one
//   (the main window would ask its closing questions).

#include <QObject>

class QSocketNotifier;

namespace app {

class StopSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one instance may exist at a time.
    explicit StopSignals(QObject* parent = nullptr);
    // Restores the handlers that were there before.
    ~StopSignals() override;

signals:
    // signalNumber is 0 for the end of the session.
    void stopRequested(int signalNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readPending();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace app
