#pragma once

#include <QObject>

// How often the items are checked. A part of 0 takes no part in the countdown.
struct Interval
{
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    friend bool operator==(const Interval&, const Interval&) = default;
};

// What the user chose: the alerts, the way problems are reported and the interval. The settings
// file fills the first two alerts and the interval at start-up, the preferences the rest; Setup's
// OK changes the interval, and the toggles change the others at any time.
class Settings : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool playSound() const { return m_playSound; }
    bool popUpLog() const { return m_popUpLog; }
    bool desktopNotification() const { return m_desktopNotification; }
    // A problem marks its row and goes into the log instead of a message box that waits for OK.
    bool reportWithoutInterrupting() const { return m_reportWithoutInterrupting; }
    Interval interval() const { return m_interval; }

    void setPlaySound(bool on);
    void setPopUpLog(bool on);
    void setDesktopNotification(bool on);
    void setReportWithoutInterrupting(bool on);
    void setInterval(const Interval& interval) { m_interval = interval; }

Q_SIGNALS:
    void playSoundChanged(bool on);
    void popUpLogChanged(bool on);
    void desktopNotificationChanged(bool on);
    void reportWithoutInterruptingChanged(bool on);

private:
    bool m_playSound = false;
    bool m_popUpLog = false;
    bool m_desktopNotification = false;
    bool m_reportWithoutInterrupting = false;
    Interval m_interval;
};
