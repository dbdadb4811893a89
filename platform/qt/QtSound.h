#pragma once

#include "platform/Sound.h"

#include <QSoundEffect>

// Plays wave files without waiting for them to end.
class QtSound final : public Sound
{
public:
    int playWave(const QString& path) override;
    void beep() override;

private:
    QSoundEffect m_effect;
};
