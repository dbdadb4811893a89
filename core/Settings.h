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

// What the user chose: the two alerts and the interval. The settings file fills it at start-up
// and Setup's OK changes the interval; the alert toggles change the alerts at any time.
class Settings : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    bool playSound() const { return m_playSound; }
    bool popUpLog() const { return m_popUpLog; }
    Interval interval() const { return m_interval; }

    void setPlaySound(bool on);
    void setPopUpLog(bool on);
    void setInterval(const Interval& interval) { m_interval = interval; }

Q_SIGNALS:
    void playSoundChanged(bool on);
    void popUpLogChanged(bool on);

private:
    bool m_playSound = false;
    bool m_popUpLog = false;
    Interval m_interval;
};
