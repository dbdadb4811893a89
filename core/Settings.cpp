#include "core/Settings.h"

void Settings::setPlaySound(bool on)
{
    if (m_playSound != on) {
        m_playSound = on;
        Q_EMIT playSoundChanged(on);
    }
}

void Settings::setPopUpLog(bool on)
{
    if (m_popUpLog != on) {
        m_popUpLog = on;
        Q_EMIT popUpLogChanged(on);
    }
}
