#include "core/Monitor.h"

#include "core/Countdown.h"
#include "core/Settings.h"
#include "platform/Clock.h"
#include "platform/Connectivity.h"
#include "platform/Sound.h"

Monitor::Monitor(const Services& services, QObject* parent) : QObject(parent), m_services(services)
{
    m_heartbeat.setInterval(1000);
    connect(&m_heartbeat, &QTimer::timeout, this, &Monitor::tick);
}

Monitor::~Monitor()
{
    if (m_cycle) {
        m_cycle->abort();
    }
}

void Monitor::start()
{
    setMonitoring(true);
    if (m_services.connectivity.isOnline()) {
        m_connectionOpen = true;
        runCycle();
    } else {
        goOffline();
    }
}

void Monitor::stop()
{
    Q_EMIT statusChanged(tr("Closing Connection. Please Wait..."));
    const bool cycleWasRunning = m_cycle != nullptr;
    if (m_cycle) {
        m_cycle->abort();
    }
    m_watching = false;
    m_counting = false;
    updateHeartbeat();
    Q_EMIT statusChanged(tr("Connection Closed"));
    setMonitoring(false);
    if (cycleWasRunning) {
        // The item that was on its way ends as every item does.
        Q_EMIT statusChanged(tr("Stopped"));
        dropCycle();
        Q_EMIT cycleEnded();
    }
}

void Monitor::tick()
{
    if (m_counting) {
        countdownTick();
    }
    if (m_watching) {
        watchTick();
    }
}

void Monitor::setMonitoring(bool monitoring)
{
    if (m_monitoring != monitoring) {
        m_monitoring = monitoring;
        Q_EMIT monitoringChanged(monitoring);
    }
}

// No connection when a cycle is due: the watch takes over until it is back.
void Monitor::goOffline()
{
    Q_EMIT statusChanged(tr("Connection Closed"));
    m_connectionOpen = false;
    m_watching = true;
    updateHeartbeat();
    m_services.sound.beep();
}

void Monitor::watchTick()
{
    const bool online = m_services.connectivity.isOnline();
    if (online && !m_connectionOpen) {
        m_connectionOpen = true;
        Q_EMIT statusChanged(tr("Connection Open"));
        m_watching = false;
        runCycle();
        return;
    }
    if (!online && m_connectionOpen) {
        m_connectionOpen = false;
        Q_EMIT statusChanged(tr("Connection ended"));
        if (m_cycle) {
            m_cycle->cancelTransfer();
        }
    }
    if (!online) {
        Q_EMIT statusChanged(tr("Connection Closed"));
    }
}

void Monitor::countdownTick()
{
    const Interval interval = m_services.settings.interval();
    CountdownCounts counts;
    const QDateTime now = m_services.clock.now();
    if (!m_countdownStart) {
        m_countdownStart = now; // the first tick only starts the countdown
    } else {
        counts = countdownCounts(*m_countdownStart, now, interval);
        Q_EMIT countdownChanged(countdownText(counts));
    }
    if (!countdownDue(counts, interval)) {
        return;
    }
    if (m_services.connectivity.isOnline()) {
        m_connectionOpen = true;
        runCycle();
    } else {
        // The countdown keeps running: every tick is due again until the connection is back.
        goOffline();
    }
}

void Monitor::runCycle()
{
    if (m_cycle) {
        return;
    }
    m_counting = false;
    updateHeartbeat();
    m_cycle = std::make_unique<MonitoringCycle>(
        MonitoringCycle::Services{m_services.items, m_services.results, m_services.messages, m_services.clock,
                                  m_services.settings, m_services.siteHost, m_services.limits});
    connect(m_cycle.get(), &MonitoringCycle::statusChanged, this, &Monitor::statusChanged);
    connect(m_cycle.get(), &MonitoringCycle::logLine, this, &Monitor::logLine);
    connect(m_cycle.get(), &MonitoringCycle::priceChanged, this, &Monitor::priceChanged);
    connect(m_cycle.get(), &MonitoringCycle::changesMet, this, &Monitor::raiseAlerts);
    connect(m_cycle.get(), &MonitoringCycle::pageRead, this, &Monitor::pageRead);
    connect(m_cycle.get(), &MonitoringCycle::problemMet, this, &Monitor::problemMet);
    connect(m_cycle.get(), &MonitoringCycle::finished, this, &Monitor::cycleFinished);
    Q_EMIT cycleStarted();
    m_cycle->start();
}

void Monitor::cycleFinished(MonitoringCycle::Outcome outcome)
{
    dropCycle();
    Q_EMIT cycleEnded();
    if (outcome == MonitoringCycle::Outcome::Halted) {
        // A page that could not be read ends monitoring; the commands show it stopped.
        m_watching = false;
        updateHeartbeat();
        setMonitoring(false);
        return;
    }
    Q_EMIT statusChanged(tr("Timer ON..."));
    m_countdownStart.reset();
    m_counting = true;
    updateHeartbeat();
}

void Monitor::raiseAlerts()
{
    if (m_services.settings.playSound()) {
        m_services.sound.play(m_services.soundFile);
    }
    if (m_services.settings.popUpLog()) {
        Q_EMIT logWindowWanted();
    }
}

// The heartbeat runs while anything needs it; a beat already under way keeps its phase, so
// the watch is never put off by the countdown.
void Monitor::updateHeartbeat()
{
    if (!m_counting && !m_watching) {
        m_heartbeat.stop();
    } else if (!m_heartbeat.isActive()) {
        m_heartbeat.start();
    }
}

// The cycle may be the one calling; it goes once control is back in the event loop, or with
// the monitor should that come first.
void Monitor::dropCycle()
{
    MonitoringCycle* cycle = m_cycle.release();
    cycle->setParent(this);
    cycle->deleteLater();
}
