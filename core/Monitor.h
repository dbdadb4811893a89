#pragma once

#include "core/HttpGet.h"
#include "core/MonitoringCycle.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class Clock;
class Connectivity;
class Messages;
class QStringListModel;
class ResultsModel;
class Settings;
class Sound;

// Start and Stop, the countdown to the next cycle and the watch on the connection. One
// heartbeat drives both once a second; the countdown stays off while a cycle runs, and at most
// one cycle exists at a time, so nothing can start a second one.
class Monitor : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        Settings& settings;
        const QStringListModel& items;
        ResultsModel& results;
        Connectivity& connectivity;
        const Clock& clock;
        Sound& sound;
        Messages& messages;
        QString siteHost;
        QString soundFile;
        HttpGet::Limits limits;
    };

    explicit Monitor(const Services& services, QObject* parent = nullptr);
    ~Monitor() override;

    bool isMonitoring() const { return m_monitoring; }
    bool isCycleRunning() const { return m_cycle != nullptr; }

    void start();
    void stop();
    // One beat of the heartbeat: the countdown's turn, then the watch's.
    void tick();

Q_SIGNALS:
    void monitoringChanged(bool monitoring);
    void statusChanged(const QString& text);
    void countdownChanged(const QString& text);
    void logLine(const QString& line);
    void priceChanged(const QString& itemNumber, const QString& oldPrice, const QString& newPrice);
    // A cycle begins; every page it reads follows; it ends, completed, halted or stopped.
    void cycleStarted();
    void pageRead(const QString& itemNumber, const ItemPageReading& reading);
    void problemMet(const QString& itemNumber, const Message& message, const QString& cause);
    void cycleEnded();
    // The pop-up alert: show the log window.
    void logWindowWanted();

private:
    void setMonitoring(bool monitoring);
    void goOffline();
    void watchTick();
    void countdownTick();
    void runCycle();
    void cycleFinished(MonitoringCycle::Outcome outcome);
    void raiseAlerts();
    void updateHeartbeat();
    void dropCycle();

    Services m_services;
    QTimer m_heartbeat;
    bool m_monitoring = false;
    bool m_counting = false;
    bool m_watching = false;
    // Monitoring last went ahead on an open connection; the watch reports when it goes.
    bool m_connectionOpen = false;
    // Empty until the countdown's first tick; it carries the date, so midnight is no special case.
    std::optional<QDateTime> m_countdownStart;
    std::unique_ptr<MonitoringCycle> m_cycle;
};
