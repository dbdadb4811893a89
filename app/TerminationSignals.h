#pragma once

#include <QObject>
#include <array>
#include <signal.h>

class QSocketNotifier;

// Brings SIGTERM and SIGINT into the event loop as a Qt signal, so that a session ending or a
// Ctrl+C in a terminal closes the program the way Exit does. The handler only writes the
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
    std::array<struct sigaction, 2> m_previous = {};
};
