#include "core/Monitor.h"

#include "core/Countdown.h"
#include "core/ProgramFiles.h"
#include "core/ResultsGrid.h"
#include "core/SiteHost.h"
#include "platform/Clock.h"
#include "platform/ConnectionProbe.h"
#include "platform/Sound.h"

#include <QFile>
#include <QScopeGuard>

Monitor::Monitor(const Ports& ports, QObject* parent) : QObject(parent), m_ports(ports)
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_timer1.setInterval(1000);
    m_timer2.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, &Monitor::CountdownTick);
    connect(&m_timer2, &QTimer::timeout, this, &Monitor::ConnectionWatchTick);
}

void Monitor::StartMonitoring()
{
    m_ports.view.setMonitoringCommands(true);
    if (m_cycleRunning) {
        // Only possible right after Stop, while the stopped cycle is still returning.
        m_startPending = true;
        return;
    }
    goAhead();
}

void Monitor::goAhead()
{
    CheckConnection();
    if (m_ports.app.Connected) {
        m_ports.cycle.ConnectionOpen = true;
        m_ports.cycle.AbortRequested = false;
        RunCycle();
    } else {
        m_ports.view.setStatusText(QStringLiteral("Connection Closed"));
        m_ports.cycle.ConnectionOpen = false;
        m_timer2.start();
        m_ports.sound.beep();
    }
    m_ports.cycle.AbortRequested = false;
}

void Monitor::StopMonitoring()
{
    m_ports.view.setStatusText(QStringLiteral("Closing Connection. Please Wait..."));
    m_ports.retrieval.cancelTransfer();
    m_timer2.stop();
    m_timer1.stop();
    m_ports.cycle.AbortRequested = true;
    m_startPending = false;
    m_ports.view.setStatusText(QStringLiteral("Connection Closed"));
    m_ports.view.setMonitoringCommands(false);
}

void Monitor::CountdownTick()
{
    if (m_cycleRunning) {
        return; // a tick that arrives while a cycle waits never starts another
    }
    CycleState& cycle = m_ports.cycle;
    const Interval interval{m_ports.app.Hours, m_ports.app.Minutes, m_ports.app.Seconds};
    CountdownCounts counts;
    if (!cycle.CountdownStart) {
        cycle.CountdownStart = m_ports.clock.now();
    } else {
        const QDateTime now = m_ports.clock.now();
        cycle.TickTime = now.toString(QStringLiteral("hh:mm:ss"));
        counts = countdownCounts(*cycle.CountdownStart, now, interval);
        m_ports.view.setCountdownText(countdownText(counts));
    }
    if (!countdownDue(counts, interval)) {
        return;
    }
    CheckConnection();
    if (m_ports.app.Connected) {
        cycle.ConnectionOpen = true;
        RunCycle();
    } else {
        noConnection();
    }
}

void Monitor::noConnection()
{
    m_ports.view.setStatusText(QStringLiteral("Connection Closed"));
    m_ports.cycle.ConnectionOpen = false;
    m_timer2.start();
    m_ports.sound.beep();
}

void Monitor::ConnectionWatchTick()
{
    CycleState& cycle = m_ports.cycle;
    CheckConnection();
    const bool connected = m_ports.app.Connected;
    if (connected && !cycle.ConnectionOpen) {
        cycle.ConnectionOpen = true;
        m_ports.view.setStatusText(QStringLiteral("Connection Open"));
        m_timer2.stop();
        RunCycle();
        return;
    }
    if (!connected && cycle.ConnectionOpen) {
        cycle.ConnectionOpen = false;
        m_ports.view.setStatusText(QStringLiteral("Connection ended"));
        m_ports.retrieval.cancelTransfer();
    }
    if (!connected) {
        m_ports.view.setStatusText(QStringLiteral("Connection Closed"));
    }
}

void Monitor::CheckConnection()
{
    const std::optional<quint32> flags = m_ports.probe.connectionFlags();
    m_ports.app.Connected = flags && (*flags & (ConnectionProbe::ModemFlag | ConnectionProbe::LanFlag)) != 0;
}

void Monitor::RunCycle()
{
    if (m_cycleRunning) {
        return;
    }
    m_cycleRunning = true;
    const auto done = qScopeGuard([this] {
        m_cycleRunning = false;
        if (m_startPending) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_startPending) {
                        m_startPending = false;
                        goAhead();
                    }
                },
                Qt::QueuedConnection);
        }
    });

    AppState& app = m_ports.app;
    CycleState& cycle = m_ports.cycle;
    ResultsGrid& grid = m_ports.grid;
    const int count = m_ports.items.ListCount();
    grid.setRows(count + 2);
    grid.setRow(0);
    cycle.AbortRequested = false;
    cycle.PageParsed = false;
    cycle.ChangeCount = 0;
    app.LastAlertCount = 0;

    for (int i = 0; i < count; ++i) {
        // The list can shrink while a retrieval waits; the pass then ends early.
        if (i >= m_ports.items.ListCount()) {
            break;
        }
        const QString entry = m_ports.items.List(i);
        // A setup OK meanwhile resets the grid to its header row; the rows come back.
        if (grid.rows() < i + 2) {
            grid.setRows(m_ports.items.ListCount() + 2);
        }
        grid.setRow(i + 1);
        cycle.CurrentRow = grid.row();
        grid.setCol(0);
        grid.setCellText(entry);
        m_ports.view.setStatusText(QStringLiteral("Retrieving Item #") + entry);
        cycle.ItemUrl = itemPageUrl(m_ports.siteHost, entry);

        m_ports.retrieval.RetrieveItemPage();
        m_timer1.stop(); // the retrieval leaves the countdown off on every path

        if (cycle.AbortRequested) {
            cycle.AbortRequested = false;
            return;
        }
        if (cycle.ChangeCount != app.LastAlertCount) {
            raiseAlerts();
        }
        QFile::remove(ProgramFiles::path(m_ports.programFolder, ProgramFiles::Page));
    }
    m_ports.view.setStatusText(QStringLiteral("Timer ON..."));
    cycle.CountdownStart.reset();
    m_timer1.start();
}

void Monitor::raiseAlerts()
{
    m_ports.app.LastAlertCount = m_ports.cycle.ChangeCount;
    if (m_ports.app.PlayWave) {
        PlayNotificationSound(ProgramFiles::Sound);
    }
    if (m_ports.app.OpenWindow) {
        m_ports.view.showLogWindow();
    }
}

int Monitor::PlayNotificationSound(const char* name)
{
    return m_ports.sound.playWave(ProgramFiles::path(m_ports.programFolder, name));
}
