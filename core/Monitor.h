#pragma once

#include "core/AppState.h"
#include "core/MonitorPorts.h"

#include <QObject>
#include <QString>
#include <QTimer>

class Clock;
class ConnectionProbe;
class ResultsGrid;
class Sound;

// Start and Stop, the one-second countdown (Timer1), the connection watch (Timer2) and the
// cycle that walks the item list. Everything runs on the GUI thread; the retrieval lets
// events run while it waits, so any handler here may run in the middle of a cycle.
class Monitor : public QObject
{
    Q_OBJECT
public:
    struct Ports
    {
        AppState& app;
        CycleState& cycle;
        ResultsGrid& grid;
        ItemListSource& items;
        Retrieval& retrieval;
        ConnectionProbe& probe;
        const Clock& clock;
        Sound& sound;
        MonitorView& view;
        QString programFolder;
        QString siteHost;
    };

    explicit Monitor(const Ports& ports, QObject* parent = nullptr);

    QTimer& Timer1() { return m_timer1; }
    QTimer& Timer2() { return m_timer2; }
    bool cycleRunning() const { return m_cycleRunning; }

    void StartMonitoring();
    void StopMonitoring();
    void CountdownTick();
    void ConnectionWatchTick();
    void RunCycle();
    void CheckConnection();
    // Plays a file of the program folder without waiting; the platform's result.
    int PlayNotificationSound(const char* name);

private:
    void goAhead();
    void raiseAlerts();
    void noConnection();

    Ports m_ports;
    QTimer m_timer1;
    QTimer m_timer2;
    bool m_cycleRunning = false;
    // Start chosen while an aborted cycle was still unwinding: it goes on once that cycle has returned.
    bool m_startPending = false;
};
