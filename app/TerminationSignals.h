#pragma once

#include <QObject>
#include <array>
#include <signal.h>

class QSocketNotifier;

// Brings SIGTERM, SIGINT, SIGHUP and SIGQUIT into the event loop as a Qt signal, so that a
// session ending, a terminal closing or a Ctrl+C or Ctrl+\ in it close the program the way Exit
// does: what the cycle read and the window places are kept, and a save under way completes. The handler only writes the
// signal's number to a socket pair, which is all a handler may safely do; a socket notifier
// reads it on the event loop's turn. One instance at a time; its destruction puts the earlier
// handlers back.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPending();

    QSocketNotifier* m_notifier = nullptr;
    std::array<struct sigaction, 4> m_previous = {};
};
