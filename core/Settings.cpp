#include "core/Settings.h"

namespace {
template <typename Signal> void change(Settings* settings, bool& value, bool on, Signal changed)
{
    if (value != on) {
        value = on;
        Q_EMIT(settings->*changed)(on);
    }
}
} // namespace

void Settings::setPlaySound(bool on)
{
    change(this, m_playSound, on, &Settings::playSoundChanged);
}

void Settings::setPopUpLog(bool on)
{
    change(this, m_popUpLog, on, &Settings::popUpLogChanged);
}

void Settings::setDesktopNotification(bool on)
{
    change(this, m_desktopNotification, on, &Settings::desktopNotificationChanged);
}

void Settings::setReportWithoutInterrupting(bool on)
{
    change(this, m_reportWithoutInterrupting, on, &Settings::reportWithoutInterruptingChanged);
}
